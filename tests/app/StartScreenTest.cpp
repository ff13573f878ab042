#include "StartScreen.h"

#include "HelpViewer.h"
#include "IniFile.h"
#include "MainWindow.h"
#include "ProgramEnd.h"
#include "RecordingPresenter.h"

#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace bacc;

// The start screen finds the settings file the way the program does: beside the executable, then in the
// user's configuration directory, which the tests point at a directory of their own.
class StartScreenTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir config_;
    std::unique_ptr<test::RecordingPresenter> presenter_;
    int programEnds_ = 0;

    QString ConfigFile(const char* name) const {
        return config_.filePath(QStringLiteral("quorrel-baccarat/") + QLatin1String(name));
    }
    // The settings file and a help file with the start screen's topic, then the loaded start screen.
    StartScreen* Loaded() {
        QDir(config_.path()).mkpath(QStringLiteral("quorrel-baccarat"));
        QFile ini(ConfigFile("BACCARAT.INI"));
        QFile help(ConfigFile("BACCARAT.HLP"));
        if (!ini.open(QIODevice::WriteOnly) || !help.open(QIODevice::WriteOnly)) {
            return nullptr;
        }
        ini.write("[Options]\nLarge Buttons=True\n[Shoe Size]\nDecks= 8\n");
        help.write("<html><body><h1><a name=\"contents\">Contents</a></h1>"
                   "<h2><a name=\"start-screen\">Start</a></h2><p>Read me</p></body></html>");
        StartScreen* screen = CreateStartScreen();
        if (!screen->Form_Load()) {
            return nullptr;
        }
        screen->show();
        screen->activateWindow();
        return QTest::qWaitForWindowActive(screen) ? screen : nullptr;
    }

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        QVERIFY(!QFile::exists(DevelopmentIniPath()));
    }
    void init() {
        presenter_ = std::make_unique<test::RecordingPresenter>();
        programEnds_ = 0;
        SetEndProgramHook([this] { ++programEnds_; });
        SetIniPath(QString());
    }
    void cleanup() {
        if (QTextBrowser* browser = HelpBrowser()) {
            browser->window()->close();
        }
        delete TheMainWindow();
        delete TheStartScreen();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile::remove(ConfigFile("BACCARAT.INI"));
        SetEndProgramHook({});
        SetIniPath(QString());
        presenter_.reset();
    }

    void missingSettingsFileEndsWithoutCreatingOne() {
        QVERIFY(!CreateStartScreen()->Form_Load());
        QCOMPARE(presenter_->Count(), 1);
        QVERIFY(!TheMainWindow());
    }

    // What each key does, typed into a button or into the window itself ("Plauk").
    void keys_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("Enter on Start") << "cmdStart" << int(Qt::Key_Return) << "game";
        QTest::newRow("keypad Enter on Start") << "cmdStart" << int(Qt::Key_Enter) << "game";
        QTest::newRow("space on Start") << "Command1" << int(Qt::Key_Space) << "game";
        QTest::newRow("space on HELP") << "cmdHelp" << int(Qt::Key_Space) << "help";
        QTest::newRow("space on Exit") << "cmdQuit" << int(Qt::Key_Space) << "end";
        QTest::newRow("Enter") << "Plauk" << int(Qt::Key_Return) << "game";
        QTest::newRow("s") << "Plauk" << int(Qt::Key_S) << "game";
        QTest::newRow("h") << "Plauk" << int(Qt::Key_H) << "help";
        QTest::newRow("e") << "Plauk" << int(Qt::Key_E) << "end";
        QTest::newRow("x") << "Plauk" << int(Qt::Key_X) << "nothing";
    }
    void keys() {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(QString, outcome);
        StartScreen* screen = Loaded();
        QVERIFY(screen);
        QWidget* widget = target == screen->objectName() ? screen : screen->findChild<QWidget*>(target);
        QTest::keyClick(widget, static_cast<Qt::Key>(key));
        QCOMPARE(TheMainWindow() != nullptr, outcome == QLatin1String("game"));
        QCOMPARE(HelpBrowser() != nullptr, outcome == QLatin1String("help"));
        QCOMPARE(programEnds_, outcome == QLatin1String("end") ? 1 : 0);
        if (outcome == QLatin1String("help")) { // at its topic, and Escape closes it
            QCOMPARE(HelpBrowser()->source().fragment(), QStringLiteral("start-screen"));
            QVERIFY(QTest::qWaitForWindowExposed(HelpBrowser()->window()));
            QTest::keyClick(HelpBrowser(), Qt::Key_Escape);
            QTRY_VERIFY(!HelpBrowser());
        }
        if (outcome == QLatin1String("nothing")) {
            QVERIFY(TheStartScreen() && screen->isVisible());
        } else {
            QTRY_COMPARE(TheStartScreen() == nullptr, outcome != QLatin1String("help")); // help ends nothing
        }
    }
};

QTEST_MAIN(StartScreenTest)
#include "StartScreenTest.moc"
