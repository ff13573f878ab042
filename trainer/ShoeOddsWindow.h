#pragma once

#include "ChildWindow.h"
#include "GameListener.h"

#include <array>

class QLabel;

namespace bacc {

struct HandOdds;

// The exact chances of the next hand from the cards still in the shoe, and what each bet is worth at
// the table's odds. A bet worth more than it costs is highlighted. Follows the table's game: after the
// burn and after every hand once the player has seen it.
class ShoeOddsWindow : public ChildWindow, public GameListener {
    Q_OBJECT
public:
    explicit ShoeOddsWindow(QWidget* parent = nullptr);
    ~ShoeOddsWindow() override;

    void Refresh();
    void ShoeStarted() override { Refresh(); }
    void HandSettled(const HandRecord& /*record*/) override { Refresh(); }
    void ShoeFinished() override { Refresh(); }

private:
    void ShowOdds(const HandOdds& odds);

    QLabel* cardsLeft_ = nullptr;
    QLabel* penetration_ = nullptr;
    QLabel* natural_ = nullptr;
    // Banker, Player, Tie.
    std::array<QLabel*, 3> spot_{};
    std::array<QLabel*, 3> chance_{};
    std::array<QLabel*, 3> value_{};
};

// The window, opened at its stored place when it is not open.
ShoeOddsWindow* OpenShoeOdds();
ShoeOddsWindow* TheShoeOdds();

} // namespace bacc
