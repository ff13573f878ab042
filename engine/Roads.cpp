#include "Roads.h"

#include <optional>

namespace bacc {

namespace {

// Which cells of a road are drawn, growing to the right as needed.
class Occupancy {
public:
    bool Taken(int column, int row) const {
        return column < static_cast<int>(columns_.size()) &&
               columns_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    }
    void Take(int column, int row) {
        if (column >= static_cast<int>(columns_.size())) {
            columns_.resize(static_cast<std::size_t>(column) + 1);
        }
        columns_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = true;
    }
    int Columns() const { return static_cast<int>(columns_.size()); }

private:
    std::vector<std::array<bool, RoadRows>> columns_;
};

// Draws streaks down their columns with dragon tails. ties[s][i], when given, is put on cell i of
// streak s.
RoadGrid Draw(const std::vector<RoadMark>& marks, const std::vector<int>& lengths,
              const std::vector<Streak>* ties) {
    RoadGrid grid;
    Occupancy taken;
    int start = -1;
    for (std::size_t s = 0; s < marks.size(); ++s) {
        int column = start + 1;
        while (taken.Taken(column, 0)) {
            ++column;
        }
        start = column;
        int row = 0;
        bool tail = false;
        for (int i = 0; i < lengths[s]; ++i) {
            if (i > 0) {
                if (!tail && row + 1 < RoadRows && !taken.Taken(column, row + 1)) {
                    ++row;
                } else {
                    tail = true;
                    ++column;
                    while (taken.Taken(column, row)) {
                        ++column;
                    }
                }
            }
            taken.Take(column, row);
            const int cellTies = ties ? (*ties)[s].Ties[static_cast<std::size_t>(i)] : 0;
            grid.Cells.push_back({column, row, marks[s], cellTies});
        }
    }
    grid.Columns = taken.Columns();
    return grid;
}

RoadGrid DrawStreaks(const std::vector<Streak>& streaks) {
    std::vector<RoadMark> marks;
    std::vector<int> lengths;
    for (const Streak& streak : streaks) {
        marks.push_back(streak.Mark);
        lengths.push_back(streak.Length());
    }
    return Draw(marks, lengths, &streaks);
}

// A derived road's entries drawn as a road of their own: a new streak at each change of colour.
RoadGrid DrawEntries(const std::vector<RoadMark>& entries) {
    std::vector<RoadMark> marks;
    std::vector<int> lengths;
    for (RoadMark mark : entries) {
        if (marks.empty() || marks.back() != mark) {
            marks.push_back(mark);
            lengths.push_back(0);
        }
        ++lengths.back();
    }
    return Draw(marks, lengths, nullptr);
}

// The entry that the big-road cell in row r of column c makes on derived road k, for the big road's
// column lengths; columns and rows from 1 as in the rules of Roads.h. Column k+1 makes entries from its
// second row on, so when it has a single cell the first entry is the first cell of column k+2.
std::optional<RoadMark> EntryAt(const std::vector<int>& length, int k, int c, int r) {
    const auto L = [&length](int column) { return length[static_cast<std::size_t>(column - 1)]; };
    if (c < k + 1 || (c == k + 1 && r < 2)) {
        return std::nullopt;
    }
    bool red;
    if (r == 1) {
        red = L(c - 1) == L(c - 1 - k);
    } else {
        const int before = L(c - k);
        red = before >= r || before < r - 1;
    }
    return red ? RoadMark::Red : RoadMark::Blue;
}

std::vector<RoadMark> DerivedEntries(const std::vector<int>& length, int k) {
    std::vector<RoadMark> entries;
    for (int c = 1; c <= static_cast<int>(length.size()); ++c) {
        for (int r = 1; r <= length[static_cast<std::size_t>(c - 1)]; ++r) {
            if (const auto entry = EntryAt(length, k, c, r)) {
                entries.push_back(*entry);
            }
        }
    }
    return entries;
}

std::vector<int> ColumnLengths(const std::vector<Streak>& columns) {
    std::vector<int> lengths;
    for (const Streak& streak : columns) {
        lengths.push_back(streak.Length());
    }
    return lengths;
}

char MarkChar(RoadMark mark) {
    switch (mark) {
    case RoadMark::Banker:
        return 'B';
    case RoadMark::Player:
        return 'P';
    case RoadMark::Tie:
        return 'T';
    case RoadMark::Red:
        return 'R';
    case RoadMark::Blue:
        return 'U';
    }
    return '?';
}

} // namespace

Roads BuildRoads(std::string_view results) {
    Roads roads;
    int hands = 0;
    for (char result : results) {
        if (result != 'B' && result != 'P' && result != 'T') {
            continue;
        }
        const RoadMark mark = result == 'B'   ? RoadMark::Banker
                              : result == 'P' ? RoadMark::Player
                                              : RoadMark::Tie;
        roads.BeadPlate.Cells.push_back({hands / RoadRows, hands % RoadRows, mark, 0});
        ++hands;

        std::vector<Streak>& columns = roads.BigRoadColumns;
        if (mark == RoadMark::Tie) {
            if (columns.empty()) {
                ++roads.LeadingTies;
            } else {
                ++columns.back().Ties.back();
            }
        } else if (columns.empty()) {
            columns.push_back({mark, {roads.LeadingTies}});
        } else if (columns.back().Mark == mark) {
            columns.back().Ties.push_back(0);
        } else {
            columns.push_back({mark, {0}});
        }
    }
    roads.BeadPlate.Columns = (hands + RoadRows - 1) / RoadRows;

    if (roads.BigRoadColumns.empty()) {
        if (roads.LeadingTies > 0) {
            roads.BigRoad.Cells.push_back({0, 0, RoadMark::Tie, roads.LeadingTies});
            roads.BigRoad.Columns = 1;
        }
        return roads;
    }
    roads.BigRoad = DrawStreaks(roads.BigRoadColumns);

    const std::vector<int> lengths = ColumnLengths(roads.BigRoadColumns);
    for (std::size_t road = 0; road < roads.Derived.size(); ++road) {
        roads.DerivedMarks[road] = DerivedEntries(lengths, static_cast<int>(road) + 1);
        roads.Derived[road] = DrawEntries(roads.DerivedMarks[road]);
    }
    return roads;
}

AskedMarks AskRoads(const Roads& roads, RoadMark next) {
    AskedMarks asked;
    std::vector<int> lengths = ColumnLengths(roads.BigRoadColumns);
    if (lengths.empty()) {
        return asked;
    }
    if (roads.BigRoadColumns.back().Mark == next) {
        ++lengths.back();
    } else {
        lengths.push_back(1);
    }
    const int column = static_cast<int>(lengths.size());
    for (std::size_t road = 0; road < asked.size(); ++road) {
        asked[road] = EntryAt(lengths, static_cast<int>(road) + 1, column, lengths.back());
    }
    return asked;
}

std::string RoadText(const RoadGrid& grid) {
    const auto width = static_cast<std::size_t>(grid.Columns) + 1;
    std::string text(width * RoadRows, '.');
    for (std::size_t row = 0; row < RoadRows; ++row) {
        text[row * width + width - 1] = '\n';
    }
    for (const RoadCell& cell : grid.Cells) {
        char c = MarkChar(cell.Mark);
        if (cell.Ties > 0 && (cell.Mark == RoadMark::Banker || cell.Mark == RoadMark::Player)) {
            c = static_cast<char>(c - 'A' + 'a');
        }
        text[static_cast<std::size_t>(cell.Row) * width + static_cast<std::size_t>(cell.Column)] = c;
    }
    return text;
}

} // namespace bacc
