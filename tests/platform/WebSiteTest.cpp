#include "WebSite.h"

#include "RecordingPresenter.h"

#include <QGuiApplication>
#include <QTest>

using namespace bacc;

class WebSiteTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetUrlOpener({}); }

    void shellResultsGiveTheirMessages_data() {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("0") << 0 << "Not enough memory to load web browser";
        QTest::newRow("2") << 2 << "Unable to locate URL shortcut";
        QTest::newRow("5") << 5 << "Error attempting to start web browser.  Return Code: 5";
        QTest::newRow("31") << 31 << "Unable to locate web browser.";
        QTest::newRow("32") << 32 << "Error attempting to start web browser.  Return Code: 32";
        QTest::newRow("-1") << -1 << "Error attempting to start web browser.  Return Code: -1";
        QTest::newRow("33") << 33 << QString();
        QTest::newRow("42") << 42 << QString();
    }

    void shellResultsGiveTheirMessages() {
        QFETCH(int, result);
        QFETCH(QString, message);
        QString opened;
        SetUrlOpener([&opened, result](const QString& address) {
            opened = address;
            return result;
        });
        test::RecordingPresenter presenter;
        QCOMPARE(OpenWebSite(MakerWebSite, "Quorrel Baccarat"), result);
        QCOMPARE(opened, MakerWebSite);
        if (message.isEmpty()) {
            QCOMPARE(presenter.Count(), 0);
            return;
        }
        QCOMPARE(presenter.Count(), 1);
        QCOMPARE(presenter.Last().Text, message);
        QCOMPARE(presenter.Last().Caption, QString("Quorrel Baccarat"));
        QCOMPARE(presenter.Last().Icon, MsgIcon::None);
        QCOMPARE(presenter.Last().Buttons, MsgButtons::Ok);
    }

    void theCaptionIsTheTitleGiven() {
        SetUrlOpener([](const QString&) { return 0; });
        test::RecordingPresenter presenter;
        OpenWebSite("https://example.org", "Another Title");
        QCOMPARE(presenter.Last().Caption, QString("Another Title"));
    }

    void makerSiteIsAWebAddress() {
        QVERIFY(MakerWebSite.startsWith("https://"));
        QVERIFY(QUrl(MakerWebSite).isValid());
    }

    // The offscreen platform has no browser: the desktop launcher fails, which is result 31.
    void desktopFailureIsResult31() {
        if (QGuiApplication::platformName() != "offscreen") {
            QSKIP("would open a real browser on this platform");
        }
        test::RecordingPresenter presenter;
        QCOMPARE(OpenWebSite("https://example.org", "Quorrel Baccarat"), 31);
        QCOMPARE(presenter.Texts(), QStringList{"Unable to locate web browser."});
    }
};

QTEST_MAIN(WebSiteTest)
#include "WebSiteTest.moc"
