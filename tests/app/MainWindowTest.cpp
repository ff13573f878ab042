#include "MainWindow.h"

#include "CardsDealtWindow.h"
#include "CoachWindow.h"
#include "FastPause.h"
#include "HelpViewer.h"
#include "IniFile.h"
#include "Marking.h"
#include "MarkingCardWindow.h"
#include "MaskedEdit.h"
#include "Options.h"
#include "ProgramEnd.h"
#include "RecordingPresenter.h"
#include "RoadsWindow.h"
#include "Shoe.h"
#include "ShoeOddsWindow.h"
#include "StatisticsWindow.h"
#include "StrategyLabWindow.h"
#include "TableWindow.h"
#include "TempSettings.h"
#include "Twips.h"

#include <memory>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace bacc;

namespace {

// Every on/off option as users and the settings file know it: toolbar key, menu item, section, key, flag.
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

// A complete settings file with every option on, 8 decks, arrows, large buttons, and the given window
// places.
const QByteArray
    Places("[MDIForm1]\nTop= 0\nLeft= 0\nHeight= 12000\nWidth= 16500\n[frmBaccTable]\nTop= 0\nLeft= 0\n");
QByteArray SettingsText(const QByteArray& places = Places) {
    return "[Options]\nLarge Buttons=True\n[Card Options]\nCard Face Up=True\nShow Card Values=True\n"
           "Show Cards Dealt=True\nShow Cards Dealt Count=True\n[Marking Options]\nShow Score=True\n"
           "Show Naturals=True\n[Player Blue]\nPlayerBlue=True\n[Shoe Size]\nDecks= 8\n[Deal]\nDelay=True\n"
           "Animation=True\n[Reveal]\nArrows=True\n[Player1Stats]\nSteak= 1000\n[Player2Stats]\nSteak= "
           "1000\n" +
           places;
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

    void UseSettings(const QByteArray& text) {
        settings_.reset(); // before the next one is made: its end clears the path
        settings_ = std::make_unique<test::TempSettings>(text);
    }
    // A main window loaded from the current settings file, with its timer tick done.
    MainWindow* Open() {
        window_ = new MainWindow;
        // The shoe-size button and the reveal mode are set one timer tick later.
        const auto ticked = [this] { return !window_->Timer1()->isActive(); };
        return window_->MDIForm_Load() && QTest::qWaitFor(ticked, 2000) ? window_.data() : nullptr;
    }
    // Gone without its closing steps, as if the program had been stopped; the file keeps its values.
    void Destroy() {
        if (TableWindow* table = TheTable()) {
            table->DealInProgress = false;
        }
        delete window_;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QAction* Item(const char* name) const { return window_->MenuItem(QLatin1String(name)); }
    QAction* Button(const char* key) const { return window_->ToolbarButton(QLatin1String(key)); }
    void ExpectOption(const OptionCase& option, bool on, const QString& where) {
        const QString context = where + QStringLiteral(" / ") + QLatin1String(option.key);
        QVERIFY2(Settings().*option.flag == on, qPrintable(context));
        QVERIFY2(Item(option.menu)->isChecked() == on, qPrintable(context));
        QVERIFY2(Button(option.key)->isChecked() == on, qPrintable(context));
        QCOMPARE(Stored(option.section, option.settingKey),
                 on ? QStringLiteral("True") : QStringLiteral("False"));
    }
    void ExpectDecks(int decks, int menuIndex) {
        QCOMPARE(TheShoe().DeckCount, decks);
        const int sizes[] = {1, 2, 4, 6, 8};
        for (int index = 0; index < 5; ++index) {
            QCOMPARE(window_->MenuItem(QStringLiteral("mnuShoeSizeDecks(%1)").arg(index))->isChecked(),
                     index == menuIndex);
            QCOMPARE(window_->ToolbarButton(QStringLiteral("Decks%1").arg(sizes[index]))->isChecked(),
                     index == menuIndex);
        }
    }
    void ExpectReveal(bool arrows) {
        QCOMPARE(Settings().RevealArrows, arrows);
        QVERIFY(Item("mnuArrows")->isChecked() == arrows && Item("mnuHands")->isChecked() == !arrows);
        QVERIFY(Button("RevealArrows")->isChecked() == arrows &&
                Button("RevealHands")->isChecked() == !arrows);
        QCOMPARE(Stored("Reveal", "Arrows"), arrows ? QStringLiteral("True") : QStringLiteral("False"));
    }
    void ExpectStatistics(bool shown) {
        QCOMPARE(Settings().StatisticsShown, shown);
        QCOMPARE(Item("mnuStatistics")->isChecked(), shown);
        QCOMPARE(Button("Statistics")->isChecked(), shown);
        QCOMPARE(TheStatistics() != nullptr, shown);
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
        UseSettings(SettingsText());
    }
    void cleanup() {
        Destroy();
        CloseStatistics();
        TheCardsDealtWindows().CloseWindows();
        if (MarkingCardWindow* card = TheMarkCard()) {
            card->Frame()->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetEndProgramHook({});
        settings_.reset();
        pause_.reset();
        presenter_.reset();
    }

    // Users know every menu, item and caption, and every button and tool tip, by heart.
    void menusAndToolbarsAsUsersKnowThem() {
        QVERIFY(Open());
        QStringList menus;
        for (QAction* menu : window_->menuBar()->actions()) {
            menus << menu->objectName() + QLatin1Char('=') + menu->text() + QLatin1Char(':');
            for (QAction* item : menu->menu()->actions()) {
                menus << item->objectName() + QLatin1Char('=') + (item->isSeparator() ? "-" : item->text());
            }
        }
        QCOMPARE(menus.join(QLatin1Char(' ')),
                 QStringLiteral(
                     "mnuFile=&File: mnuShuffle=&Shuffle mnuDeal=&Deal mnuSep4=- mnuExit=E&xit "
                     "mnuCardOptions=&Card Options: mnuCardFaceUpDown=Cards Face &Up "
                     "mnuShowCardValues=Show Card &Values mnuShowCardsDealt=Show Cards &Dealt "
                     "mnuShowCardsDealtCount=Show Cards Dealt &Count "
                     "mnuMarkingOptions=&Marking Options: mnuShowScore=Show &Score "
                     "mnuShowNaturals=Show &Naturals mnuPlayerBlue=&Player Blue "
                     "mnuShoeSize=&Shoe Size: mnuShoeSizeDecks(0)=&1 Deck mnuShoeSizeDecks(1)=&2 Decks "
                     "mnuShoeSizeDecks(2)=&4 Decks mnuShoeSizeDecks(3)=&6 Decks mnuShoeSizeDecks(4)=&8 Decks "
                     "mnuDealing=&Dealing: mnuDealDelay=&Delay When Face Up mnuDealAnimation=&Animation "
                     "mnuOptions=&Options: mnuLargeButtons=&Large Buttons mnuSep1=- "
                     "mnuArrows=&Arrows to reveal cards mnuHands=&Hands to reveal cards mnuSep3=- "
                     "mnuStatistics=&Statistics "
                     "mnuWeb=&Web: mnuDravenholt=&Dravenholt "
                     "mnuTrainer=&Trainer: mnuStrategyLab=&Strategy Lab mnuShoeOdds=Shoe &Odds "
                     "mnuRoads=&Roads mnuCoach=&Coach "
                     "mnuWindow=&Window: mnuWindowTable=Table mnuWindowMarkCard=Marking Card "
                     "mnuWindowCardsDealt=Cards Dealt mnuWindowCardsDealtCount=Cards Dealt Count "
                     "mnuWindowStatistics=Statistics mnuWindowStrategyLab=Strategy Lab "
                     "mnuWindowShoeOdds=Shoe Odds mnuWindowRoads=Roads mnuWindowCoach=Coach "
                     "mnuHelp=&Help: mnuContents=&Contents and Index mnuSep2=- "
                     "mnuAbout=&About Quorrel Baccarat"));
        // Both toolbars: the buttons in menu order, a gap where the menu changes or has a separator.
        for (const char* name : {"tlbrMDIForm1", "tlbrMDIForm2"}) {
            QStringList buttons;
            for (QAction* action : window_->findChild<QToolBar*>(QLatin1String(name))->actions()) {
                buttons << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
                QVERIFY(action->isSeparator() || (action->isCheckable() && !action->toolTip().isEmpty()));
            }
            QCOMPARE(
                buttons.join(QLatin1Char(' ')),
                QStringLiteral("CardFaceUp CardValues CardsDealt CardsDealtCount | ShowScore ShowNaturals "
                               "PlayerBlue | Decks1 Decks2 Decks4 Decks6 Decks8 | Delay Animation | "
                               "RevealArrows RevealHands | Statistics"));
        }
        QVERIFY(!window_->findChild<QToolBar*>("tlbrMDIForm2")->isVisible());
    }

    // The keys of a desktop card game: Ctrl+N or F2 shuffles (asked about in mid-shoe) and Ctrl+D deals,
    // each as a click on the table's button does and only while that button can be pressed; the menus show
    // them. F1 opens the help at the topic of the active window.
    void keysOfACardGame() {
        UseSettings(SettingsText().replace("Decks= 8", "Decks= 1"));
        QVERIFY(Open());
        QVERIFY(QTest::qWaitForWindowActive(window_));
        const auto press = [](QKeyCombination key) {
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        };
        TableWindow* table = TheTable();
        const int& hands = TheMarking().HandNumber;
        press(Qt::CTRL | Qt::Key_D); // Deal is greyed before the first shoe
        QVERIFY(!TheShoe().ShoeInPlay);
        press(Qt::Key_F2);
        QVERIFY(TheShoe().ShoeInPlay && table->duokkortos->hasFocus());
        // A bet box refusing what was typed stops the deal, as it stops a click on Deal.
        table->BetBox(BetSpot::Banker, 0)->setFocus();
        QTest::keyClicks(table->BetBox(BetSpot::Banker, 0), "150");
        press(Qt::CTRL | Qt::Key_D);
        QCOMPARE(presenter_->Texts(), QStringList({"Banker bet must be 0 to 100",
                                                   "Sorry, not enough money for the bet placed. You must add "
                                                   "more steak money using the Statistics screen."}));
        table->BetBox(BetSpot::Banker, 0)->SetDigits("2");
        press(Qt::CTRL | Qt::Key_D);
        QCOMPARE(hands, 1);
        presenter_->QueueAnswer(MsgResult::Cancel);
        press(Qt::CTRL | Qt::Key_N);
        QCOMPARE(presenter_->Texts().last(), QStringLiteral("Not at end of the shoe!"));
        QCOMPARE(hands, 1);
        // The rest of the one-deck shoe at once; at its end only Shuffle is left.
        table->HandsAtaTime->SetDigits("90");
        press(Qt::CTRL | Qt::Key_D);
        QVERIFY(TheShoe().EndOfShoe && presenter_->Texts().last().endsWith(" hands have just been dealt"));
        const int dealt = hands;
        press(Qt::CTRL | Qt::Key_D);
        QCOMPARE(hands, dealt);
        QCOMPARE(Item("mnuShuffle")->shortcuts(),
                 QList<QKeySequence>({QKeySequence("Ctrl+N"), QKeySequence("F2")}));
        QCOMPARE(Item("mnuDeal")->shortcut(), QKeySequence("Ctrl+D"));
        QCOMPARE(Item("mnuContents")->shortcut(), QKeySequence("F1"));
        press(Qt::CTRL | Qt::Key_N);
        QCOMPARE(hands, 0);
        QCOMPARE(presenter_->Count(), 4);

        QVERIFY(QFile::copy(QFileInfo(test::ShippedIniPath()).dir().filePath("BACCARAT.HLP"), HelpPath()));
        for (const auto& [window, topic] : {std::pair<ChildWindow*, QString>{TheMarkCard(), "marking-card"},
                                            {table, "table"},
                                            {nullptr, "contents"}}) {
            window_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window_));
            if (window) {
                window->BringToFront();
            } else {
                window_->ClientArea()->setActiveSubWindow(nullptr);
            }
            QTest::keyClick(window_, Qt::Key_F1);
            QVERIFY(HelpBrowser());
            QCOMPARE(HelpBrowser()->source().fragment(), topic);
        }
        HelpBrowser()->window()->close();
    }

    // Each option, the shoe size and the reveal mode, changed from the menu and from the buttons of both
    // toolbars, stays in step everywhere, through a change of toolbar, and comes back after a restart.
    void optionsStayInStepAndSurviveRestart() {
        // A size the menu has no item for is kept for the next shuffle.
        UseSettings(SettingsText().replace("Decks= 8", "Decks= 3"));
        QVERIFY(Open());
        ExpectDecks(3, -1);
        TheShoe().NewShoe();
        QCOMPARE(TheShoe().LastCardIndex, 3 * 52 - 1);
        for (const OptionCase& option : OptionCases) {
            ExpectOption(option, true, QStringLiteral("loaded"));
            Item(option.menu)->trigger();
            ExpectOption(option, false, QStringLiteral("menu"));
            Button(option.key)->trigger();
            ExpectOption(option, true, QStringLiteral("large button"));
        }
        QCOMPARE(presenter_->Count(), 0); // no shoe running: Player Blue asks nothing
        Button("Decks4")->trigger();
        bool arrows = true; // each of the four reveal controls switches to the other mode
        for (QAction* control : {Item("mnuArrows"), Item("mnuHands"), Button("RevealArrows"),
                                 Button("RevealHands"), Button("RevealHands")}) {
            ExpectReveal(arrows);
            control->trigger();
            arrows = !arrows;
        }
        Item("mnuLargeButtons")->trigger();
        QTRY_VERIFY(!window_->Timer1()->isActive());
        QCOMPARE(window_->ActiveToolbar()->objectName(), QStringLiteral("tlbrMDIForm2"));
        ExpectDecks(4, 2);
        ExpectReveal(false);
        for (const OptionCase& option : OptionCases) {
            ExpectOption(option, true, QStringLiteral("small toolbar"));
            Button(option.key)->trigger();
            ExpectOption(option, false, QStringLiteral("small button"));
        }
        Destroy();
        QVERIFY(Open());
        QCOMPARE(window_->ActiveToolbar()->objectName(), QStringLiteral("tlbrMDIForm2"));
        QVERIFY(!Item("mnuLargeButtons")->isChecked());
        for (const OptionCase& option : OptionCases) {
            ExpectOption(option, false, QStringLiteral("small toolbar after restart"));
        }
        ExpectDecks(4, 2);
        ExpectReveal(false);
    }

    // In a running shoe a new shoe size or Player colour is asked about first; Cancel keeps the old one.
    void changesInARunningShoeAreAskedAbout() {
        QVERIFY(Open());
        TheShoe().ShoeInPlay = true;
        TheShoe().EndOfShoe = false;
        for (MsgResult answer : {MsgResult::Cancel, MsgResult::Ok}) {
            for (QAction* control : {Button("Decks6"), Item("mnuShoeSizeDecks(1)"), Item("mnuPlayerBlue")}) {
                presenter_->QueueAnswer(answer);
                control->trigger();
            }
            if (answer == MsgResult::Cancel) {
                ExpectDecks(8, 4);
                QVERIFY(Settings().PlayerBlue);
            }
        }
        QCOMPARE(presenter_->Texts(), QStringList(6, "Note! change effective only after end of shoe"));
        ExpectDecks(2, 1);
        QVERIFY(!Settings().PlayerBlue);
        QCOMPARE(Stored("Shoe Size", "Decks"), QStringLiteral(" 2"));
        TheShoe().EndOfShoe = true; // nothing is asked at the end of the shoe
        Button("Decks1")->trigger();
        Button("Decks1")->trigger(); // the chosen size chosen again stays chosen
        ExpectDecks(1, 0);
        QCOMPARE(presenter_->Count(), 6);
    }

    // The close box of the statistics window turns the option off as choosing it again would, so the
    // next click on the option opens the window again.
    void statisticsOptionFollowsItsWindow() {
        QVERIFY(Open());
        ExpectStatistics(false);
        Button("Statistics")->trigger();
        ExpectStatistics(true);
        TheStatistics()->SubWindow()->close();
        QTRY_VERIFY(!TheStatistics());
        ExpectStatistics(false);
        Item("mnuStatistics")->trigger();
        ExpectStatistics(true);
    }

    // The Window menu brings back a window that was closed, at its stored place, in front.
    void windowMenuBringsWindowsBack_data() { // each row named by the window's settings section
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("which");
        QTest::newRow("frmBaccTable") << "mnuWindowTable" << 0;
        QTest::newRow("frmMarkCard") << "mnuWindowMarkCard" << 1;
        QTest::newRow("frmCardsDealt") << "mnuWindowCardsDealt" << 2;
        QTest::newRow("frmCardsDealtCount") << "mnuWindowCardsDealtCount" << 3;
        QTest::newRow("frmStatistics") << "mnuWindowStatistics" << 4;
        QTest::newRow("frmStrategyLab") << "mnuWindowStrategyLab" << 5;
        QTest::newRow("frmShoeOdds") << "mnuWindowShoeOdds" << 6;
        QTest::newRow("frmRoads") << "mnuWindowRoads" << 7;
        QTest::newRow("frmCoach") << "mnuWindowCoach" << 8;
    }
    void windowMenuBringsWindowsBack() {
        QFETCH(QString, item);
        QFETCH(int, which);
        ChildWindow* (*const windows[])() = {
            []() -> ChildWindow* { return TheTable(); },
            []() -> ChildWindow* { return TheMarkCard(); },
            []() -> ChildWindow* { return TheCardsDealtWindows().ListWindow(); },
            []() -> ChildWindow* { return TheCardsDealtWindows().CountWindow(); },
            []() -> ChildWindow* { return TheStatistics(); },
            []() -> ChildWindow* { return TheStrategyLab(); },
            []() -> ChildWindow* { return TheShoeOdds(); },
            []() -> ChildWindow* { return TheRoads(); },
            []() -> ChildWindow* { return TheCoach(); },
        };
        const auto& window = windows[which];
        QVERIFY(Open());
        window_->MenuItem(item)->trigger();
        QVERIFY(window() && window()->isVisible());
        window()->SubWindow()->move(45, 60);
        window()->SubWindow()->close(); // the close box
        QTRY_VERIFY(!window());
        QCOMPARE(ReadIni(QTest::currentDataTag(), QStringLiteral("Left")),
                 QStringLiteral(" 675")); // the close box
        window_->ClientArea()->setActiveSubWindow(nullptr);
        window_->MenuItem(item)->trigger();
        QVERIFY(window() && window()->isVisible());
        QCOMPARE(window()->SubWindow()->pos(), QPoint(45, 60));
        QCOMPARE(window_->ClientArea()->activeSubWindow(), window()->SubWindow());
    }

    // A main window without a stored size opens at its design size, at its stored place, and stores that
    // size (a size too small to use is refused by the same rule as a child window's: WindowFrameTest).
    void aMissingStoredSizeIsTheDesignSize() {
        UseSettings(SettingsText("[MDIForm1]\nTop= 4530\nLeft= 300\n"));
        QVERIFY(Open());
        const QSize design = MainWindow::DesignSize();
        QCOMPARE(window_->size(), design);
        QCOMPARE(window_->pos(), QPoint(20, 302));
        Item("mnuExit")->trigger();
        QCOMPARE(Stored("MDIForm1", "Top"), QStringLiteral(" 4530"));
        QCOMPARE(Stored("MDIForm1", "Height"), QString::number(Twips(design.height())).prepend(' '));
        QCOMPARE(Stored("MDIForm1", "Width"), QString::number(Twips(design.width())).prepend(' '));
    }

    // Every window the Window and Trainer menus open, at the place and size the shipped settings file
    // gives it, lies inside the client area of a 1366x768 main window, with room left for a desktop's title
    // bar, and on no other window; the strategy lab and the coach, large windows opened on demand, may
    // cover others but fit too.
    void shippedPlacesFitTheScreenSideBySide() {
        settings_.reset();
        settings_ = std::make_unique<test::TempSettings>(); // the shipped defaults
        QVERIFY(Open());
        QCOMPARE(window_->size(), QSize(1366, 768));
        for (const char* menu : {"mnuWindow", "mnuTrainer"}) {
            for (QAction* item : window_->findChild<QMenu*>(QLatin1String(menu))->actions()) {
                if (!item->isSeparator()) {
                    item->trigger();
                }
            }
        }
        constexpr int TitleBarRoom = 30;
        const QRect screen = window_->ClientArea()->rect().adjusted(0, 0, 0, -TitleBarRoom);
        const QList<QMdiSubWindow*> frames = window_->ClientArea()->subWindowList();
        QVERIFY(frames.size() >= 8);
        const auto onDemand = [](const QMdiSubWindow* w) {
            return w->objectName() == QStringLiteral("frmStrategyLabFrame") ||
                   w->objectName() == QStringLiteral("frmCoachFrame");
        };
        for (QMdiSubWindow* frame : frames) {
            QVERIFY2(screen.contains(frame->geometry()),
                     qPrintable(frame->objectName() + QStringLiteral(" off the screen")));
            for (QMdiSubWindow* other : onDemand(frame) ? QList<QMdiSubWindow*>() : frames) {
                QVERIFY2(other == frame || onDemand(other) ||
                             !frame->geometry().intersects(other->geometry()),
                         qPrintable(frame->objectName() + QStringLiteral(" on ") + other->objectName()));
            }
        }
    }

    // Exit, or the close box, during a deal is refused like closing the table, and closes nothing; once
    // the deal is over, Exit saves every window's place.
    void exitIsRefusedDuringADealAndSavesEveryPosition() {
        QVERIFY(Open());
        TheTable()->DealInProgress = true;
        Item("mnuExit")->trigger();
        window_->close();
        QCOMPARE(presenter_->Texts(), QStringList(2, QStringLiteral("Must wait for deal to end.")));
        QCOMPARE(programEnds_, 0);
        QVERIFY(window_ && window_->isVisible() && TheTable()->isVisible() &&
                TheCardsDealtWindows().ListWindow());
        TheTable()->DealInProgress = false;
        window_->move(30, 40);
        window_->resize(MainWindow::DesignSize() + QSize(60, 30));
        TheTable()->Frame()->move(15, 25);
        Item("mnuRoads")->trigger();
        TheRoads()->Frame()->move(30, 25);
        const QPoint main = window_->pos();
        Item("mnuExit")->trigger();
        QCOMPARE(programEnds_, 1);
        QCOMPARE(Stored("frmBaccTable", "Left"), QStringLiteral(" 225"));
        QCOMPARE(Stored("frmRoads", "Left"), QStringLiteral(" 450"));
        QTRY_VERIFY(!window_ && !TheTable());
        QVERIFY(Open()); // re-opened where it was left
        QCOMPARE(window_->size(), MainWindow::DesignSize() + QSize(60, 30));
        QCOMPARE(window_->pos(), main);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
