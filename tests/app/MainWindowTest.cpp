#include "MainWindow.h"

#include "AboutBox.h"
#include "CardsDealtWindow.h"
#include "FastPause.h"
#include "HelpViewer.h"
#include "IniFile.h"
#include "Options.h"
#include "ProgramEnd.h"
#include "RecordingPresenter.h"
#include "Shoe.h"
#include "StatisticsWindow.h"
#include "TableWindow.h"
#include "TempSettings.h"
#include "WebSite.h"

#include <memory>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace bacc;

namespace {

// Every boolean option: toolbar key, menu item, section, key, flag.
struct OptionCase {
    const char* key;
    const char* menu;
    const char* section;
    const char* settingKey;
    bool Options::*flag;
};
const OptionCase OptionCases[] = {
    {"CardFaceUp", "mnuCardFaceUpDown", "Card Options", "Card Face Up", &Options::CardFaceUp},
    {"CardValues", "mnuShowCardValues", "Card Options", "Show Card Values", &Options::CardValues},
    {"CardsDealt", "mnuShowCardsDealt", "Card Options", "Show Cards Dealt", &Options::CardsDealt},
    {"CardsDealtCount", "mnuShowCardsDealtCount", "Card Options", "Show Cards Dealt Count",
     &Options::CardsDealtCount},
    {"ShowScore", "mnuShowScore", "Marking Options", "Show Score", &Options::ShowScore},
    {"ShowNaturals", "mnuShowNaturals", "Marking Options", "Show Naturals", &Options::ShowNaturals},
    {"PlayerBlue", "mnuPlayerBlue", "Player Blue", "PlayerBlue", &Options::PlayerBlue},
    {"Delay", "mnuDealDelay", "Deal", "Delay", &Options::Delay},
    {"Animation", "mnuDealAnimation", "Deal", "Animation", &Options::Animation},
};

// A complete settings file with every option on, 8 decks, arrows, large buttons.
QByteArray SettingsText(const QByteArray& extra = {}) {
    return QByteArray("[Options]\nLarge Buttons=True\n"
                      "[Card Options]\nCard Face Up=True\nShow Card Values=True\nShow Cards Dealt=True\n"
                      "Show Cards Dealt Count=True\n"
                      "[Marking Options]\nShow Score=True\nShow Naturals=True\n"
                      "[Player Blue]\nPlayerBlue=True\n"
                      "[Shoe Size]\nDecks= 8\n"
                      "[Deal]\nDelay=True\nAnimation=True\n"
                      "[Reveal]\nArrows=True\n"
                      "[MDIForm1]\nTop= 0\nLeft= 0\nHeight= 9000\nWidth= 12000\n"
                      "[frmBaccTable]\nTop= 0\nLeft= 0\n"
                      "[Player1Stats]\nSteak= 1000\n[Player2Stats]\nSteak= 1000\n") +
           extra;
}

QString Stored(const char* section, const char* key) {
    return ReadIni(QLatin1String(section), QLatin1String(key));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempSettings> settings_;
    std::unique_ptr<test::RecordingPresenter> presenter_;
    std::unique_ptr<test::FastPause> pause_;
    QPointer<MainWindow> window_;
    int programEnds_ = 0;

    // A main window loaded from the current settings file, with its timer tick done.
    MainWindow* Open() {
        auto* window = new MainWindow;
        window_ = window;
        if (!window->MDIForm_Load()) {
            return nullptr;
        }
        // The shoe-size button and the reveal mode are set one timer tick later.
        const bool ticked = QTest::qWaitFor([window] { return !window->Timer1()->isActive(); }, 2000);
        return ticked ? window : nullptr;
    }
    // Gone without its closing steps, as if the program had been stopped; the file keeps its values.
    void Destroy() {
        if (TableWindow* table = TheTable()) {
            table->DealInProgress = false;
        }
        delete window_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Restart() {
        Destroy();
        QVERIFY(Open());
    }
    void ExpectOption(const OptionCase& option, bool on, const QString& where) {
        const QString context = where + QStringLiteral(" / ") + QLatin1String(option.key);
        QVERIFY2(Settings().*option.flag == on, qPrintable(context));
        QVERIFY2(window_->MenuItem(QLatin1String(option.menu))->isChecked() == on, qPrintable(context));
        QVERIFY2(window_->ToolbarButton(QLatin1String(option.key))->isChecked() == on, qPrintable(context));
        QCOMPARE(Stored(option.section, option.settingKey),
                 on ? QStringLiteral("True") : QStringLiteral("False"));
    }
    void ExpectDecks(int decks, int menuIndex) {
        QCOMPARE(TheShoe().DeckCount, decks);
        for (int index = 0; index < 5; ++index) {
            QCOMPARE(window_->MenuItem(QStringLiteral("mnuShoeSizeDecks(%1)").arg(index))->isChecked(),
                     index == menuIndex);
        }
        for (int size : {1, 2, 4, 6, 8}) {
            QCOMPARE(window_->ToolbarButton(QStringLiteral("Decks%1").arg(size))->isChecked(),
                     menuIndex >= 0 && size == decks);
        }
    }
    void ExpectReveal(bool arrows) {
        QCOMPARE(Settings().RevealArrows, arrows);
        QCOMPARE(window_->MenuItem(QStringLiteral("mnuArrows"))->isChecked(), arrows);
        QCOMPARE(window_->MenuItem(QStringLiteral("mnuHands"))->isChecked(), !arrows);
        QCOMPARE(window_->ToolbarButton(QStringLiteral("RevealArrows"))->isChecked(), arrows);
        QCOMPARE(window_->ToolbarButton(QStringLiteral("RevealHands"))->isChecked(), !arrows);
        QCOMPARE(Stored("Reveal", "Arrows"), arrows ? QStringLiteral("True") : QStringLiteral("False"));
    }

private slots:
    void init() {
        presenter_ = std::make_unique<test::RecordingPresenter>();
        pause_ = std::make_unique<test::FastPause>();
        programEnds_ = 0;
        SetEndProgramHook([this] { ++programEnds_; });
        TheShoe().ShoeInPlay = false;
        TheShoe().EndOfShoe = false;
        Settings().StatisticsShown = false;
        settings_.reset(); // before the next one is made: its end clears the path
        settings_ = std::make_unique<test::TempSettings>(SettingsText());
    }
    void cleanup() {
        Destroy();
        CloseStatistics();
        TheCardsDealtWindows().CloseWindows();
        SetEndProgramHook({});
        settings_.reset();
        pause_.reset();
        presenter_.reset();
    }

    void menusCarryEveryItemInOrder() {
        QVERIFY(Open());
        QCOMPARE(window_->windowTitle(), QStringLiteral("Quorrel Baccarat"));
        QStringList menus;
        for (QAction* action : window_->menuBar()->actions()) {
            menus << action->objectName() + QLatin1Char('=') + action->text();
        }
        QCOMPARE(menus,
                 QStringList({"mnuFile=&File", "mnuCardOptions=&Card Options",
                              "mnuMarkingOptions=&Marking Options", "mnuShoeSize=&Shoe Size",
                              "mnuDealing=&Dealing", "mnuOptions=&Options", "mnuWeb=&Web", "mnuHelp=&Help"}));
        auto items = [this](const char* menu) {
            QStringList list;
            for (QAction* action : window_->findChild<QMenu*>(QLatin1String(menu))->actions()) {
                list << action->objectName() + QLatin1Char('=') +
                            (action->isSeparator() ? "-" : action->text());
            }
            return list;
        };
        QCOMPARE(items("mnuFile"), QStringList({"mnuExit=E&xit"}));
        QCOMPARE(items("mnuCardOptions"),
                 QStringList({"mnuCardFaceUpDown=Cards Face &Up", "mnuShowCardValues=Show Card &Values",
                              "mnuShowCardsDealt=Show Cards &Dealt",
                              "mnuShowCardsDealtCount=Show Cards Dealt &Count"}));
        QCOMPARE(items("mnuMarkingOptions"),
                 QStringList({"mnuShowScore=Show &Score", "mnuShowNaturals=Show &Naturals",
                              "mnuPlayerBlue=&Player Blue"}));
        QCOMPARE(items("mnuShoeSize"),
                 QStringList({"mnuShoeSizeDecks(0)=&1 Deck", "mnuShoeSizeDecks(1)=&2 Decks",
                              "mnuShoeSizeDecks(2)=&4 Decks", "mnuShoeSizeDecks(3)=&6 Decks",
                              "mnuShoeSizeDecks(4)=&8 Decks"}));
        QCOMPARE(items("mnuDealing"),
                 QStringList({"mnuDealDelay=&Delay When Face Up", "mnuDealAnimation=&Animation"}));
        QCOMPARE(
            items("mnuOptions"),
            QStringList({"mnuLargeButtons=&Large Buttons", "mnuSep1=-", "mnuArrows=&Arrows to reveal cards",
                         "mnuHands=&Hands to reveal cards", "mnuSep3=-", "mnuStatistics=&Statistics"}));
        QCOMPARE(items("mnuWeb"), QStringList({"mnuDravenholt=&Dravenholt"}));
        QCOMPARE(items("mnuHelp"), QStringList({"mnuContents=&Contents and Index", "mnuSep2=-",
                                                "mnuAbout=&About Quorrel Baccarat"}));
    }

    void toolbarsCarryTheSameButtons() {
        QVERIFY(Open());
        const QStringList expected = {"CardFaceUp|Cards dealt face up if pressed",
                                      "CardValues|Card values shown when revealing card face",
                                      "CardsDealt|Show list of all cards dealt",
                                      "CardsDealtCount|Show count of all cards dealt",
                                      "|",
                                      "ShowScore|Show Score when pressed otherwise units bet",
                                      "ShowNaturals|Show Naturals as ovals on mark card",
                                      "PlayerBlue|Player is blue when pressed down",
                                      "|",
                                      "Decks1|1 Deck of cards per shoe",
                                      "Decks2|2 Decks of cards per shoe",
                                      "Decks4|4 Decks of cards per shoe",
                                      "Decks6|6 Decks of cards per shoe",
                                      "Decks8|8 Decks of cards per shoe",
                                      "|",
                                      "Delay|Delay between showing cards when face up",
                                      "Animation|Animation",
                                      "|",
                                      "RevealArrows|Use arrows to reveal cards",
                                      "RevealHands|Use hands to reveal cards",
                                      "|",
                                      "Statistics|Show Player Statistics"};
        for (const char* name : {"tlbrMDIForm1", "tlbrMDIForm2"}) {
            auto* toolbar = window_->findChild<QToolBar*>(QLatin1String(name));
            QVERIFY(toolbar);
            QStringList buttons;
            for (QAction* action : toolbar->actions()) {
                buttons << (action->isSeparator()
                                ? QStringLiteral("|")
                                : action->objectName() + QLatin1Char('|') + action->toolTip());
                if (!action->isSeparator()) {
                    QVERIFY(action->isCheckable());
                    QVERIFY(!action->icon().isNull());
                    QVERIFY(!action->icon().pixmap(QSize(24, 24)).toImage().isNull());
                }
            }
            QCOMPARE(buttons, expected);
        }
        QCOMPARE(window_->findChild<QToolBar*>("tlbrMDIForm1")->iconSize(), QSize(24, 24));
        QCOMPARE(window_->findChild<QToolBar*>("tlbrMDIForm2")->iconSize(), QSize(16, 16));
        QCOMPARE(window_->ActiveToolbar()->objectName(), QStringLiteral("tlbrMDIForm1"));
        QVERIFY(window_->findChild<QToolBar*>("tlbrMDIForm1")->isVisible());
        QVERIFY(!window_->findChild<QToolBar*>("tlbrMDIForm2")->isVisible());
        // The background is a picture, not a flat colour.
        QCOMPARE(window_->ClientArea()->background().style(), Qt::TexturePattern);
        QVERIFY(TheTable() && TheTable()->isVisible());
    }

    // Each option changed from the menu, the large toolbar and the small toolbar stays in step
    // everywhere, and comes back after a restart on the same file.
    void optionsStayInStepAndSurviveRestart() {
        QVERIFY(Open());
        for (const OptionCase& option : OptionCases) {
            ExpectOption(option, true, QStringLiteral("loaded"));
            window_->MenuItem(QLatin1String(option.menu))->trigger();
            ExpectOption(option, false, QStringLiteral("menu"));
            window_->ToolbarButton(QLatin1String(option.key))->trigger();
            ExpectOption(option, true, QStringLiteral("large button"));
            window_->ToolbarButton(QLatin1String(option.key))->trigger();
            ExpectOption(option, false, QStringLiteral("large button again"));
        }
        QCOMPARE(presenter_->Count(), 0); // no shoe running: Player Blue asks nothing
        Restart();
        for (const OptionCase& option : OptionCases) {
            ExpectOption(option, false, QStringLiteral("after restart"));
        }
        window_->mnuLargeButtons_Click();
        QCOMPARE(window_->ActiveToolbar()->objectName(), QStringLiteral("tlbrMDIForm2"));
        QCOMPARE(Stored("Options", "Large Buttons"), QStringLiteral("False"));
        for (const OptionCase& option : OptionCases) {
            ExpectOption(option, false, QStringLiteral("small toolbar"));
            window_->ToolbarButton(QLatin1String(option.key))->trigger();
            ExpectOption(option, true, QStringLiteral("small button"));
        }
        Restart();
        QCOMPARE(window_->ActiveToolbar()->objectName(), QStringLiteral("tlbrMDIForm2"));
        QVERIFY(!window_->MenuItem(QStringLiteral("mnuLargeButtons"))->isChecked());
        for (const OptionCase& option : OptionCases) {
            ExpectOption(option, true, QStringLiteral("small toolbar after restart"));
        }
    }

    void cardsDealtOptionsShowAndHideTheirWindows() {
        QVERIFY(Open());
        QVERIFY(TheCardsDealtWindows().ListWindow());
        QVERIFY(TheCardsDealtWindows().CountWindow());
        window_->MenuItem(QStringLiteral("mnuShowCardsDealt"))->trigger();
        QVERIFY(!TheCardsDealtWindows().ListWindow() || !TheCardsDealtWindows().ListWindow()->isVisible());
        window_->ToolbarButton(QStringLiteral("CardsDealtCount"))->trigger();
        QVERIFY(!TheCardsDealtWindows().CountWindow() || !TheCardsDealtWindows().CountWindow()->isVisible());
        window_->ToolbarButton(QStringLiteral("CardsDealt"))->trigger();
        QVERIFY(TheCardsDealtWindows().ListWindow() && TheCardsDealtWindows().ListWindow()->isVisible());
    }

    // Switching toolbars keeps every option, the pressed deck size and the reveal mode.
    void switchingToolbarsKeepsEverything() {
        QVERIFY(Open());
        window_->MenuItem(QStringLiteral("mnuShowScore"))->trigger();
        window_->MenuItem(QStringLiteral("mnuDealDelay"))->trigger();
        window_->ToolbarButton(QStringLiteral("Decks4"))->trigger();
        window_->ToolbarButton(QStringLiteral("RevealHands"))->trigger();
        ExpectDecks(4, 2);
        ExpectReveal(false);
        for (int round = 0; round < 2; ++round) {
            window_->MenuItem(QStringLiteral("mnuLargeButtons"))->trigger();
            QTRY_VERIFY(!window_->Timer1()->isActive());
            QCOMPARE(window_->ActiveToolbar()->objectName(),
                     round == 0 ? QStringLiteral("tlbrMDIForm2") : QStringLiteral("tlbrMDIForm1"));
            QVERIFY(window_->ActiveToolbar()->isVisible());
            for (const OptionCase& option : OptionCases) {
                const bool off = QLatin1String(option.key) == QLatin1String("ShowScore") ||
                                 QLatin1String(option.key) == QLatin1String("Delay");
                ExpectOption(option, !off, QStringLiteral("switched"));
            }
            ExpectDecks(4, 2);
            QCOMPARE(window_->PressedDeckButton(), window_->ToolbarButton(QStringLiteral("Decks4")));
            ExpectReveal(false);
        }
    }

    // The shoe-size button and the reveal mode wait for one tick of the one-shot timer.
    void revealModeAndDeckButtonOneTickLater() {
        QByteArray text = SettingsText();
        text.replace("Arrows=True", "Arrows=False");
        settings_.reset();
        settings_ = std::make_unique<test::TempSettings>(text);
        auto* window = new MainWindow;
        window_ = window;
        QVERIFY(!window->Timer1()->isActive());
        QVERIFY(window->MDIForm_Load());
        QVERIFY(window->Timer1()->isActive());
        QVERIFY(window->Timer1()->isSingleShot());
        QCOMPARE(window->Timer1()->interval(), 1);
        QVERIFY(!window->MenuItem(QStringLiteral("mnuHands"))->isChecked());
        QTRY_VERIFY(!window->Timer1()->isActive());
        ExpectReveal(false);
        ExpectDecks(8, 4);
    }

    void shoeSizeWarningWithCancelAndOk() {
        QVERIFY(Open());
        ExpectDecks(8, 4);
        TheShoe().ShoeInPlay = true;
        TheShoe().EndOfShoe = false;

        presenter_->QueueAnswer(MsgResult::Cancel);
        window_->ToolbarButton(QStringLiteral("Decks6"))->trigger();
        QCOMPARE(presenter_->Count(), 1);
        const MessageRequest asked = presenter_->Last();
        QCOMPARE(asked.Text, QStringLiteral("Note! change effective only after end of shoe"));
        QCOMPARE(asked.Icon, MsgIcon::Exclamation);
        QCOMPARE(asked.Buttons, MsgButtons::OkCancel);
        QCOMPARE(asked.Caption, QStringLiteral("Quorrel Baccarat"));
        ExpectDecks(8, 4);
        QCOMPARE(Stored("Shoe Size", "Decks"), QStringLiteral(" 8"));

        presenter_->QueueAnswer(MsgResult::Cancel);
        window_->MenuItem(QStringLiteral("mnuShoeSizeDecks(1)"))->trigger();
        QCOMPARE(presenter_->Count(), 2);
        ExpectDecks(8, 4);

        presenter_->QueueAnswer(MsgResult::Ok);
        window_->MenuItem(QStringLiteral("mnuShoeSizeDecks(3)"))->trigger();
        ExpectDecks(6, 3);
        QCOMPARE(Stored("Shoe Size", "Decks"), QStringLiteral(" 6"));

        presenter_->QueueAnswer(MsgResult::Ok);
        window_->ToolbarButton(QStringLiteral("Decks1"))->trigger();
        ExpectDecks(1, 0);
        QCOMPARE(Stored("Shoe Size", "Decks"), QStringLiteral(" 1"));
        QCOMPARE(presenter_->Count(), 4);

        // At the end of the shoe nothing is asked.
        TheShoe().EndOfShoe = true;
        window_->ToolbarButton(QStringLiteral("Decks2"))->trigger();
        ExpectDecks(2, 1);
        QCOMPARE(presenter_->Count(), 4);
    }

    void playerBlueWarningWithCancel() {
        QVERIFY(Open());
        TheShoe().ShoeInPlay = true;
        TheShoe().EndOfShoe = false;
        presenter_->QueueAnswer(MsgResult::Cancel);
        window_->MenuItem(QStringLiteral("mnuPlayerBlue"))->trigger();
        presenter_->QueueAnswer(MsgResult::Cancel);
        window_->ToolbarButton(QStringLiteral("PlayerBlue"))->trigger();
        QCOMPARE(presenter_->Texts(),
                 QStringList(2, QStringLiteral("Note! change effective only after end of shoe")));
        ExpectOption(OptionCases[6], true, QStringLiteral("cancelled"));
        presenter_->QueueAnswer(MsgResult::Ok);
        window_->ToolbarButton(QStringLiteral("PlayerBlue"))->trigger();
        ExpectOption(OptionCases[6], false, QStringLiteral("confirmed"));
    }

    void shoeSizeFromTheFile_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("decks");
        QTest::addColumn<int>("menuIndex");
        QTest::newRow("2") << QByteArray("Decks= 2\n") << 2 << 1;
        QTest::newRow("6") << QByteArray("Decks= 6\n") << 6 << 3;
        QTest::newRow("3 is kept but not shown") << QByteArray("Decks= 3\n") << 3 << -1;
        QTest::newRow("7 is kept but not shown") << QByteArray("Decks=7\n") << 7 << -1;
        QTest::newRow("text") << QByteArray("Decks=abc\n") << 8 << 4;
        QTest::newRow("0") << QByteArray("Decks= 0\n") << 8 << 4;
        QTest::newRow("9") << QByteArray("Decks= 9\n") << 8 << 4;
        QTest::newRow("negative") << QByteArray("Decks=-4\n") << 8 << 4;
        QTest::newRow("missing") << QByteArray() << 8 << 4;
    }
    void shoeSizeFromTheFile() {
        QFETCH(QByteArray, stored);
        QFETCH(int, decks);
        QFETCH(int, menuIndex);
        QByteArray text = SettingsText();
        text.replace("[Shoe Size]\nDecks= 8\n", "[Shoe Size]\n" + stored);
        settings_.reset(); // before the next one is made: its end clears the path
        settings_ = std::make_unique<test::TempSettings>(text);
        QVERIFY(Open());
        ExpectDecks(decks, menuIndex);
        QCOMPARE(window_->PressedDeckButton() != nullptr, menuIndex >= 0);
        // A 3-deck shoe is what the next shuffle builds.
        if (decks == 3) {
            TheShoe().NewShoe();
            QCOMPARE(TheShoe().LastCardIndex, 3 * 52 - 1);
        }
    }

    void lowerCaseFalseReadsAsOn() {
        QByteArray text = SettingsText();
        text.replace("Large Buttons=True", "Large Buttons=false");
        text.replace("Card Face Up=True", "Card Face Up=false");
        text.replace("Arrows=True", "Arrows=FALSE");
        settings_.reset(); // before the next one is made: its end clears the path
        settings_ = std::make_unique<test::TempSettings>(text);
        QVERIFY(Open());
        QCOMPARE(window_->ActiveToolbar()->objectName(), QStringLiteral("tlbrMDIForm1"));
        QVERIFY(window_->MenuItem(QStringLiteral("mnuLargeButtons"))->isChecked());
        QVERIFY(Settings().CardFaceUp);
        QVERIFY(window_->ToolbarButton(QStringLiteral("CardFaceUp"))->isChecked());
        QVERIFY(Settings().RevealArrows);
        QVERIFY(window_->MenuItem(QStringLiteral("mnuArrows"))->isChecked());
    }

    void missingOptionsReadAsOn() {
        settings_.reset(); // before the next one is made: its end clears the path
        settings_ = std::make_unique<test::TempSettings>(QByteArray("[Player1Stats]\nSteak= 10\n"));
        QVERIFY(Open());
        for (const OptionCase& option : OptionCases) {
            QVERIFY2(Settings().*option.flag, option.key);
            QVERIFY(window_->ToolbarButton(QLatin1String(option.key))->isChecked());
        }
        ExpectDecks(8, 4);
        QVERIFY(Settings().RevealArrows);
        // No stored size: the window opens at its design size, not at no size.
        QCOMPARE(window_->size(), MainWindow::DesignSize());
    }

    // Every one of the four reveal controls switches to the other mode.
    void revealModeSwitches() {
        QVERIFY(Open());
        ExpectReveal(true);
        window_->MenuItem(QStringLiteral("mnuArrows"))->trigger();
        ExpectReveal(false);
        window_->MenuItem(QStringLiteral("mnuHands"))->trigger();
        ExpectReveal(true);
        window_->ToolbarButton(QStringLiteral("RevealArrows"))->trigger();
        ExpectReveal(false);
        window_->ToolbarButton(QStringLiteral("RevealHands"))->trigger();
        ExpectReveal(true);
        window_->ToolbarButton(QStringLiteral("RevealHands"))->trigger();
        ExpectReveal(false);
        Restart();
        ExpectReveal(false);
    }

    void statisticsOpensAndCloses() {
        QVERIFY(Open());
        QVERIFY(!TheStatistics());
        window_->MenuItem(QStringLiteral("mnuStatistics"))->trigger();
        QVERIFY(TheStatistics());
        QVERIFY(Settings().StatisticsShown);
        QVERIFY(window_->ToolbarButton(QStringLiteral("Statistics"))->isChecked());
        window_->ToolbarButton(QStringLiteral("Statistics"))->trigger();
        QTRY_VERIFY(!TheStatistics());
        QVERIFY(!Settings().StatisticsShown);
        QVERIFY(!window_->MenuItem(QStringLiteral("mnuStatistics"))->isChecked());
    }

    void aboutBoxTexts() {
        QVERIFY(Open());
        window_->MenuItem(QStringLiteral("mnuAbout"))->trigger();
        AboutBox* about = TheAboutBox();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quorrel Baccarat"));
        QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 2.1"));
        QCOMPARE(about->findChild<QLabel*>("lblDescription")->text(),
                 QStringLiteral(
                     "Improve your Betting Strategy and Money Management by using the marking card to "
                     "practise the trend spotting skills that are necessary for successful baccarat. At "
                     "the same time have some fun revealing the face of the cards as done in the casinos. "
                     "PLease spend some time reading the HELP screens for the many other features of "
                     "Quorrel Baccarat."));
        QVERIFY(!about->findChild<QLabel*>("Image1")->pixmap().isNull());
        auto* ok = about->findChild<QPushButton*>("cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        ok->click();
        QTRY_VERIFY(!TheAboutBox());
    }

    void webMenuOpensTheMakersSite() {
        QVERIFY(Open());
        QStringList opened;
        int answer = 42;
        SetUrlOpener([&](const QString& address) {
            opened << address;
            return answer;
        });
        window_->MenuItem(QStringLiteral("mnuDravenholt"))->trigger();
        QCOMPARE(opened, QStringList({MakerWebSite}));
        QCOMPARE(presenter_->Count(), 0);
        answer = 5; // the browser could not be started
        window_->MenuItem(QStringLiteral("mnuDravenholt"))->trigger();
        QCOMPARE(presenter_->Count(), 1);
        QCOMPARE(presenter_->Last().Text,
                 QStringLiteral("Error attempting to start web browser.  Return Code: 5"));
        QCOMPARE(presenter_->Last().Caption, QStringLiteral("Quorrel Baccarat"));
        SetUrlOpener({});
    }

    void helpMenuOpensTheContents() {
        QFile help(QFileInfo(settings_->Path()).dir().filePath(QStringLiteral("BACCARAT.HLP")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.write("<html><body><h1><a name=\"contents\">Contents</a></h1>"
                   "<h2><a name=\"start-screen\">Start</a></h2></body></html>");
        help.close();
        QVERIFY(Open());
        window_->MenuItem(QStringLiteral("mnuContents"))->trigger();
        QVERIFY(HelpBrowser());
        QCOMPARE(HelpBrowser()->source().fragment(), QStringLiteral("contents"));
        QCOMPARE(presenter_->Count(), 0);
        HelpBrowser()->window()->close();
    }

    void exitDuringADealIsRefused() {
        QVERIFY(Open());
        QVERIFY(TheTable());
        TheTable()->DealInProgress = true;
        window_->MenuItem(QStringLiteral("mnuExit"))->trigger();
        QCOMPARE(presenter_->Texts(), QStringList({QStringLiteral("Must wait for deal to end.")}));
        QCOMPARE(programEnds_, 0);
        QVERIFY(window_);
        QVERIFY(window_->isVisible());
        QVERIFY(TheTable() && TheTable()->isVisible());
        // The cards-dealt windows were left alone too.
        QVERIFY(TheCardsDealtWindows().ListWindow());
        // The close box is refused in the same way.
        window_->close();
        QVERIFY(window_ && window_->isVisible());
        QCOMPARE(presenter_->Count(), 2);
        TheTable()->DealInProgress = false;
    }

    void exitSavesEveryPosition() {
        QVERIFY(Open());
        window_->move(30, 40);
        window_->resize(900, 650);
        window_->MenuItem(QStringLiteral("mnuStatistics"))->trigger();
        QVERIFY(TheStatistics());
        TheStatistics()->Frame()->move(120, 200);
        TheTable()->Frame()->move(15, 25);
        const QPoint main = window_->pos();
        window_->MenuItem(QStringLiteral("mnuExit"))->trigger();
        QCOMPARE(programEnds_, 1);
        QCOMPARE(Stored("MDIForm1", "Top"), QString::number(main.y() * 15).prepend(' '));
        QCOMPARE(Stored("MDIForm1", "Left"), QString::number(main.x() * 15).prepend(' '));
        QCOMPARE(Stored("MDIForm1", "Height"), QStringLiteral(" 9750"));
        QCOMPARE(Stored("MDIForm1", "Width"), QStringLiteral(" 13500"));
        QCOMPARE(Stored("frmBaccTable", "Top"), QStringLiteral(" 375"));
        QCOMPARE(Stored("frmBaccTable", "Left"), QStringLiteral(" 225"));
        QCOMPARE(Stored("frmStatistics", "Top"), QStringLiteral(" 3000"));
        QCOMPARE(Stored("frmStatistics", "Left"), QStringLiteral(" 1800"));
        QVERIFY(Stored("frmCardsDealt", "Top") != QStringLiteral("No"));
        QVERIFY(Stored("frmCardsDealtCount", "Left") != QStringLiteral("No"));
        QTRY_VERIFY(!window_);
        QVERIFY(!TheTable());
        QVERIFY(!TheStatistics());
        // Re-opened, the main window stands where it was left.
        QVERIFY(Open());
        QCOMPARE(window_->size(), QSize(900, 650));
        QCOMPARE(window_->pos(), main);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
