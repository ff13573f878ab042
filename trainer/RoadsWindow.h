#pragma once

#include "ChildWindow.h"
#include "GameListener.h"
#include "Roads.h"

#include <string>

class QScrollArea;

namespace bacc {

// The five scoreboards of an Asian casino, drawn from the results of the running shoe: the bead
// plate, the big road and its three derived roads. Follows the shoe hand by hand, and is drawn again
// from the shoe's results when it is opened in mid-shoe.
class RoadsWindow : public ChildWindow, public GameListener {
    Q_OBJECT
public:
    explicit RoadsWindow(QWidget* parent = nullptr);
    ~RoadsWindow() override;

    void Refresh();
    void ShoeStarted() override { Refresh(); }
    void HandSettled(const HandRecord& /*record*/) override { Refresh(); }
    // The results the roads are drawn from, "B", "P" and "T" in dealing order.
    const std::string& Results() const { return results_; }
    const Roads& Drawn() const { return roads_; }

private:
    class Board;
    std::string results_;
    Roads roads_;
    Board* board_ = nullptr;
    QScrollArea* scroll_ = nullptr;
};

RoadsWindow* OpenRoads();
RoadsWindow* TheRoads();

} // namespace bacc
