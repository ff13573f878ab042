#include "HelpViewer.h"

#include "IniFile.h"
#include "RecordingPresenter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

QWidget* HelpWindow() {
    return HelpBrowser() != nullptr ? HelpBrowser()->window() : nullptr;
}

// Run on a screen lower than the help window, as on a small laptop, unless another platform is asked for.
QString SmallScreenConfig() {
    return QDir::temp().filePath(
        QStringLiteral("helpviewertest-screen-%1.json").arg(QCoreApplication::applicationPid()));
}
void UseSmallScreen() {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen") {
        return;
    }
    const QString config = SmallScreenConfig();
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1024, "height": 560,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
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
        if (HelpWindow() != nullptr) {
            HelpWindow()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(HelpBrowser() == nullptr);
    }

    void opensAtTheContents() {
        test::RecordingPresenter presenter;
        ShowHelpContents();
        QCOMPARE(presenter.Count(), 0);
        QTextBrowser* browser = HelpBrowser();
        QVERIFY(browser != nullptr);
        QVERIFY(browser->window()->isVisible());
        QCOMPARE(browser->source().toLocalFile(), dir_.filePath("BACCARAT.HLP"));
        QCOMPARE(browser->source().fragment(), QString("contents"));
        QVERIFY(browser->toPlainText().contains("Contents"));
        QVERIFY(browser->toPlainText().contains("Drawing rules"));
        QVERIFY(browser->verticalScrollBar()->value() < 20); // the top of the document
    }

    void opensAtTheStartScreenTopic() {
        ShowHelpContext(StartScreenHelpTopic);
        QTextBrowser* browser = HelpBrowser();
        QVERIFY(browser != nullptr);
        QCOMPARE(browser->source().fragment(), QString("start-screen"));
        // Scrolled down to the topic, away from the top of the document.
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 100);

        // Asking again reuses the one window and goes back to the contents.
        QTextBrowser* same = browser;
        ShowHelpContents();
        QCOMPARE(HelpBrowser(), same);
        QCOMPARE(HelpBrowser()->source().fragment(), QString("contents"));
        QTRY_VERIFY(HelpBrowser()->verticalScrollBar()->value() < 20);
    }

    void anUnknownContextShowsTheContents() {
        ShowHelpContext(999);
        QVERIFY(HelpBrowser() != nullptr);
        QCOMPARE(HelpBrowser()->source().fragment(), QString("contents"));
    }

    // Every link inside the document leads to an anchor that exists, and the context topics exist.
    void everyLinkHasItsAnchor() {
        QFile file(ShippedHelp());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QSet<QString> anchors;
        for (const auto& match : QRegularExpression(R"re(<a name="([^"]+)")re").globalMatch(html)) {
            QVERIFY2(!anchors.contains(match.captured(1)), qPrintable("twice: " + match.captured(1)));
            anchors.insert(match.captured(1));
        }
        int links = 0;
        for (const auto& match : QRegularExpression(R"re(href="#([^"]+)")re").globalMatch(html)) {
            QVERIFY2(anchors.contains(match.captured(1)), qPrintable("no anchor: " + match.captured(1)));
            ++links;
        }
        QVERIFY(links > 20);
        QVERIFY(anchors.contains("contents"));
        QVERIFY(anchors.contains("start-screen"));
    }

    void aWindowTallerThanTheScreenKeepsItsTopOnIt() {
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        ShowHelpContents(&owner);
        QWidget* help = HelpWindow();
        QVERIFY(help != nullptr);
        const QRect available = owner.screen()->availableGeometry();
        // The window is placed beside its owner, and where the screen is too small, at its top left.
        if (help->height() > available.height()) {
            QCOMPARE(help->pos().y(), available.top());
        }
        QVERIFY(help->pos().y() >= available.top());
        QVERIFY(help->pos().x() >= available.left());
    }

    void aMissingHelpFileIsReported() {
        SetIniPath(dir_.filePath("elsewhere/BACCARAT.INI"));
        test::RecordingPresenter presenter;
        ShowHelpContents();
        ShowHelpContext(StartScreenHelpTopic);
        SetIniPath(dir_.filePath("BACCARAT.INI"));
        QVERIFY(HelpBrowser() == nullptr);
        QCOMPARE(presenter.Count(), 2);
        QVERIFY(presenter.Last().Text.contains(dir_.filePath("elsewhere/BACCARAT.HLP")));
        QVERIFY(presenter.Last().Text.contains("Help file"));
        QCOMPARE(presenter.Last().Icon, MsgIcon::Exclamation);

        SetIniPath(QString());
        ShowHelpContents();
        SetIniPath(dir_.filePath("BACCARAT.INI"));
        QCOMPARE(presenter.Count(), 3);
        QVERIFY(HelpBrowser() == nullptr);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
