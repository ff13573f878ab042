#pragma once

// The scoreboards of Asian casinos, computed from a shoe's results: the bead plate, the big road and
// the three roads derived from it. A plain grid model for the window to draw.
//
// Every road is six rows high. Columns and rows of the grid model count from 0, row 0 at the top; the
// rules below count both from 1, as players do.
//
// Bead plate: one cell per hand, ties included, filled column by column from the top.
//
// Big road: one cell per hand that Banker or Player won. A logical column is a streak: it holds the
// consecutive wins of one side and a new one begins whenever the winner changes. A tie is no cell: it
// is counted on the cell of the hand before it. Ties before the first decided hand are counted on the
// first cell; until that hand comes the road shows them on a single tie cell, which is not a column of
// the road.
//
// Drawing a road (the big road and the three derived ones alike): a streak begins in row 1 of the
// column right after the one where the previous streak began (further right if an earlier tail holds
// that cell). Each next cell goes one row down; when that would leave row 6 or land on a cell already
// drawn, it goes one column right on the same row instead, and the rest of the streak follows that row
// (the dragon tail). The derived roads read the logical columns, never the drawn tail.
//
// Derived roads, with k = 1 for big eye boy, 2 for small road, 3 for cockroach pig, and L(c) the length
// of logical column c of the big road:
//   - the first entry is made for the big-road cell in row 2 of column k+1, or for the first cell of
//     column k+2 when column k+1 has a single cell; from then on every big-road cell makes one entry;
//   - a cell that begins column c (row 1) is red when L(c-1) = L(c-1-k), blue otherwise;
//   - a cell in row r >= 2 of column c is red when L(c-k) >= r, blue when L(c-k) = r-1, and red when
//     L(c-k) < r-1;
//   - red marks repetition, blue change; a derived road starts a new streak at each change of colour.
//
// Worked example, the results B B P P P B T P B B B (R red, U blue):
//   big road columns B2, P3, B1 (one tie on it), P1, B3; L = 2, 3, 1, 1, 3.
//   big eye boy: from (column 2, row 2): L(1)=2 >= 2 R; (2,3) L(1)=2 = 3-1 U; (3,1) L(2)=3 against
//     L(1)=2 U; (4,1) 1 against 3 U; (5,1) L(4)=1 against L(3)=1 R; (5,2) L(4)=1 = 2-1 U; (5,3)
//     L(4)=1 < 3-1 R: R U U U R U R.
//   small road: column 3 has one cell, so from (4,1): L(3)=1 against L(1)=2 U; (5,1) 1 against 3 U;
//     (5,2) L(3)=1 = 2-1 U; (5,3) L(3)=1 < 2 R: U U U R.
//   cockroach pig: from (5,1): L(4)=1 against L(1)=2 U; (5,2) L(2)=3 >= 2 R; (5,3) 3 >= 3 R: U R R.
// Asked next: a Banker would be row 4 of column 5: big eye boy L(4)=1 < 4-1 R, small road L(3)=1 R,
//   cockroach pig L(2)=3 = 4-1 U; a Player would begin column 6: 3 against L(4)=1 U, against L(3)=1 U,
//   against L(2)=3 R.
// Drawn (RoadText; '.' empty, a lower-case letter a big-road cell carrying ties):
//   bead plate  BT      big road  BPbPB    big eye boy  RURUR    small road  UR    cockroach pig  UR
//               BP                BP..B                 .U...                U.                   .R
//               PB                .P..B                 .U...                U.
//               PB
//               PB
//               B.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bacc {

inline constexpr int RoadRows = 6;

enum class RoadMark : std::uint8_t { Banker, Player, Tie, Red, Blue };

struct RoadCell {
    int Column = 0;
    int Row = 0;
    RoadMark Mark = RoadMark::Tie;
    int Ties = 0; // big road: ties counted on this cell
};

struct RoadGrid {
    std::vector<RoadCell> Cells; // in the order they were made
    int Columns = 0;             // columns drawn
};

// A logical column of the big road: one side's streak, and the ties counted on each of its cells.
struct Streak {
    RoadMark Mark = RoadMark::Banker;
    std::vector<int> Ties;
    int Length() const { return static_cast<int>(Ties.size()); }
};

enum class DerivedRoad { BigEyeBoy = 0, SmallRoad = 1, CockroachPig = 2 };

struct Roads {
    RoadGrid BeadPlate;
    RoadGrid BigRoad;
    std::vector<Streak> BigRoadColumns;
    int LeadingTies = 0; // ties before the first decided hand
    // Red and blue entries of each derived road in the order they were made, and their drawings.
    std::array<std::vector<RoadMark>, 3> DerivedMarks;
    std::array<RoadGrid, 3> Derived;

    const RoadGrid& Of(DerivedRoad road) const { return Derived[static_cast<std::size_t>(road)]; }
};

// results: 'B', 'P' or 'T' per hand; any other character is skipped.
Roads BuildRoads(std::string_view results);

// The asking roads of a scoreboard: the entry each derived road (in DerivedRoad order) would get if the
// next hand were won by next (Banker or Player); none for a road that would get no entry yet. Ties
// change no road, so they are not asked.
using AskedMarks = std::array<std::optional<RoadMark>, 3>;
AskedMarks AskRoads(const Roads& roads, RoadMark next);

// Six lines, each ending in '\n', of one character per column: 'B' Banker, 'P' Player, 'T' tie (a bead
// or the big road's lone tie cell), 'R' red, 'U' blue, '.' empty. A big-road cell carrying ties shows
// its letter in lower case.
std::string RoadText(const RoadGrid& grid);

} // namespace bacc
