#include "MainWindow.h"

#include "AboutBox.h"
#include "Artwork.h"
#include "CardsDealtWindow.h"
#include "ChildWindow.h"
#include "HelpViewer.h"
#include "IniFile.h"
#include "MarkingCardWindow.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "Options.h"
#include "ProgramEnd.h"
#include "Shoe.h"
#include "StartScreen.h"
#include "StatisticsWindow.h"
#include "TableWindow.h"
#include "Twips.h"
#include "WebSite.h"

#include <array>

#include <QAction>
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

struct MainWindow::OptionInfo {
    const char* key;        // toolbar button key
    const char* menuName;   // menu item control name
    const char* section;    // settings section
    const char* settingKey; // settings key
};

namespace {

QPointer<MainWindow> mainWindow;

// Shoe sizes offered, in menu order, and the bounds of the size check with the size that replaces a
// value outside them.
constexpr std::array<int, 5> ShoeSizes{1, 2, 4, 6, 8};
constexpr int SmallestShoe = 1;
constexpr int LargestShoe = 8;
constexpr int DefaultShoe = 8;

int ShoeSizeIndex(int decks) {
    for (int index = 0; index < static_cast<int>(ShoeSizes.size()); ++index) {
        if (ShoeSizes[index] == decks) {
            return index;
        }
    }
    return -1;
}

QString DeckKey(int decks) {
    return QStringLiteral("Decks%1").arg(decks);
}
QString DeckMenuName(int index) {
    return QStringLiteral("mnuShoeSizeDecks(%1)").arg(index);
}

struct ButtonInfo {
    const char* key; // nullptr: a separator
    const char* toolTip;
    bool check; // stays down while on (every button of this toolbar is a check or a group button)
};

// The buttons of both toolbars, left to right.
const ButtonInfo Buttons[] = {
    {"CardFaceUp", "Cards dealt face up if pressed", true},
    {"CardValues", "Card values shown when revealing card face", true},
    {"CardsDealt", "Show list of all cards dealt", true},
    {"CardsDealtCount", "Show count of all cards dealt", true},
    {nullptr, nullptr, false},
    {"ShowScore", "Show Score when pressed otherwise units bet", true},
    {"ShowNaturals", "Show Naturals as ovals on mark card", true},
    {"PlayerBlue", "Player is blue when pressed down", true},
    {nullptr, nullptr, false},
    {"Decks1", "1 Deck of cards per shoe", true},
    {"Decks2", "2 Decks of cards per shoe", true},
    {"Decks4", "4 Decks of cards per shoe", true},
    {"Decks6", "6 Decks of cards per shoe", true},
    {"Decks8", "8 Decks of cards per shoe", true},
    {nullptr, nullptr, false},
    {"Delay", "Delay between showing cards when face up", true},
    {"Animation", "Animation", true},
    {nullptr, nullptr, false},
    {"RevealArrows", "Use arrows to reveal cards", true},
    {"RevealHands", "Use hands to reveal cards", true},
    {nullptr, nullptr, false},
    {"Statistics", "Show Player Statistics", true},
};

const QString MainWindowSection = QStringLiteral("MDIForm1");

} // namespace

const MainWindow::OptionInfo& MainWindow::Info(Option option) {
    static const OptionInfo infos[] = {
        {"CardFaceUp", "mnuCardFaceUpDown", "Card Options", "Card Face Up"},
        {"CardValues", "mnuShowCardValues", "Card Options", "Show Card Values"},
        {"CardsDealt", "mnuShowCardsDealt", "Card Options", "Show Cards Dealt"},
        {"CardsDealtCount", "mnuShowCardsDealtCount", "Card Options", "Show Cards Dealt Count"},
        {"ShowScore", "mnuShowScore", "Marking Options", "Show Score"},
        {"ShowNaturals", "mnuShowNaturals", "Marking Options", "Show Naturals"},
        {"PlayerBlue", "mnuPlayerBlue", "Player Blue", "PlayerBlue"},
        {"Delay", "mnuDealDelay", "Deal", "Delay"},
        {"Animation", "mnuDealAnimation", "Deal", "Animation"},
    };
    return infos[static_cast<int>(option)];
}

