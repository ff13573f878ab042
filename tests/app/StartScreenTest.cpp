#include "StartScreen.h"

#include "HelpViewer.h"
#include "IniFile.h"
#include "MainWindow.h"
#include "Program.h"
#include "ProgramEnd.h"
#include "RecordingPresenter.h"
#include "TempSettings.h"

#include <memory>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace bacc;

// The start screen finds the settings file the way the program does: beside the executable, then in the
// user's configuration directory. The tests point the configuration directory at a directory of
// their own.
class StartScreenTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir config_;
    std::unique_ptr<test::RecordingPresenter> presenter_;
    int programEnds_ = 0;

    QString ConfigIni() const { return config_.filePath(QStringLiteral("quorrel-baccarat/BACCARAT.INI")); }
    void InstallSettings() {
        QDir(config_.path()).mkpath(QStringLiteral("quorrel-baccarat"));
        QFile file(ConfigIni());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Options]\nLarge Buttons=True\n[Shoe Size]\nDecks= 8\n"
                   "[MDIForm1]\nTop= 0\nLeft= 0\nHeight= 9000\nWidth= 12000\n");
    }
    StartScreen* LoadedStartScreen() {
        StartScreen* screen = CreateStartScreen();
        if (!screen->Form_Load()) {
            return nullptr;
        }
        screen->show();
        return screen;
    }

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        QVERIFY(!QFile::exists(DevelopmentIniPath()));
        QCOMPARE(InstalledIniPath(), ConfigIni());
    }
    void init() {
        presenter_ = std::make_unique<test::RecordingPresenter>();
        programEnds_ = 0;
        SetEndProgramHook([this] { ++programEnds_; });
        SetIniPath(QString());
    }
    void cleanup() {
        if (MainWindow* window = TheMainWindow()) {
            delete window;
        }
        if (StartScreen* screen = TheStartScreen()) {
            delete screen;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile::remove(ConfigIni());
        SetEndProgramHook({});
        SetIniPath(QString());
        presenter_.reset();
    }

    void missingSettingsFileEndsWithoutCreatingOne() {
        StartScreen* screen = CreateStartScreen();
        QVERIFY(!screen->Form_Load());
        QCOMPARE(presenter_->Count(), 1);
        QCOMPARE(
            presenter_->Last().Text,
            QStringLiteral("The 'INI' file for Quorrel Baccarat is missing or corrupted. Please re-install "
                           "Quorrel Baccarat"));
        QCOMPARE(presenter_->Last().Icon, MsgIcon::Critical);
        QVERIFY(!QFile::exists(ConfigIni()));
        QVERIFY(!QFile::exists(DevelopmentIniPath()));
        QVERIFY(!TheMainWindow());
    }

    void textsOfTheStartScreen() {
        InstallSettings();
        StartScreen* screen = LoadedStartScreen();
        QVERIFY(screen);
        QCOMPARE(IniPath(), ConfigIni());
        QVERIFY(!screen->windowTitle().isEmpty());
        QCOMPARE(screen->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 2.1"));
        QCOMPARE(screen->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral(
                     "Improve your Baccarat skills\nTry BETTING STRATEGIES and MONEY MANAGEMENT without "
                     "risking money"));
        QVERIFY(!screen->findChild<QLabel*>("Label4")->text().isEmpty());
        QCOMPARE(screen->findChild<QPushButton*>("cmdStart")->toolTip(),
                 QStringLiteral("Click to START Quorrel Baccarat"));
        QVERIFY(!screen->findChild<QPushButton*>("cmdStart")->icon().isNull());
        QCOMPARE(screen->findChild<QPushButton*>("Command1")->text(), QStringLiteral("&Start"));
        QCOMPARE(screen->findChild<QPushButton*>("cmdHelp")->text(), QStringLiteral("&HELP"));
        QCOMPARE(screen->findChild<QPushButton*>("cmdQuit")->text(), QStringLiteral("&Exit"));
        for (const char* picture : {"Image1", "Image2", "Picture1"}) {
            QVERIFY2(!screen->findChild<QLabel*>(picture)->pixmap().isNull(), picture);
        }
    }

    void otherKeysDoNothing() {
        InstallSettings();
        StartScreen* screen = LoadedStartScreen();
        QVERIFY(screen);
        for (char key : {'x', 'X', '1', ' ', 'q'}) {
            QTest::keyClick(screen, key);
        }
        QVERIFY(TheStartScreen() && screen->isVisible());
        QVERIFY(!TheMainWindow());
        QCOMPARE(programEnds_, 0);
    }

    void keySStartsTheGame() {
        InstallSettings();
        StartScreen* screen = LoadedStartScreen();
        QVERIFY(screen);
        QTest::keyClick(screen, 's');
        QVERIFY(TheMainWindow());
        QVERIFY(TheMainWindow()->isVisible());
        QTRY_VERIFY(!TheStartScreen()); // the main window's load closed it
        QCOMPARE(programEnds_, 0);      // handing over does not end the program
    }

    void startButtonStartsTheGame() {
        InstallSettings();
        StartScreen* screen = LoadedStartScreen();
        QVERIFY(screen);
        screen->findChild<QPushButton*>("cmdStart")->click();
        QVERIFY(TheMainWindow());
        QTRY_VERIFY(!TheStartScreen());
    }

    void keyHOpensTheStartScreenTopic() {
        InstallSettings();
        QFile help(config_.filePath(QStringLiteral("quorrel-baccarat/BACCARAT.HLP")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<html><body><h1><a name=\"contents\">Contents</a></h1>"
                   "<h2><a name=\"start-screen\">Start</a></h2></body></html>");
        help.close();
        StartScreen* screen = LoadedStartScreen();
        QVERIFY(screen);
        QTest::keyClick(screen, 'h');
        QVERIFY(HelpBrowser());
        QCOMPARE(HelpBrowser()->source().fragment(), QStringLiteral("start-screen"));
        QVERIFY(TheStartScreen() && !TheMainWindow()); // help does not start the game
        HelpBrowser()->window()->close();
        help.remove();
    }

    void keyEEnds() {
        InstallSettings();
        StartScreen* screen = LoadedStartScreen();
        QVERIFY(screen);
        QTest::keyClick(screen, 'E');
        QCOMPARE(programEnds_, 1);
        QTRY_VERIFY(!TheStartScreen());
        QVERIFY(!TheMainWindow());
    }

    void exitButtonEnds() {
        InstallSettings();
        StartScreen* screen = LoadedStartScreen();
        QVERIFY(screen);
        screen->findChild<QPushButton*>("cmdQuit")->click();
        QCOMPARE(programEnds_, 1);
        QTRY_VERIFY(!TheStartScreen());
    }

    void secondCopyBringsTheRunningWindowForward() {
        InstallSettings();
        StartScreen* screen = LoadedStartScreen();
        QVERIFY(screen);
        screen->showMinimized();
        ActivateFrontWindow();
        QVERIFY(!screen->isMinimized());
        QVERIFY(screen->isVisible());
        screen->cmdStart_Click();
        MainWindow* window = TheMainWindow();
        QVERIFY(window);
        window->hide();
        ActivateFrontWindow();
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(StartScreenTest)
#include "StartScreenTest.moc"
