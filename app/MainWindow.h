#pragma once

#include <span>

#include <QMainWindow>
#include <QPointer>

class QAction;
class QActionGroup;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace bacc {

// The main window: a frame that holds the table and the side windows, with the menus and the two
// toolbars through which every option is changed. Each option is kept three ways at once: the flag in
// Settings(), the menu check with the toolbar button, and the settings file.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Finds the settings file, lays out the window, opens the table and sets every option from the
    // file, then closes the start screen. False when the settings file is missing (the caller ends).
    bool MDIForm_Load();
    // Stores the window's position and closes the child windows. False when the table refuses because
    // a deal is running; then nothing is closed and the program goes on.
    bool MDIForm_Unload();

    // Menu items.
    void mnuExit_Click();
    void mnuCardFaceUpDown_Click();
    void mnuShowCardValues_Click();
    void mnuShowCardsDealt_Click();
    void mnuShowCardsDealtCount_Click();
    void mnuShowScore_Click();
    void mnuShowNaturals_Click();
    void mnuPlayerBlue_Click();
    void mnuShoeSizeDecks_Click(int index);
    void mnuDealDelay_Click();
    void mnuDealAnimation_Click();
    void mnuLargeButtons_Click();
    void mnuArrows_Click();
    void mnuHands_Click();
    void mnuStatistics_Click();
    void mnuDravenholt_Click();
    void mnuStrategyLab_Click();
    void mnuShoeOdds_Click();
    void mnuRoads_Click();
    void mnuCoach_Click();
    void mnuWindowTable_Click();
    void mnuWindowMarkCard_Click();
    void mnuWindowCardsDealt_Click();
    void mnuWindowCardsDealtCount_Click();
    void mnuWindowStatistics_Click();
    void mnuWindowStrategyLab_Click();
    void mnuWindowShoeOdds_Click();
    void mnuWindowRoads_Click();
    void mnuWindowCoach_Click();
    void mnuContents_Click();
    void mnuAbout_Click();

    // Toolbar buttons: the small toolbar passes its clicks on to the large one's handler, which picks
    // the procedure by the button's key.
    void tlbrMDIForm1_ButtonClick(QAction* button);
    void tlbrMDIForm2_ButtonClick(QAction* button);

    // One timer tick after the options were set: the shoe-size button and the reveal mode.
    void Timer1_Timer();

    // Option procedures.
    void prcCardFaceUpDown();
    void prcShowCardValues();
    void prcShowCardsDealt();
    void prcShowCardsDealtCount();
    void prcShowScore();
    void prcShowNaturals();
    void prcPlayerBlue();
    void prcDecksButtonWarning(int decks, QAction* button);
    void prcDecks(int decks, QAction* button);
    void prcSetRevealIcons();
    void prcStatistics();
    void prcSetMenusAndButtons();
    void prcDelay();
    void prcAnimation();

    QToolBar* ActiveToolbar() const { return activeToolbar_; }
    QAction* PressedDeckButton() const { return pressedDeckButton_; }
    // The button with this key on the given toolbar (the active one when none is named).
    QAction* ToolbarButton(const QString& key, QToolBar* toolbar = nullptr) const;
    QAction* MenuItem(const QString& name) const;
    QTimer* Timer1() const { return timer1_; }
    QMdiArea* ClientArea() const { return clientArea_; }

    // The size the window opens at when the settings file holds none.
    static QSize DesignSize();

    // The control table: every menu item with its button, tool tip, settings key and option flag.
    struct Control;
    static std::span<const Control> Controls();
    // The row for a menu item or a toolbar button.
    static const Control& Row(const char* name);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolbars();
    void PaintBackground();
    void ChooseToolbar(bool large);

    // Inverts one on/off option: menu check, settings key and flag, then the pressed state of its button.
    void ToggleOption(const Control& row);
    // The menu check and the toolbar button shown as the flag says.
    void ShowOption(const Control& row);
    // Reads one option's key and sets its flag, check and button to match.
    void LoadOption(const Control& row);
    // Applies the list and count windows after CardsDealt or CardsDealtCount changed.
    void ApplyCardsDealtWindows(const Control& row);
    bool ShoeRunning() const;
    bool ConfirmShoeChange();
    void ShowRevealMode();
    void PressDeckButton(QAction* button);
    // The toolbar button of a shoe size the menus offer; nullptr for any other size.
    QAction* DeckButton(int decks) const;
    void ShowDeckMenuChecks();
    // Opens the statistics window and follows it, so that its close box turns the option off.
    void OpenStatisticsWindow();
    void StatisticsClosed();

    QMdiArea* clientArea_ = nullptr;
    QToolBar* tlbrMDIForm1_ = nullptr;
    QToolBar* tlbrMDIForm2_ = nullptr;
    QToolBar* activeToolbar_ = nullptr;
    QActionGroup* deckItems_ = nullptr;
    QActionGroup* deckButtons_ = nullptr;
    QPointer<QAction> pressedDeckButton_;
    QTimer* timer1_ = nullptr;
    bool unloaded_ = false;
};

// Ties the windows that follow the table's game whether open or not (the cards-dealt windows, the
// marking card) to the shoe and the game. The main window does it as it loads.
void FollowTheTableGame();

// The one main window, while it exists.
MainWindow* TheMainWindow();
// Creates, loads and shows the main window; nullptr when the load failed (the program then ends).
MainWindow* OpenMainWindow();

} // namespace bacc