bool& MainWindow::Flag(Option option) {
    Options& options = Settings();
    switch (option) {
    case Option::CardFaceUp:
        return options.CardFaceUp;
    case Option::CardValues:
        return options.CardValues;
    case Option::CardsDealt:
        return options.CardsDealt;
    case Option::CardsDealtCount:
        return options.CardsDealtCount;
    case Option::ShowScore:
        return options.ShowScore;
    case Option::ShowNaturals:
        return options.ShowNaturals;
    case Option::PlayerBlue:
        return options.PlayerBlue;
    case Option::Delay:
        return options.Delay;
    case Option::Animation:
        break;
    }
    return options.Animation;
}

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
    tlbrMDIForm1_ = CreateToolbar(QStringLiteral("tlbrMDIForm1"), 24);
    tlbrMDIForm2_ = CreateToolbar(QStringLiteral("tlbrMDIForm2"), 16);
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
    QMenuBar* bar = menuBar();
    auto addMenu = [&](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const QString& name, const QString& caption, bool checkable,
                          void (MainWindow::*handler)()) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(name);
        item->setCheckable(checkable);
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* file = addMenu("mnuFile", tr("&File"));
    addItem(file, QStringLiteral("mnuExit"), tr("E&xit"), false, &MainWindow::mnuExit_Click);

    QMenu* cards = addMenu("mnuCardOptions", tr("&Card Options"));
    addItem(cards, QStringLiteral("mnuCardFaceUpDown"), tr("Cards Face &Up"), true,
            &MainWindow::mnuCardFaceUpDown_Click);
    addItem(cards, QStringLiteral("mnuShowCardValues"), tr("Show Card &Values"), true,
            &MainWindow::mnuShowCardValues_Click);
    addItem(cards, QStringLiteral("mnuShowCardsDealt"), tr("Show Cards &Dealt"), true,
            &MainWindow::mnuShowCardsDealt_Click);
    addItem(cards, QStringLiteral("mnuShowCardsDealtCount"), tr("Show Cards Dealt &Count"), true,
            &MainWindow::mnuShowCardsDealtCount_Click);

    QMenu* marking = addMenu("mnuMarkingOptions", tr("&Marking Options"));
    addItem(marking, QStringLiteral("mnuShowScore"), tr("Show &Score"), true,
            &MainWindow::mnuShowScore_Click);
    addItem(marking, QStringLiteral("mnuShowNaturals"), tr("Show &Naturals"), true,
            &MainWindow::mnuShowNaturals_Click);
    addItem(marking, QStringLiteral("mnuPlayerBlue"), tr("&Player Blue"), true,
            &MainWindow::mnuPlayerBlue_Click);

    QMenu* shoe = addMenu("mnuShoeSize", tr("&Shoe Size"));
    const QString sizeCaptions[] = {tr("&1 Deck"), tr("&2 Decks"), tr("&4 Decks"), tr("&6 Decks"),
                                    tr("&8 Decks")};
    for (int index = 0; index < static_cast<int>(ShoeSizes.size()); ++index) {
        QAction* item = shoe->addAction(sizeCaptions[index]);
        item->setObjectName(DeckMenuName(index));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, index] { mnuShoeSizeDecks_Click(index); });
    }

    QMenu* dealing = addMenu("mnuDealing", tr("&Dealing"));
    addItem(dealing, QStringLiteral("mnuDealDelay"), tr("&Delay When Face Up"), true,
            &MainWindow::mnuDealDelay_Click);
    addItem(dealing, QStringLiteral("mnuDealAnimation"), tr("&Animation"), true,
            &MainWindow::mnuDealAnimation_Click);

    QMenu* options = addMenu("mnuOptions", tr("&Options"));
    addItem(options, QStringLiteral("mnuLargeButtons"), tr("&Large Buttons"), true,
            &MainWindow::mnuLargeButtons_Click);
    addSeparator(options, "mnuSep1");
    addItem(options, QStringLiteral("mnuArrows"), tr("&Arrows to reveal cards"), true,
            &MainWindow::mnuArrows_Click);
    addItem(options, QStringLiteral("mnuHands"), tr("&Hands to reveal cards"), true,
            &MainWindow::mnuHands_Click);
    addSeparator(options, "mnuSep3");
    addItem(options, QStringLiteral("mnuStatistics"), tr("&Statistics"), true,
            &MainWindow::mnuStatistics_Click);

    QMenu* web = addMenu("mnuWeb", tr("&Web"));
    addItem(web, QStringLiteral("mnuDravenholt"), tr("&Dravenholt"), false, &MainWindow::mnuDravenholt_Click);

    QMenu* help = addMenu("mnuHelp", tr("&Help"));
    addItem(help, QStringLiteral("mnuContents"), tr("&Contents and Index"), false,
            &MainWindow::mnuContents_Click);
    addSeparator(help, "mnuSep2");
    addItem(help, QStringLiteral("mnuAbout"), tr("&About Quorrel Baccarat"), false,
            &MainWindow::mnuAbout_Click);
}

