#include "WebSite.h"

#include "RecordingPresenter.h"

#include <QGuiApplication>
#include <QTest>

using namespace bacc;

class WebSiteTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetUrlOpener({}); }

    // The opener's result picks the message; results above 32 are success. -2 stands for the offscreen
    // platform's real launcher, which has no browser and so answers 31.
    void failuresGiveTheirMessages_data() {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("0") << 0 << "Not enough memory to load web browser";
        QTest::newRow("2") << 2 << "Unable to locate URL shortcut";
        QTest::newRow("5") << 5 << "Error attempting to start web browser.  Return Code: 5";
        QTest::newRow("31") << 31 << "Unable to locate web browser.";
        QTest::newRow("32") << 32 << "Error attempting to start web browser.  Return Code: 32";
        QTest::newRow("-1") << -1 << "Error attempting to start web browser.  Return Code: -1";
        QTest::newRow("33") << 33 << QString();
        QTest::newRow("real launcher") << -2 << "Unable to locate web browser.";
    }

    void failuresGiveTheirMessages() {
        QFETCH(int, result);
        QFETCH(QString, message);
        if (result == -2 && QGuiApplication::platformName() != "offscreen") {
            QSKIP("would open a real browser on this platform");
        }
        QString opened;
        if (result != -2) {
            SetUrlOpener([&opened, result](const QString& address) {
                opened = address;
                return result;
            });
        }
        test::RecordingPresenter presenter;
        QCOMPARE(OpenWebSite(MakerWebSite, "A Title"), result == -2 ? 31 : result);
        QCOMPARE(opened, result == -2 ? QString() : MakerWebSite);
        QCOMPARE(presenter.Texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(presenter.Last().Caption, message.isEmpty() ? QString() : QString("A Title"));
        QVERIFY(message.isEmpty() ||
                (presenter.Last().Icon == MsgIcon::None && presenter.Last().Buttons == MsgButtons::Ok));
    }
};

QTEST_MAIN(WebSiteTest)
#include "WebSiteTest.moc"
