#include "MainWindow.h"

#include "AboutBox.h"
#include "Artwork.h"
#include "CardsDealtWindow.h"
#include "ChildWindow.h"
#include "CoachWindow.h"
#include "HelpViewer.h"
#include "IniFile.h"
#include "MarkingCardWindow.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "Options.h"
#include "ProgramEnd.h"
#include "RoadsWindow.h"
#include "Shoe.h"
#include "ShoeOddsWindow.h"
#include "StartScreen.h"
#include "StatisticsWindow.h"
#include "StrategyLabWindow.h"
#include "TableGame.h"
#include "TableWindow.h"
#include "WebSite.h"

#include <initializer_list>
#include <span>
#include <vector>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

namespace bacc {

namespace {

QPointer<MainWindow> mainWindow;

// The menus, left to right. A row of the control table names its menu by position here.
struct MenuInfo {
    const char* name;
    const char* caption;
};
enum Menu { File, CardOptions, MarkingOptions, ShoeSize, Dealing, OptionsMenu, Web, Trainer, Window, Help };
constexpr MenuInfo Menus[] = {
    {"mnuFile", "&File"},
    {"mnuCardOptions", "&Card Options"},
    {"mnuMarkingOptions", "&Marking Options"},
    {"mnuShoeSize", "&Shoe Size"},
    {"mnuDealing", "&Dealing"},
    {"mnuOptions", "&Options"},
    {"mnuWeb", "&Web"},
    {"mnuTrainer", "&Trainer"},
    {"mnuWindow", "&Window"},
    {"mnuHelp", "&Help"},
};

const QString MainWindowSection = QStringLiteral("MDIForm1");

} // namespace

// One row per menu item, in menu order. A row with a key has a button on both toolbars, in the same
// order, with a gap wherever the menu changes or has a separator; the key also names its picture.
struct MainWindow::Control {
    int menu;            // in Menus
    const char* item;    // the menu item's control name
    const char* caption; // nullptr: a separator
    const char* key = nullptr;
    const char* toolTip = nullptr;
    const char* section = nullptr; // where the settings file keeps it
    const char* settingKey = nullptr;
    bool Options::*flag = nullptr;             // the on/off option it shows
    void (MainWindow::*click)() = nullptr;     // the menu item's handler
    void (MainWindow::*procedure)() = nullptr; // what its button runs
    int decks = 0;                             // Shoe Size items: the size offered
};

std::span<const MainWindow::Control> MainWindow::Controls() {
    using M = MainWindow;
    static const Control rows[] = {
        {File, "mnuExit", "E&xit", nullptr, nullptr, nullptr, nullptr, nullptr, &M::mnuExit_Click},
        {CardOptions, "mnuCardFaceUpDown", "Cards Face &Up", "CardFaceUp", "Cards dealt face up if pressed",
         "Card Options", "Card Face Up", &Options::CardFaceUp, &M::mnuCardFaceUpDown_Click,
         &M::prcCardFaceUpDown},
        {CardOptions, "mnuShowCardValues", "Show Card &Values", "CardValues",
         "Card values shown when revealing card face", "Card Options", "Show Card Values",
         &Options::CardValues, &M::mnuShowCardValues_Click, &M::prcShowCardValues},
        {CardOptions, "mnuShowCardsDealt", "Show Cards &Dealt", "CardsDealt", "Show list of all cards dealt",
         "Card Options", "Show Cards Dealt", &Options::CardsDealt, &M::mnuShowCardsDealt_Click,
         &M::prcShowCardsDealt},
        {CardOptions, "mnuShowCardsDealtCount", "Show Cards Dealt &Count", "CardsDealtCount",
         "Show count of all cards dealt", "Card Options", "Show Cards Dealt Count", &Options::CardsDealtCount,
         &M::mnuShowCardsDealtCount_Click, &M::prcShowCardsDealtCount},
        {MarkingOptions, "mnuShowScore", "Show &Score", "ShowScore",
         "Show Score when pressed otherwise units bet", "Marking Options", "Show Score", &Options::ShowScore,
         &M::mnuShowScore_Click, &M::prcShowScore},
        {MarkingOptions, "mnuShowNaturals", "Show &Naturals", "ShowNaturals",
         "Show Naturals as ovals on mark card", "Marking Options", "Show Naturals", &Options::ShowNaturals,
         &M::mnuShowNaturals_Click, &M::prcShowNaturals},
        {MarkingOptions, "mnuPlayerBlue", "&Player Blue", "PlayerBlue", "Player is blue when pressed down",
         "Player Blue", "PlayerBlue", &Options::PlayerBlue, &M::mnuPlayerBlue_Click, &M::prcPlayerBlue},
        {ShoeSize, "mnuShoeSizeDecks(0)", "&1 Deck", "Decks1", "1 Deck of cards per shoe", "Shoe Size",
         "Decks", nullptr, nullptr, nullptr, 1},
        {ShoeSize, "mnuShoeSizeDecks(1)", "&2 Decks", "Decks2", "2 Decks of cards per shoe", "Shoe Size",
         "Decks", nullptr, nullptr, nullptr, 2},
        {ShoeSize, "mnuShoeSizeDecks(2)", "&4 Decks", "Decks4", "4 Decks of cards per shoe", "Shoe Size",
         "Decks", nullptr, nullptr, nullptr, 4},
        {ShoeSize, "mnuShoeSizeDecks(3)", "&6 Decks", "Decks6", "6 Decks of cards per shoe", "Shoe Size",
         "Decks", nullptr, nullptr, nullptr, 6},
        {ShoeSize, "mnuShoeSizeDecks(4)", "&8 Decks", "Decks8", "8 Decks of cards per shoe", "Shoe Size",
         "Decks", nullptr, nullptr, nullptr, 8},
        {Dealing, "mnuDealDelay", "&Delay When Face Up", "Delay", "Delay between showing cards when face up",
         "Deal", "Delay", &Options::Delay, &M::mnuDealDelay_Click, &M::prcDelay},
        {Dealing, "mnuDealAnimation", "&Animation", "Animation", "Animation", "Deal", "Animation",
         &Options::Animation, &M::mnuDealAnimation_Click, &M::prcAnimation},
        {OptionsMenu, "mnuLargeButtons", "&Large Buttons", nullptr, nullptr, "Options", "Large Buttons",
         nullptr, &M::mnuLargeButtons_Click},
        {OptionsMenu, "mnuSep1", nullptr},
        {OptionsMenu, "mnuArrows", "&Arrows to reveal cards", "RevealArrows", "Use arrows to reveal cards",
         "Reveal", "Arrows", nullptr, &M::mnuArrows_Click, &M::prcSetRevealIcons},
        {OptionsMenu, "mnuHands", "&Hands to reveal cards", "RevealHands", "Use hands to reveal cards",
         "Reveal", "Arrows", nullptr, &M::mnuHands_Click, &M::prcSetRevealIcons},
        {OptionsMenu, "mnuSep3", nullptr},
        {OptionsMenu, "mnuStatistics", "&Statistics", "Statistics", "Show Player Statistics", nullptr,
         nullptr, &Options::StatisticsShown, &M::mnuStatistics_Click, &M::prcStatistics},
        {Web, "mnuDravenholt", "&Dravenholt", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuDravenholt_Click},
        {Trainer, "mnuStrategyLab", "&Strategy Lab", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuStrategyLab_Click},
        {Trainer, "mnuShoeOdds", "Shoe &Odds", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuShoeOdds_Click},
        {Trainer, "mnuRoads", "&Roads", nullptr, nullptr, nullptr, nullptr, nullptr, &M::mnuRoads_Click},
        {Trainer, "mnuCoach", "&Coach", nullptr, nullptr, nullptr, nullptr, nullptr, &M::mnuCoach_Click},
        {Window, "mnuWindowTable", "Table", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuWindowTable_Click},
        {Window, "mnuWindowMarkCard", "Marking Card", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuWindowMarkCard_Click},
        {Window, "mnuWindowCardsDealt", "Cards Dealt", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuWindowCardsDealt_Click},
        {Window, "mnuWindowCardsDealtCount", "Cards Dealt Count", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuWindowCardsDealtCount_Click},
        {Window, "mnuWindowStatistics", "Statistics", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuWindowStatistics_Click},
        {Window, "mnuWindowStrategyLab", "Strategy Lab", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuWindowStrategyLab_Click},
        {Window, "mnuWindowShoeOdds", "Shoe Odds", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuWindowShoeOdds_Click},
        {Window, "mnuWindowRoads", "Roads", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuWindowRoads_Click},
        {Window, "mnuWindowCoach", "Coach", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuWindowCoach_Click},
        {Help, "mnuContents", "&Contents and Index", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuContents_Click},
        {Help, "mnuSep2", nullptr},
        {Help, "mnuAbout", "&About Quorrel Baccarat", nullptr, nullptr, nullptr, nullptr, nullptr,
         &M::mnuAbout_Click},
    };
    return rows;
}

const MainWindow::Control& MainWindow::Row(const char* name) {
    for (const Control& row : Controls()) {
        if (qstrcmp(row.item, name) == 0 || (row.key && qstrcmp(row.key, name) == 0)) {
            return row;
        }
    }
    qFatal("No menu item or button %s", name);
}

namespace {

// The Shoe Size rows, in menu order.
std::vector<const MainWindow::Control*> DeckRows() {
    std::vector<const MainWindow::Control*> decks;
    for (const MainWindow::Control& row : MainWindow::Controls()) {
        if (row.decks > 0) {
            decks.push_back(&row);
        }
    }
    return decks;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(ProgramTitle);
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    // The toolbars are chosen from the Options menu only, not from a pop-up list of toolbars.
    setContextMenuPolicy(Qt::PreventContextMenu);
    mainWindow = this;

    clientArea_ = new QMdiArea(this);
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    clientArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    clientArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(clientArea_);
    SetWindowHost(clientArea_);

    CreateMenus();
    CreateToolbars();
    ChooseToolbar(true);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
}

MainWindow::~MainWindow() {
    if (WindowHost() == clientArea_) {
        SetWindowHost(nullptr);
    }
}

void MainWindow::CreateMenus() {
    std::vector<QMenu*> menus;
    for (const MenuInfo& info : Menus) {
        QMenu* menu = menuBar()->addMenu(tr(info.caption));
        menu->setObjectName(QLatin1String(info.name));
        menu->menuAction()->setObjectName(QLatin1String(info.name));
        menus.push_back(menu);
    }
    // The shoe sizes are one choice: shown as radio items, exactly one checked.
    deckItems_ = new QActionGroup(this);
    deckItems_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    int deckIndex = 0;
    for (const Control& row : Controls()) {
        QMenu* menu = menus[static_cast<std::size_t>(row.menu)];
        if (!row.caption) {
            menu->addSeparator()->setObjectName(QLatin1String(row.item));
            continue;
        }
        QAction* item = menu->addAction(tr(row.caption));
        item->setObjectName(QLatin1String(row.item));
        item->setCheckable(row.key || row.section);
        if (row.decks > 0) {
            deckItems_->addAction(item);
            connect(item, &QAction::triggered, this,
                    [this, deckIndex] { mnuShoeSizeDecks_Click(deckIndex); });
            ++deckIndex;
        } else {
            connect(item, &QAction::triggered, this, row.click);
        }
    }
}

void MainWindow::CreateToolbars() {
    // Both toolbars hold the same buttons, so a button pressed on one is pressed on the other.
    deckButtons_ = new QActionGroup(this);
    deckButtons_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    QList<QAction*> buttons; // nullptr: a gap
    int lastMenu = -1;
    bool gap = false;
    for (const Control& row : Controls()) {
        if (!row.caption) {
            gap = true;
            continue;
        }
        if (!row.key) {
            continue;
        }
        if (lastMenu >= 0 && (gap || row.menu != lastMenu)) {
            buttons.append(nullptr);
        }
        lastMenu = row.menu;
        gap = false;
        const QString key = QLatin1String(row.key);
        auto* button = new QAction(ToolbarIcon(key), tr(row.toolTip), this);
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(tr(row.toolTip));
        button->setCheckable(true);
        if (row.decks > 0) {
            deckButtons_->addAction(button);
        }
        connect(button, &QAction::triggered, this, [this, button] {
            if (activeToolbar_ == tlbrMDIForm2_) {
                tlbrMDIForm2_ButtonClick(button);
            } else {
                tlbrMDIForm1_ButtonClick(button);
            }
        });
        buttons.append(button);
    }
    auto create = [this, &buttons](const char* name, const QString& title, int iconSize) {
        auto* toolbar = new QToolBar(title, this);
        toolbar->setObjectName(QLatin1String(name));
        toolbar->setIconSize(QSize(iconSize, iconSize));
        toolbar->setMovable(false);
        toolbar->setFloatable(false);
        toolbar->toggleViewAction()->setEnabled(false);
        addToolBar(Qt::TopToolBarArea, toolbar);
        for (QAction* button : buttons) {
            if (button) {
                toolbar->addAction(button);
            } else {
                toolbar->addSeparator();
            }
        }
        return toolbar;
    };
    tlbrMDIForm1_ = create("tlbrMDIForm1", tr("Large buttons"), 24);
    tlbrMDIForm2_ = create("tlbrMDIForm2", tr("Small buttons"), 16);
}

void MainWindow::ChooseToolbar(bool large) {
    MenuItem(QStringLiteral("mnuLargeButtons"))->setChecked(large);
    QToolBar* shown = large ? tlbrMDIForm1_ : tlbrMDIForm2_;
    QToolBar* hidden = large ? tlbrMDIForm2_ : tlbrMDIForm1_;
    hidden->setVisible(false);
    hidden->setEnabled(false);
    shown->setEnabled(true);
    shown->setVisible(true);
    activeToolbar_ = shown;
}

QAction* MainWindow::ToolbarButton(const QString& key, QToolBar* toolbar) const {
    if (!toolbar) {
        toolbar = activeToolbar_;
    }
    for (QAction* action : toolbar->actions()) {
        if (action->objectName() == key) {
            return action;
        }
    }
    return nullptr;
}

QAction* MainWindow::MenuItem(const QString& name) const {
    return findChild<QAction*>(name);
}

QSize MainWindow::DesignSize() {
    QSize size(1024, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    return size;
}

bool MainWindow::MDIForm_Load() {
    // The start screen has located the file already; it stays valid for the whole run, so it is
    // searched for again only when it has gone.
    if ((IniPath().isEmpty() || !QFileInfo(IniPath()).isFile()) && !LocateSettingsFile()) {
        return false;
    }
    FollowTheTableGame();
    const Control& large = Row("mnuLargeButtons");
    ChooseToolbar(IsOn(ReadIni(QLatin1String(large.section), QLatin1String(large.settingKey)).toStdString()));
    PaintBackground();
    RestoreWindowPlace(this, MainWindowSection, DesignSize(), true);
    show();
    OpenTable();
    prcSetMenusAndButtons();
    CloseStartScreen();
    return true;
}

void MainWindow::PaintBackground() {
    // The tile is repeated by the brush across the whole client area, however large it grows.
    clientArea_->setBackground(QBrush(BackgroundTile(devicePixelRatioF())));
}

bool MainWindow::MDIForm_Unload() {
    if (unloaded_) {
        return true;
    }
    // Exit during a deal is refused the way closing the table is, before anything else is closed.
    if (TableWindow* table = TheTable(); table && table->DealInProgress) {
        table->Frame()->close();
        return false;
    }
    SaveWindowPlace(this, MainWindowSection, DesignSize(), true);
    TheCardsDealtWindows().CloseWindows();
    if (TableWindow* table = TheTable(); table && !table->Frame()->close()) {
        return false;
    }
    // Every window still open stores its place as it closes.
    if (MarkingCardWindow* card = TheMarkCard()) {
        card->Frame()->close();
    }
    CloseStatistics();
    for (ChildWindow* trainer :
         std::initializer_list<ChildWindow*>{TheStrategyLab(), TheShoeOdds(), TheRoads(), TheCoach()}) {
        if (trainer) {
            trainer->Frame()->close();
        }
    }
    if (AboutBox* about = TheAboutBox()) {
        about->close();
    }
    unloaded_ = true;
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!MDIForm_Unload()) {
        event->ignore();
        return;
    }
    event->accept();
    EndProgram();
}

void MainWindow::mnuExit_Click() {
    close();
}

// ---- Options -------------------------------------------------------------------------------------

void MainWindow::ShowOption(const Control& row) {
    const bool on = Settings().*row.flag;
    MenuItem(QLatin1String(row.item))->setChecked(on);
    if (QAction* button = ToolbarButton(QLatin1String(row.key))) {
        button->setChecked(on);
    }
}

void MainWindow::ToggleOption(const Control& row) {
    // The flag is the reference: a menu item or a button has already changed its own state when its
    // click arrives, so the new state is taken from the flag, not from the control.
    const bool on = !(Settings().*row.flag);
    WriteIni(QLatin1String(row.section), QLatin1String(row.settingKey), QLatin1String(BoolText(on)));
    Settings().*row.flag = on;
    ApplyCardsDealtWindows(row);
    ShowOption(row);
}

void MainWindow::ApplyCardsDealtWindows(const Control& row) {
    if (row.flag == &Options::CardsDealt) {
        TheCardsDealtWindows().SetCardsDealtOption(Settings().CardsDealt);
    } else if (row.flag == &Options::CardsDealtCount) {
        TheCardsDealtWindows().SetCardsDealtCountOption(Settings().CardsDealtCount);
    }
}

void MainWindow::LoadOption(const Control& row) {
    Settings().*row.flag =
        IsOn(ReadIni(QLatin1String(row.section), QLatin1String(row.settingKey)).toStdString());
    ShowOption(row);
    ApplyCardsDealtWindows(row);
}

void MainWindow::prcCardFaceUpDown() {
    ToggleOption(Row("CardFaceUp"));
}
void MainWindow::prcShowCardValues() {
    ToggleOption(Row("CardValues"));
}
void MainWindow::prcShowCardsDealt() {
    ToggleOption(Row("CardsDealt"));
}
void MainWindow::prcShowCardsDealtCount() {
    ToggleOption(Row("CardsDealtCount"));
}
void MainWindow::prcShowScore() {
    ToggleOption(Row("ShowScore"));
}
void MainWindow::prcShowNaturals() {
    ToggleOption(Row("ShowNaturals"));
}
void MainWindow::prcDelay() {
    ToggleOption(Row("Delay"));
}
void MainWindow::prcAnimation() {
    ToggleOption(Row("Animation"));
}

bool MainWindow::ShoeRunning() const {
    return TheShoe().ShoeInPlay && !TheShoe().EndOfShoe;
}

bool MainWindow::ConfirmShoeChange() {
    if (!ShoeRunning()) {
        return true;
    }
    return ShowMessage(tr("Note! change effective only after end of shoe"), MsgIcon::Exclamation,
                       MsgButtons::OkCancel, this) == MsgResult::Ok;
}

void MainWindow::prcPlayerBlue() {
    if (!ConfirmShoeChange()) {
        ShowOption(Row("PlayerBlue")); // undo the click on the menu item or the button
        return;
    }
    ToggleOption(Row("PlayerBlue"));
}

void MainWindow::PressDeckButton(QAction* button) {
    for (const Control* row : DeckRows()) {
        if (QAction* other = ToolbarButton(QLatin1String(row->key))) {
            other->setChecked(other == button);
        }
    }
}

void MainWindow::ShowDeckMenuChecks() {
    for (const Control* row : DeckRows()) {
        MenuItem(QLatin1String(row->item))->setChecked(row->decks == TheShoe().DeckCount);
    }
}

void MainWindow::prcDecks(int decks, QAction* button) {
    TheShoe().DeckCount = decks;
    ShowDeckMenuChecks();
    const Control& row = *DeckRows().front();
    WriteIni(QLatin1String(row.section), QLatin1String(row.settingKey), IniNumber(decks));
    PressDeckButton(button);
    pressedDeckButton_ = button;
}

void MainWindow::prcDecksButtonWarning(int decks, QAction* button) {
    PressDeckButton(button);
    if (!ConfirmShoeChange()) {
        PressDeckButton(pressedDeckButton_);
        return;
    }
    prcDecks(decks, button);
}

void MainWindow::mnuShoeSizeDecks_Click(int index) {
    const std::vector<const Control*> decks = DeckRows();
    if (index < 0 || index >= static_cast<int>(decks.size())) {
        return;
    }
    if (!ConfirmShoeChange()) {
        ShowDeckMenuChecks(); // the click checked the item; put the checks back
        return;
    }
    const Control& row = *decks[static_cast<std::size_t>(index)];
    prcDecks(row.decks, ToolbarButton(QLatin1String(row.key)));
}

QAction* MainWindow::DeckButton(int decks) const {
    for (const Control* row : DeckRows()) {
        if (row->decks == decks) {
            return ToolbarButton(QLatin1String(row->key));
        }
    }
    return nullptr;
}

void MainWindow::ShowRevealMode() {
    const bool arrows = Settings().RevealArrows;
    for (const char* name : {"mnuArrows", "mnuHands"}) {
        const Control& row = Row(name);
        const bool on = (qstrcmp(name, "mnuArrows") == 0) == arrows;
        MenuItem(QLatin1String(row.item))->setChecked(on);
        ToolbarButton(QLatin1String(row.key))->setChecked(on);
    }
    if (TableWindow* table = TheTable()) {
        if (arrows) {
            table->SetArrowPointers();
        } else {
            table->SetHandPointers();
        }
    }
}

void MainWindow::prcSetRevealIcons() {
    const bool arrows = !Settings().RevealArrows;
    Settings().RevealArrows = arrows;
    const Control& row = Row("mnuArrows");
    WriteIni(QLatin1String(row.section), QLatin1String(row.settingKey), QLatin1String(BoolText(arrows)));
    ShowRevealMode();
}

void MainWindow::prcStatistics() {
    const bool shown = !Settings().StatisticsShown;
    Settings().StatisticsShown = shown;
    ShowOption(Row("mnuStatistics"));
    if (shown) {
        OpenStatisticsWindow();
    } else {
        CloseStatistics();
    }
}

void MainWindow::OpenStatisticsWindow() {
    if (StatisticsWindow* statistics = OpenStatistics()) {
        connect(statistics, &StatisticsWindow::Unloaded, this, &MainWindow::StatisticsClosed,
                Qt::UniqueConnection);
        statistics->RefreshStatistics();
    }
}

void MainWindow::StatisticsClosed() {
    // Closed by its close box: the option goes off as if it had been chosen again.
    if (Settings().StatisticsShown) {
        Settings().StatisticsShown = false;
        ShowOption(Row("mnuStatistics"));
    }
}

void MainWindow::prcSetMenusAndButtons() {
    for (const Control& row : Controls()) {
        if (row.flag && row.section) {
            LoadOption(row);
        }
    }

    const Control& shoe = *DeckRows().front();
    const int decks = CheckedDeckCount(static_cast<int>(RoundHalfAway(
        LeadingNumber(ReadIni(QLatin1String(shoe.section), QLatin1String(shoe.settingKey)).toStdString()))));
    TheShoe().DeckCount = decks;
    if (QAction* button = DeckButton(decks)) {
        prcDecks(decks, button);
    } else {
        // A size the menus do not offer is still used for the next shoe; nothing shows as chosen.
        pressedDeckButton_ = nullptr;
        ShowDeckMenuChecks();
        PressDeckButton(nullptr);
    }
    ShowOption(Row("mnuStatistics"));
    timer1_->start();
}

void MainWindow::Timer1_Timer() {
    timer1_->stop();
    const int decks = TheShoe().DeckCount;
    if (QAction* button = DeckButton(decks)) {
        prcDecks(decks, button);
    }
    const Control& reveal = Row("mnuArrows");
    Settings().RevealArrows =
        IsOn(ReadIni(QLatin1String(reveal.section), QLatin1String(reveal.settingKey)).toStdString());
    ShowRevealMode();
}

// ---- Menu items ----------------------------------------------------------------------------------

void MainWindow::mnuCardFaceUpDown_Click() {
    prcCardFaceUpDown();
}
void MainWindow::mnuShowCardValues_Click() {
    prcShowCardValues();
}
void MainWindow::mnuShowCardsDealt_Click() {
    prcShowCardsDealt();
}
void MainWindow::mnuShowCardsDealtCount_Click() {
    prcShowCardsDealtCount();
}
void MainWindow::mnuShowScore_Click() {
    prcShowScore();
}
void MainWindow::mnuShowNaturals_Click() {
    prcShowNaturals();
}
void MainWindow::mnuPlayerBlue_Click() {
    prcPlayerBlue();
}
void MainWindow::mnuDealDelay_Click() {
    prcDelay();
}
void MainWindow::mnuDealAnimation_Click() {
    prcAnimation();
}
void MainWindow::mnuArrows_Click() {
    prcSetRevealIcons();
}
void MainWindow::mnuHands_Click() {
    prcSetRevealIcons();
}
void MainWindow::mnuStatistics_Click() {
    prcStatistics();
}

void MainWindow::mnuLargeButtons_Click() {
    const bool large = activeToolbar_ != tlbrMDIForm1_;
    const Control& row = Row("mnuLargeButtons");
    WriteIni(QLatin1String(row.section), QLatin1String(row.settingKey), QLatin1String(BoolText(large)));
    ChooseToolbar(large);
    prcSetMenusAndButtons();
}

void MainWindow::mnuDravenholt_Click() {
    OpenWebSite(MakerWebSite, ProgramTitle, this);
}

// The trainer windows follow the running shoe; each opens at its stored place.
void MainWindow::mnuStrategyLab_Click() {
    OpenStrategyLab();
}

void MainWindow::mnuShoeOdds_Click() {
    OpenShoeOdds();
}

void MainWindow::mnuRoads_Click() {
    OpenRoads();
}

void MainWindow::mnuCoach_Click() {
    OpenCoach();
}

// The Window menu shows a window as its own opening does and brings it to the front. The cards-dealt
// and statistics windows are what their options show, so showing one turns its option on: a window in
// view with its option off would be a window the option no longer controls.
void MainWindow::mnuWindowTable_Click() {
    if (TableWindow* table = OpenTable()) {
        table->BringToFront();
    }
}

void MainWindow::mnuWindowMarkCard_Click() {
    ShowMarkCard();
}

void MainWindow::mnuWindowCardsDealt_Click() {
    if (Settings().CardsDealt) {
        TheCardsDealtWindows().SetCardsDealtOption(true);
    } else {
        prcShowCardsDealt();
    }
    if (CardsDealtWindow* list = TheCardsDealtWindows().ListWindow()) {
        list->BringToFront();
    }
}

void MainWindow::mnuWindowCardsDealtCount_Click() {
    if (Settings().CardsDealtCount) {
        TheCardsDealtWindows().SetCardsDealtCountOption(true);
    } else {
        prcShowCardsDealtCount();
    }
    if (CardsDealtCountWindow* count = TheCardsDealtWindows().CountWindow()) {
        count->BringToFront();
    }
}

void MainWindow::mnuWindowStatistics_Click() {
    if (Settings().StatisticsShown) {
        OpenStatisticsWindow();
    } else {
        prcStatistics();
    }
    if (StatisticsWindow* statistics = TheStatistics()) {
        statistics->BringToFront();
    }
}

void MainWindow::mnuWindowStrategyLab_Click() {
    OpenStrategyLab()->BringToFront();
}

void MainWindow::mnuWindowShoeOdds_Click() {
    OpenShoeOdds()->BringToFront();
}

void MainWindow::mnuWindowRoads_Click() {
    OpenRoads()->BringToFront();
}

void MainWindow::mnuWindowCoach_Click() {
    OpenCoach()->BringToFront();
}

void MainWindow::mnuContents_Click() {
    ShowHelpContents(this);
}

void MainWindow::mnuAbout_Click() {
    ShowAboutBox(this);
}

// ---- Toolbars ------------------------------------------------------------------------------------

void MainWindow::tlbrMDIForm2_ButtonClick(QAction* button) {
    tlbrMDIForm1_ButtonClick(button);
}

void MainWindow::tlbrMDIForm1_ButtonClick(QAction* button) {
    const Control& row = Row(button->objectName().toLatin1().constData());
    if (row.decks > 0) {
        prcDecksButtonWarning(row.decks, button);
    } else if (row.procedure) {
        (this->*row.procedure)();
    }
}

// ---- The one main window ---------------------------------------------------------------------------

void FollowTheTableGame() {
    // Every card that leaves the shoe reaches the cards-dealt windows as it is dealt; the marking card
    // follows every shoe and every settled hand, also while it is closed.
    TheShoe().SetListener(&TheCardsDealtWindows());
    TheGameListeners().Add(&MarkingCardFollower());
}

MainWindow* TheMainWindow() {
    return mainWindow;
}

MainWindow* OpenMainWindow() {
    if (mainWindow) {
        mainWindow->show();
        return mainWindow;
    }
    auto* window = new MainWindow;
    if (!window->MDIForm_Load()) {
        delete window;
        CloseStartScreen();
        EndProgram();
        return nullptr;
    }
    return window;
}

} // namespace bacc
