#include "Roads.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>

namespace {

// A whole road as RoadText prints it, from its top rows; rows not given are empty.
std::string Grid(std::initializer_list<const char*> rows) {
    const std::size_t width = rows.size() == 0 ? 0 : std::string(*rows.begin()).size();
    std::string text;
    for (const char* row : rows) {
        text += std::string(row) + "\n";
    }
    for (std::size_t r = rows.size(); r < bacc::RoadRows; ++r) {
        text += std::string(width, '.') + "\n";
    }
    return text;
}

struct RoadCase {
    const char* name;
    const char* results;
    // Expected drawings, worked by hand from the rules in Roads.h; nullopt: not checked here.
    std::optional<std::string> bead, big, bigEyeBoy, smallRoad, cockroachPig;
};

class HandWorkedRoads : public testing::TestWithParam<RoadCase> {};

TEST_P(HandWorkedRoads, DrawAsWorkedByHand) {
    const RoadCase& c = GetParam();
    const bacc::Roads roads = bacc::BuildRoads(c.results);
    const std::pair<const std::optional<std::string>&, const bacc::RoadGrid&> drawn[] = {
        {c.bead, roads.BeadPlate},
        {c.big, roads.BigRoad},
        {c.bigEyeBoy, roads.Of(bacc::DerivedRoad::BigEyeBoy)},
        {c.smallRoad, roads.Of(bacc::DerivedRoad::SmallRoad)},
        {c.cockroachPig, roads.Of(bacc::DerivedRoad::CockroachPig)}};
    for (std::size_t road = 0; road < 5; ++road) {
        if (drawn[road].first) {
            EXPECT_EQ(bacc::RoadText(drawn[road].second), *drawn[road].first) << "road " << road;
        }
    }
}

const std::string None = Grid({});

INSTANTIATE_TEST_SUITE_P(
    Shoes, HandWorkedRoads,
    testing::Values(
        RoadCase{"Empty", "", None, None, None, None, None},
        // The example of Roads.h.
        RoadCase{"WorkedExample", "BBPPPBTPBBB", Grid({"BT", "BP", "PB", "PB", "PB", "B."}),
                 Grid({"BPbPB", "BP..B", ".P..B"}), Grid({"RURUR", ".U...", ".U..."}),
                 Grid({"UR", "U.", "U."}), Grid({"UR", ".R"})},
        RoadCase{"TiesBeforeTheFirstDecidedHand", "TTBP", Grid({"T", "T", "B", "P"}), Grid({"bP"}), None,
                 None, None},
        RoadCase{"TiesOnly", "TTT", Grid({"T", "T", "T"}), Grid({"T"}), None, None, None},
        RoadCase{"TiesOnTheCellBefore", "BTTPT", Grid({"B", "T", "T", "P", "T"}), Grid({"bp"}), None, None,
                 None},
        // Eight Bankers: six down, two along the bottom row; the Player starts the second column.
        RoadCase{"DragonTail", "BBBBBBBBP", Grid({"BB", "BB", "BP", "B.", "B.", "B."}),
                 Grid({"BP.", "B..", "B..", "B..", "B..", "BBB"}), None, None, None},
        // The six Players meet the Bankers' tail in row 6 and turn along row 5.
        RoadCase{"TailBlockedByAnOccupiedCell", "BBBBBBBBPPPPPPB", std::nullopt,
                 Grid({"BPB", "BP.", "BP.", "BP.", "BPP", "BBB"}), Grid({"RU", "R.", "R.", "R.", "R."}), None,
                 None},
        // Tails nested down to row 1, where the last streak's start moves past the tail.
        RoadCase{"TailsNestedToTheTopRow", "BBBBBBBPPPPPPBBBBBPPPPBBBPPB", std::nullopt,
                 Grid({"BPBPBPPB", "BPBPBB..", "BPBPP...", "BPBB....", "BPP.....", "BB......"}), std::nullopt,
                 std::nullopt, std::nullopt},
        RoadCase{"Alternating", "BPBPBP", Grid({"B", "P", "B", "P", "B", "P"}), Grid({"BPBPBP"}),
                 Grid({"R", "R", "R", "R"}), Grid({"R", "R", "R"}), Grid({"R", "R"})},
        // Derived roads whose column k+1 has two cells start in its second row.
        RoadCase{"BigEyeBoyStartsInRowTwo", "BPP", std::nullopt, Grid({"BP", ".P"}), Grid({"U"}), None, None},
        RoadCase{"SmallRoadStartsInRowTwo", "BPPBB", std::nullopt, Grid({"BPB", ".PB"}), Grid({"UR", "U."}),
                 Grid({"U"}), None},
        RoadCase{"CockroachPigStartsInRowTwo", "BPPBBPP", Grid({"BP", "P.", "P.", "B.", "B.", "P."}),
                 Grid({"BPBP", ".PBP"}), Grid({"UR", "UR", ".R"}), Grid({"UR", "U."}), Grid({"U"})},
        // A derived road's own dragon tail: seven reds.
        RoadCase{"DerivedRoadTail", "PBBBBBBBBB", Grid({"PB", "BB", "BB", "BB", "B.", "B."}),
                 Grid({"PB...", ".B...", ".B...", ".B...", ".B...", ".BBBB"}),
                 Grid({"UR.", ".R.", ".R.", ".R.", ".R.", ".RR"}), None, None}),
    [](const testing::TestParamInfo<RoadCase>& info) { return std::string(info.param.name); });

// Ties are counted on the cell before them, in the dragon tail too; an unknown result is skipped.
TEST(Roads, TiesAreCountedOnTheirCell) {
    const bacc::Roads roads = bacc::BuildRoads("TBBBBBBBTTPx");
    EXPECT_EQ(roads.LeadingTies, 1);
    ASSERT_EQ(roads.BigRoad.Cells.size(), 8u);
    EXPECT_EQ(roads.BigRoad.Cells[0].Ties, 1);
    EXPECT_EQ(roads.BigRoad.Cells[6].Ties, 2);
    EXPECT_EQ(roads.BeadPlate.Cells.size(), 11u);
}

// What a road is asked to get is what it gets when that hand comes, at every hand of a long shoe.
TEST(Roads, AskingRoadsForeseeTheNextEntry) {
    const std::string shoe = "BPPBBBTPBPPPPBBPBTBBPPBPBBBBBBBPPTPBPBBPPPBPPPPPPPBBTBPBPBBPP";
    for (std::size_t hands = 0; hands < shoe.size(); ++hands) {
        const bacc::Roads before = bacc::BuildRoads(shoe.substr(0, hands));
        for (const bacc::RoadMark next : {bacc::RoadMark::Banker, bacc::RoadMark::Player}) {
            const bacc::Roads after =
                bacc::BuildRoads(shoe.substr(0, hands) + (next == bacc::RoadMark::Banker ? 'B' : 'P'));
            const bacc::AskedMarks asked = bacc::AskRoads(before, next);
            for (std::size_t road = 0; road < 3; ++road) {
                const auto& marks = after.DerivedMarks[road];
                const bool entered = marks.size() > before.DerivedMarks[road].size();
                EXPECT_EQ(asked[road].has_value(), entered) << hands << " hands, road " << road;
                if (entered && asked[road]) {
                    EXPECT_EQ(*asked[road], marks.back()) << hands << " hands, road " << road;
                }
            }
        }
    }
}

} // namespace
