#pragma once

#include "ChildWindow.h"
#include "Coach.h"
#include "GameListener.h"

#include <array>

class QChartView;
class QGridLayout;
class QLabel;
class QLineSeries;
class QValueAxis;

namespace bacc {

// Tells luck from choice for both seats: every settled hand's bets weighed on the exact odds of the
// cards left before it, against what they made, since the window was opened or reset. A chart per seat
// follows the winnings against the expected line and its one and two standard-deviation bands.
class CoachWindow : public ChildWindow, public GameListener {
    Q_OBJECT
public:
    explicit CoachWindow(QWidget* parent = nullptr);
    ~CoachWindow() override;

    void HandSettled(const HandRecord& record) override;
    void cmdReset_Click();

    const Coach& Figures() const { return coach_; }

private:
    // One seat's figures and chart.
    struct SeatView {
        QLabel* handsBet = nullptr;
        QLabel* wagered = nullptr;
        QLabel* won = nullptr;
        QLabel* expected = nullptr;
        QLabel* luck = nullptr;
        QLabel* luckDeviations = nullptr;
        QLabel* edgePaid = nullptr;
        QLabel* bestEdge = nullptr;
        QLabel* choice = nullptr;
        QLabel* lastHand = nullptr;
        QChartView* chart = nullptr;
        QLineSeries* wonLine = nullptr;
        QLineSeries* expectedLine = nullptr;
        // Lower and upper edges of the +-1 and +-2 standard-deviation bands.
        std::array<QLineSeries*, 4> bands{};
        QValueAxis* hands = nullptr;
        QValueAxis* dollars = nullptr;
        double low = 0;
        double high = 0;
    };

    void BuildSeat(int seat, QGridLayout* grid);
    void ShowFigures(int seat);
    void AddPoint(int seat, int hand, const CoachPoint& point);
    void ClearChart(int seat);

    Coach coach_;
    std::array<SeatView, 2> seats_{};
};

// The window, opened at its stored place when it is not open.
CoachWindow* OpenCoach();
CoachWindow* TheCoach();

} // namespace bacc
