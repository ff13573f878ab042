#pragma once

#include "ChildWindow.h"
#include "GameListener.h"
#include "RoadTrends.h"
#include "Roads.h"

#include <string>

class QLabel;

namespace bacc {

// The five scoreboards of an Asian casino, drawn from the results of the running shoe: the big road
// across the top, the bead plate under it on the left, the three derived roads on the right, and the
// asking roads (what the derived roads would get from a Banker or a Player next) under the bead plate.
// Each road keeps its own latest columns in view and can be scrolled back on its own; the cells grow
// with the window. Under the board, the shoe's trends are weighed against chance. It follows the
// table's game: the roads grow with every hand the player has seen.
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
    const RoadTrends& Trends() const { return trends_; }

    // The roads in the order the board lays them out; the scroll bar of each is "hsb" + its name
    // without spaces.
    enum Road { BeadPlate, BigRoad, BigEyeBoy, SmallRoad, CockroachPig, RoadCount };
    const RoadGrid& Grid(Road road) const;
    // Where a road's cells are drawn on the board, and the size of one cell.
    QRect RoadArea(Road road) const;
    int CellSize(Road road) const;

private:
    class Board;
    void ShowRoads();

    std::string results_;
    Roads roads_;
    RoadTrends trends_;
    Board* board_ = nullptr;
    QLabel* decided_ = nullptr;
    QLabel* bankerRun_ = nullptr;
    QLabel* playerRun_ = nullptr;
    QLabel* bankerChance_ = nullptr;
    QLabel* playerChance_ = nullptr;
    QLabel* columns_ = nullptr;
    QLabel* expectedColumns_ = nullptr;
};

RoadsWindow* OpenRoads();
RoadsWindow* TheRoads();

} // namespace bacc