QToolBar* MainWindow::CreateToolbar(const QString& name, int iconSize) {
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(name);
    toolbar->setWindowTitle(name == QLatin1String("tlbrMDIForm1") ? tr("Large buttons")
                                                                  : tr("Small buttons"));
    toolbar->setIconSize(QSize(iconSize, iconSize));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setEnabled(false);
    addToolBar(Qt::TopToolBarArea, toolbar);
    for (const ButtonInfo& info : Buttons) {
        if (!info.key) {
            toolbar->addSeparator();
            continue;
        }
        const QString key = QLatin1String(info.key);
        QAction* button = toolbar->addAction(ToolbarIcon(key), tr(info.toolTip));
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(tr(info.toolTip));
        button->setCheckable(info.check);
        connect(button, &QAction::triggered, this, [this, toolbar, button] {
            if (toolbar == tlbrMDIForm1_) {
                tlbrMDIForm1_ButtonClick(button);
            } else {
                tlbrMDIForm2_ButtonClick(button);
            }
        });
    }
    return toolbar;
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
    // Every card that leaves the shoe reaches the cards-dealt windows.
    TheShoe().SetListener(&TheCardsDealtWindows());
    ChooseToolbar(IsOn(ReadIni(QStringLiteral("Options"), QStringLiteral("Large Buttons")).toStdString()));
    PaintBackground();
    RestorePosition();
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

void MainWindow::RestorePosition() {
    const int top = ReadTwips(MainWindowSection, "Top");
    const int left = ReadTwips(MainWindowSection, "Left");
    const int height = ReadTwips(MainWindowSection, "Height");
    const int width = ReadTwips(MainWindowSection, "Width");
    move(Px(left), Px(top));
    if (height > 0 && width > 0) {
        resize(Px(width), Px(height));
    } else {
        resize(DesignSize());
    }
}

void MainWindow::SavePosition() {
    WriteTwips(MainWindowSection, "Top", Twips(pos().y()));
    WriteTwips(MainWindowSection, "Left", Twips(pos().x()));
    WriteTwips(MainWindowSection, "Height", Twips(height()));
    WriteTwips(MainWindowSection, "Width", Twips(width()));
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
    SavePosition();
    TheCardsDealtWindows().CloseWindows();
    if (TableWindow* table = TheTable(); table && !table->Frame()->close()) {
        return false;
    }
    if (MarkingCardWindow* card = TheMarkCard()) {
        card->Frame()->close();
    }
    CloseStatistics();
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

void MainWindow::ShowOption(Option option) {
    const bool on = Flag(option);
    MenuItem(QLatin1String(Info(option).menuName))->setChecked(on);
    if (QAction* button = ToolbarButton(QLatin1String(Info(option).key))) {
        button->setChecked(on);
    }
}

void MainWindow::ToggleOption(Option option) {
    // The flag is the reference: a menu item or a button has already changed its own state when its
    // click arrives, so the new state is taken from the flag, not from the control.
    const OptionInfo& info = Info(option);
    const bool on = !Flag(option);
    MenuItem(QLatin1String(info.menuName))->setChecked(on);
    WriteIni(QLatin1String(info.section), QLatin1String(info.settingKey), QLatin1String(BoolText(on)));
    Flag(option) = on;
    if (option == Option::CardsDealt || option == Option::CardsDealtCount) {
        ApplyCardsDealtWindows(option);
    }
    ShowOption(option);
}

void MainWindow::ApplyCardsDealtWindows(Option option) {
    if (option == Option::CardsDealt) {
        TheCardsDealtWindows().SetCardsDealtOption(Settings().CardsDealt);
    } else {
        TheCardsDealtWindows().SetCardsDealtCountOption(Settings().CardsDealtCount);
    }
}

void MainWindow::LoadOption(Option option) {
    const OptionInfo& info = Info(option);
    Flag(option) = IsOn(ReadIni(QLatin1String(info.section), QLatin1String(info.settingKey)).toStdString());
    ShowOption(option);
    if (option == Option::CardsDealt || option == Option::CardsDealtCount) {
        ApplyCardsDealtWindows(option);
    }
}

void MainWindow::prcCardFaceUpDown() {
    ToggleOption(Option::CardFaceUp);
}
void MainWindow::prcShowCardValues() {
    ToggleOption(Option::CardValues);
}
void MainWindow::prcShowCardsDealt() {
    ToggleOption(Option::CardsDealt);
}
void MainWindow::prcShowCardsDealtCount() {
    ToggleOption(Option::CardsDealtCount);
}
void MainWindow::prcShowScore() {
    ToggleOption(Option::ShowScore);
}
void MainWindow::prcShowNaturals() {
    ToggleOption(Option::ShowNaturals);
}
void MainWindow::prcDelay() {
    ToggleOption(Option::Delay);
}
void MainWindow::prcAnimation() {
    ToggleOption(Option::Animation);
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
        ShowOption(Option::PlayerBlue); // undo the click on the menu item or the button
        return;
    }
    ToggleOption(Option::PlayerBlue);
}

void MainWindow::PressDeckButton(QAction* button) {
    for (int decks : ShoeSizes) {
        if (QAction* other = ToolbarButton(DeckKey(decks))) {
            other->setChecked(other == button);
        }
    }
}

void MainWindow::ShowDeckMenuChecks() {
    const int checked = ShoeSizeIndex(TheShoe().DeckCount);
    for (int index = 0; index < static_cast<int>(ShoeSizes.size()); ++index) {
        MenuItem(DeckMenuName(index))->setChecked(index == checked);
    }
}

void MainWindow::prcDecks(int decks, QAction* button) {
    TheShoe().DeckCount = decks;
    ShowDeckMenuChecks();
    WriteIni(QStringLiteral("Shoe Size"), QStringLiteral("Decks"), QString::fromStdString(NumberText(decks)));
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
    if (index < 0 || index >= static_cast<int>(ShoeSizes.size())) {
        return;
    }
    if (!ConfirmShoeChange()) {
        ShowDeckMenuChecks(); // the click checked the item; put the checks back
        return;
    }
    const int decks = ShoeSizes[index];
    prcDecks(decks, ToolbarButton(DeckKey(decks)));
}

void MainWindow::ShowRevealMode() {
    const bool arrows = Settings().RevealArrows;
    MenuItem(QStringLiteral("mnuArrows"))->setChecked(arrows);
    MenuItem(QStringLiteral("mnuHands"))->setChecked(!arrows);
    ToolbarButton(QStringLiteral("RevealArrows"))->setChecked(arrows);
    ToolbarButton(QStringLiteral("RevealHands"))->setChecked(!arrows);
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
    WriteIni(QStringLiteral("Reveal"), QStringLiteral("Arrows"), QLatin1String(BoolText(arrows)));
    ShowRevealMode();
}

void MainWindow::prcStatistics() {
    const bool shown = !Settings().StatisticsShown;
    Settings().StatisticsShown = shown;
    MenuItem(QStringLiteral("mnuStatistics"))->setChecked(shown);
    ToolbarButton(QStringLiteral("Statistics"))->setChecked(shown);
    if (shown) {
        if (StatisticsWindow* statistics = OpenStatistics()) {
            statistics->RefreshStatistics();
        }
    } else {
        CloseStatistics();
    }
}

void MainWindow::prcSetMenusAndButtons() {
    for (Option option : {Option::CardFaceUp, Option::CardValues, Option::CardsDealt, Option::CardsDealtCount,
                          Option::ShowScore, Option::ShowNaturals, Option::PlayerBlue}) {
        LoadOption(option);
    }

    int decks = static_cast<int>(RoundHalfAway(
        LeadingNumber(ReadIni(QStringLiteral("Shoe Size"), QStringLiteral("Decks")).toStdString())));
    if (decks < SmallestShoe || decks > LargestShoe) {
        decks = DefaultShoe;
    }
    TheShoe().DeckCount = decks;
    if (ShoeSizeIndex(decks) >= 0) {
        prcDecks(decks, ToolbarButton(DeckKey(decks)));
    } else {
        // A size the menus do not offer is still used for the next shoe; nothing shows as chosen.
        pressedDeckButton_ = nullptr;
        ShowDeckMenuChecks();
        PressDeckButton(nullptr);
    }

    LoadOption(Option::Delay);
    LoadOption(Option::Animation);
    ToolbarButton(QStringLiteral("Statistics"))
        ->setChecked(MenuItem(QStringLiteral("mnuStatistics"))->isChecked());
    timer1_->start();
}

void MainWindow::Timer1_Timer() {
    timer1_->stop();
    const int decks = TheShoe().DeckCount;
    if (ShoeSizeIndex(decks) >= 0) {
        prcDecks(decks, ToolbarButton(DeckKey(decks)));
    }
    Settings().RevealArrows = IsOn(ReadIni(QStringLiteral("Reveal"), QStringLiteral("Arrows")).toStdString());
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
    WriteIni(QStringLiteral("Options"), QStringLiteral("Large Buttons"), QLatin1String(BoolText(large)));
    ChooseToolbar(large);
    prcSetMenusAndButtons();
}

void MainWindow::mnuDravenholt_Click() {
    OpenWebSite(MakerWebSite, ProgramTitle, this);
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
    const QString key = button->objectName();
    if (key == QLatin1String("CardFaceUp")) {
        prcCardFaceUpDown();
    } else if (key == QLatin1String("CardValues")) {
        prcShowCardValues();
    } else if (key == QLatin1String("CardsDealt")) {
        prcShowCardsDealt();
    } else if (key == QLatin1String("CardsDealtCount")) {
        prcShowCardsDealtCount();
    } else if (key == QLatin1String("ShowScore")) {
        prcShowScore();
    } else if (key == QLatin1String("ShowNaturals")) {
        prcShowNaturals();
    } else if (key == QLatin1String("PlayerBlue")) {
        prcPlayerBlue();
    } else if (key.startsWith(QLatin1String("Decks")) && ShoeSizeIndex(key.mid(5).toInt()) >= 0) {
        prcDecksButtonWarning(key.mid(5).toInt(), button);
    } else if (key == QLatin1String("Delay")) {
        prcDelay();
    } else if (key == QLatin1String("Animation")) {
        prcAnimation();
    } else if (key == QLatin1String("RevealArrows") || key == QLatin1String("RevealHands")) {
        prcSetRevealIcons();
    } else if (key == QLatin1String("Statistics")) {
        prcStatistics();
    }
}

// ---- The one main window ---------------------------------------------------------------------------

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
