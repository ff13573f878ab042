#include "HelpViewer.h"

#include "IniFile.h"
#include "RecordingPresenter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace bacc;

namespace {

QString ShippedHelp() {
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../resources/BACCARAT.HLP"));
}

// Run on a screen lower than the help window, as on a small laptop, unless another platform is asked for.
QString SmallScreenConfig() {
    return QDir::temp().filePath(
        QStringLiteral("helpviewertest-screen-%1.json").arg(QCoreApplication::applicationPid()));
}
void UseSmallScreen() {
    QFile file(SmallScreenConfig());
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && file.open(QIODevice::WriteOnly) &&
        file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1024, "height": 560,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") > 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file.fileName()));
    }
}
Q_CONSTRUCTOR_FUNCTION(UseSmallScreen)

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QFile::copy(ShippedHelp(), dir_.filePath("BACCARAT.HLP")));
        SetIniPath(dir_.filePath("BACCARAT.INI"));
    }

    void cleanupTestCase() { QFile::remove(SmallScreenConfig()); }

    void cleanup() {
        if (HelpBrowser() != nullptr) {
            HelpBrowser()->window()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(HelpBrowser() == nullptr);
    }

    // Contents at the top, a topic scrolled to, an unknown topic at the contents; one window reused,
    // beside its owner, and where the screen is too small, at its top.
    void opensAtItsTopicOnTheScreen() {
        test::RecordingPresenter presenter;
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        ShowHelpContext(StartScreenHelpTopic, &owner);
        QTextBrowser* browser = HelpBrowser();
        QVERIFY(browser != nullptr && browser->window()->isVisible());
        const QRect available = owner.screen()->availableGeometry();
        const QWidget* help = browser->window();
        QVERIFY(help->height() <= available.height() || help->pos().y() == available.top());
        QVERIFY(help->pos().y() >= available.top() && help->pos().x() >= available.left());
        QCOMPARE(browser->source().toLocalFile(), dir_.filePath("BACCARAT.HLP"));
        QCOMPARE(browser->source().fragment(), QString("start-screen"));
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 100);
        ShowHelpContents();
        QCOMPARE(HelpBrowser(), browser);
        QCOMPARE(browser->source().fragment(), QString("contents"));
        QVERIFY(browser->toPlainText().contains("Drawing rules"));
        QTRY_VERIFY(browser->verticalScrollBar()->value() < 20);
        ShowHelpContext(999);
        QCOMPARE(browser->source().fragment(), QString("contents"));
        QCOMPARE(presenter.Count(), 0);
    }

    void aMissingHelpFileIsReported() {
        SetIniPath(dir_.filePath("elsewhere/BACCARAT.INI"));
        test::RecordingPresenter presenter;
        ShowHelpContext(StartScreenHelpTopic);
        SetIniPath(dir_.filePath("BACCARAT.INI"));
        QVERIFY(HelpBrowser() == nullptr);
        QVERIFY(presenter.Last().Text.contains(dir_.filePath("elsewhere/BACCARAT.HLP")));
        QCOMPARE(presenter.Last().Icon, MsgIcon::Exclamation);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
