// The marking card's arithmetic: where each hand is marked, its text and colours, and the column
// totals, each shoe compared as a whole with its expected card.
#include "Marking.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace bacc {
namespace {

// One seat's part of a hand, recorded the way the deal does: HandNumber counts the hand before PLAYER 1
// is recorded, then PLAYER 2 is settled for the same hand.
struct Step {
    char result;
    SeatBets bets{};
    MarkOptions options{};
    HandOutcome hand{};
    int seat = 1;
};

void Record(MarkingState& state, const Step& step) {
    state.HandNumber += step.seat == 1 ? 1 : 0;
    HandOutcome hand = step.hand;
    hand.Result = step.result;
    state.RecordHandResult(step.bets, 10, step.seat, hand, step.options);
}

// Every mark as "column,row result 'text' text-colour outline [oval]", then the units and the column
// totals shown.
std::string Card(const MarkingState& state) {
    static const char* const colours[] = {"plain", "red", "navy", "green"};
    std::ostringstream out;
    for (const Mark& m : state.Marks) {
        out << m.Column << ',' << m.Row << ' ' << m.Result << " '" << m.Text << "' "
            << (m.TextColourSet ? (m.TextRed ? "red" : "plain") : "unset") << ' '
            << colours[static_cast<int>(m.Outline)] << (m.Oval ? " oval" : "") << '\n';
    }
    out << "units " << state.TotalUnits << " totals";
    for (std::size_t c = 0; c < state.ColumnTotals.size(); ++c) {
        if (state.ColumnTotals[c]) {
            out << ' ' << c << ':' << *state.ColumnTotals[c];
        }
    }
    return out.str();
}

struct ShoeCase {
    const char* name;
    bool playerBlue;
    std::vector<Step> steps;
    const char* card;
};

class MarkedShoe : public testing::TestWithParam<ShoeCase> {};

TEST_P(MarkedShoe, GivesItsCard) {
    MarkingState state;
    state.ResetForNewShoe(GetParam().playerBlue);
    for (const Step& step : GetParam().steps) {
        Record(state, step);
    }
    EXPECT_EQ(Card(state), GetParam().card);
}

const MarkOptions Score{true, false}, Naturals{false, true};
const HandOutcome BankerNatural{'B', 3, 8, false, true};

// clang-format off
const ShoeCase Shoes[] = {
    // PLAYER 2's bets are settled but never marked.
    {"AStreakEndsItsColumn", true, {{'B'}, {'B'}, {'P'}, {'P', {0, 2, 0}, {}, {}, 2}},
     "0,1 B '' unset red\n0,2 B '' unset red\n1,1 P '' unset navy\nunits 0 totals"},
    // Ties take rows of their own; a new column starts without them.
    {"Ties", true, {{'B'}, {'T'}, {'T'}, {'P'}, {'T'}, {'P'}},
     "0,1 B '' unset red\n0,2 T '' unset green\n0,3 T '' unset green\n1,1 P '' unset navy\n"
     "1,2 T '' unset green\n1,3 P '' unset navy\nunits 0 totals"},
    {"OpeningTieThenPlayer", true, {{'T'}, {'P'}},
     "0,1 T '' unset green\n0,2 P '' unset navy\nunits 0 totals"},
    {"OpeningTieThenBanker", false, {{'T'}, {'B'}},
     "0,1 T '' unset green\n1,1 B '' unset navy\nunits 0 totals"},
    // A column's total keeps its last non-zero value when the running total comes back to zero; a hand
    // without a bet leaves its text and colour alone.
    {"UnitsAndColumnTotals", true,
     {{'B', {0, 3, 1}}, {'P', {0, 2, 0}}, {'P', {0, 1, 0}}, {'P', {1, 0, 0}}, {'P'}, {'B', {0, 0, 1}}},
     "0,1 B '2' plain red\n1,1 P '2' red navy\n1,2 P '1' red navy\n1,3 P '1' plain navy\n"
     "1,4 P '' unset navy\n2,1 B '1' red red\nunits -1 totals 0:2 1:-1 2:-1"},
    // A Tie bet pays 8 to 1; score mode shows the winner's total first.
    {"TextsOfTiesAndScores", true,
     {{'T', {0, 0, 2}, {}, {'T', 6, 6}}, {'T', {0, 0, 2}, Score, {'T', 6, 6}}, {'B', {}, Score, {'B', 5, 7}},
      {'P', {}, Score, {'P', 9, 2, true, false}}},
     "0,1 T '16' plain green\n0,2 T '6' plain green\n1,1 B '75' unset red\n"
     "2,1 P '92' unset navy\nunits 32 totals 0:32 1:32 2:32"},
    {"NaturalsAreOvalOnlyWhenShown", true,
     {{'B', {}, Naturals, BankerNatural}, {'B', {}, {}, BankerNatural}, {'B', {}, Naturals, {'B', 3, 7}}},
     "0,1 B '' unset red oval\n0,2 B '' unset red\n0,3 B '' unset red\nunits 0 totals"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Shoes, MarkedShoe, testing::ValuesIn(Shoes),
                         [](const testing::TestParamInfo<ShoeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Marking, HeaderLettersAlternateFromTheFirstStreakMark) {
    const auto header = [](const char* results) {
        MarkingState state;
        state.ResetForNewShoe(true);
        for (const char* r = results; *r; ++r) {
            Record(state, {*r});
        }
        std::string letters;
        for (int column : {0, 1, 2, 89, 100}) {
            letters += state.HeaderBuilt ? state.HeaderLetter(column) : '-';
        }
        return letters;
    };
    EXPECT_EQ(header("T"), "-----");
    EXPECT_EQ(header("TB"), "PBPBP");
    EXPECT_EQ(header("TP"), "PBPBP");
    EXPECT_EQ(header("BB"), "BPBPB");
}

} // namespace
} // namespace bacc
