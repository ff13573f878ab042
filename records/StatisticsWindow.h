#pragma once

#include "ChildWindow.h"
#include "GameListener.h"

#include <array>

class QLabel;
class QPushButton;

namespace bacc {

class FocusChecks;
class MaskedEdit;

// The players' long-term statistics: hands and shoes played, and for each seat the initial stake, the
// current money, the winnings and the turnover, all kept in the settings file. The stakes are edited
// here and everything can be reset to zero. While open it follows the table's game deal by deal.
class StatisticsWindow : public ChildWindow, public GameListener {
    Q_OBJECT
public:
    explicit StatisticsWindow(QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    // Places the window where it was last closed and fills it.
    void Form_Load();
    // Fills the whole window from the settings file.
    void RefreshStatistics();
    // Follows the table's game: filled again once a deal has stored all its hands.
    void DealEnded() override { RefreshStatistics(); }

    void mskSteak_GotFocus(int index);
    void mskSteak_LostFocus(int index);
    void cmdResetStats_Click();

signals:
    // The window has been closed and is going away.
    void Unloaded();

protected:
    bool Form_Unload() override;

private:
    void BuildControls();
    // Stores the stake of a seat and shows the money it gives, here and on the table.
    void StoreSteak(int index);
    void SetSteakAmount(int index, long long amount);

    FocusChecks* focusChecks_;
    bool unloaded_ = false; // the fields are stored; the focus leaving them on close checks nothing
    QLabel* lblHandsPlayed_ = nullptr;
    std::array<QLabel*, 5> lblShoesPlayedDecks_{};
    std::array<MaskedEdit*, 2> mskSteak_{};
    std::array<QLabel*, 2> steakShown_{}; // the stake in the money format while its field is not edited
    std::array<QLabel*, 2> lblCurrentMoney_{};
    std::array<QLabel*, 2> lblWinningsStat_{};
    std::array<QLabel*, 2> lblTurnover_{};
    QPushButton* cmdResetStats_ = nullptr;
};

// The statistics window while it is open, else nullptr.
StatisticsWindow* TheStatistics();
// Opens the window (loading it when it is not open) and answers it.
StatisticsWindow* OpenStatistics();
// Closes the window when it is open; closing runs its unload.
void CloseStatistics();

} // namespace bacc
