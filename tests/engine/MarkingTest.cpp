#include "Marking.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace bacc {
namespace {

// Records one hand for PLAYER 1 the way the deal does: HandNumber first, then the seat.
long long Record(MarkingState& state, char result, SeatBets bets = {}, long long unit = 10,
                 MarkOptions options = {}, HandOutcome hand = {}) {
    ++state.HandNumber;
    hand.Result = result;
    return state.RecordHandResult(bets, unit, 1, hand, options);
}

// "column,row,result" of every mark, one per line.
std::string Grid(const MarkingState& state) {
    std::ostringstream out;
    for (const Mark& m : state.Marks) {
        out << m.Column << ',' << m.Row << ',' << m.Result << '\n';
    }
    return out.str();
}

TEST(MarkingGrid, BankerBankerPlayerOpensSecondColumn) {
    MarkingState s;
    s.ResetForNewShoe(true);
    for (char r : std::string("BBP")) {
        Record(s, r);
    }
    EXPECT_EQ(Grid(s), "0,1,B\n0,2,B\n1,1,P\n");
    EXPECT_EQ(s.MarkStreak, -1);
    EXPECT_EQ(s.MarkColumn, 1);
}

TEST(MarkingGrid, TiesTakeRowsOfTheirOwnAndResetWithTheColumn) {
    MarkingState s;
    s.ResetForNewShoe(true);
    Record(s, 'B');
    Record(s, 'T');
    Record(s, 'T');
    EXPECT_EQ(s.MarkTies, 2);
    Record(s, 'P');
    EXPECT_EQ(Grid(s), "0,1,B\n0,2,T\n0,3,T\n1,1,P\n");
    EXPECT_EQ(s.MarkTies, 0);
    // A streak mark after ties goes below them.
    Record(s, 'T');
    Record(s, 'P');
    EXPECT_EQ(s.Marks.back().Row, 3);
}

TEST(MarkingGrid, OpeningTieThenPlayerStaysInColumnZero) {
    MarkingState s;
    s.ResetForNewShoe(true);
    Record(s, 'T');
    EXPECT_FALSE(s.HeaderBuilt);
    EXPECT_EQ(s.MarkTies, 0);
    Record(s, 'P');
    EXPECT_EQ(Grid(s), "0,1,T\n0,2,P\n");
    ASSERT_TRUE(s.HeaderBuilt);
    EXPECT_EQ(s.HeaderLetter(0), 'P');
    EXPECT_EQ(s.HeaderLetter(1), 'B');
    EXPECT_EQ(s.HeaderLetter(2), 'P');
}

TEST(MarkingGrid, OpeningTieThenBankerLettersHeaderFromColumnOne) {
    MarkingState s;
    s.ResetForNewShoe(true);
    Record(s, 'T');
    Record(s, 'B');
    EXPECT_EQ(Grid(s), "0,1,T\n1,1,B\n");
    EXPECT_EQ(s.HeaderAnchorColumn, 1);
    EXPECT_EQ(s.HeaderLetter(0), 'P');
    EXPECT_EQ(s.HeaderLetter(1), 'B');
    EXPECT_EQ(s.HeaderLetter(2), 'P');
    EXPECT_EQ(s.HeaderLetter(89), 'B');
    EXPECT_EQ(s.HeaderLetter(100), 'P');
}

TEST(MarkingMoney, BankerWinWithTieBet) {
    MarkingState s;
    s.ResetForNewShoe(true);
    const long long money = Record(s, 'B', {0, 3, 1}, 25);
    EXPECT_EQ(money, 95 * 3 * 25 - 100 * 25);
    EXPECT_EQ(s.HandCents, money);
    EXPECT_EQ(s.HandUnits, 2);
    EXPECT_EQ(s.TotalUnits, 2);
    const Mark& m = s.Marks.back();
    EXPECT_EQ(m.Text, "2");
    EXPECT_TRUE(m.TextColourSet);
    EXPECT_FALSE(m.TextRed);
}

TEST(MarkingMoney, SecondSeatSettlesWithoutMarking) {
    MarkingState s;
    s.ResetForNewShoe(true);
    Record(s, 'B', {0, 1, 0});
    const long long money = s.RecordHandResult({2, 0, 0}, 10, 2, HandOutcome{'B', 3, 7, false, false}, {});
    EXPECT_EQ(money, -2000);
    EXPECT_EQ(s.Marks.size(), 1u);
    EXPECT_EQ(s.TotalUnits, 1);
    EXPECT_EQ(s.MarkStreak, 1);
}

TEST(MarkingUnits, HandWithoutBetShowsNothingAndKeepsTotal) {
    MarkingState s;
    s.ResetForNewShoe(true);
    Record(s, 'P', {1, 0, 0});
    Record(s, 'P');
    EXPECT_FALSE(s.HandUnits.has_value());
    EXPECT_EQ(s.TotalUnits, 1);
    const Mark& m = s.Marks.back();
    EXPECT_EQ(m.Text, "");
    EXPECT_FALSE(m.TextColourSet);
}

TEST(MarkingUnits, ColumnTotalKeepsValueWhenRunningTotalReturnsToZero) {
    MarkingState s;
    s.ResetForNewShoe(true);
    Record(s, 'B', {0, 2, 0});
    ASSERT_EQ(s.ColumnTotals.size(), 1u);
    EXPECT_EQ(s.ColumnTotals[0], 2);
    Record(s, 'P', {0, 2, 0}); // column 1, total back to 0
    EXPECT_EQ(s.TotalUnits, 0);
    EXPECT_EQ(s.Marks.back().Text, "2");
    EXPECT_TRUE(s.Marks.back().TextRed);
    EXPECT_TRUE(s.ColumnTotals.size() < 2 || !s.ColumnTotals[1].has_value());
    Record(s, 'P', {0, 1, 0}); // still column 1, total -1
    ASSERT_EQ(s.ColumnTotals.size(), 2u);
    EXPECT_EQ(s.ColumnTotals[1], -1);
    EXPECT_EQ(s.LastTotalColumn, 1);
    Record(s, 'P', {1, 0, 0}); // back to 0: the column keeps showing -1
    EXPECT_EQ(s.TotalUnits, 0);
    EXPECT_EQ(s.ColumnTotals[1], -1);
    EXPECT_EQ(s.ColumnTotals[0], 2);
}

TEST(MarkingText, TieBetOnTieAndScoreMode) {
    MarkingState s;
    s.ResetForNewShoe(true);
    const HandOutcome tie{'T', 6, 6, false, false};
    Record(s, 'T', {0, 0, 2}, 10, {}, tie);
    EXPECT_EQ(s.Marks.back().Text, "16");
    EXPECT_EQ(s.Marks.back().Outline, MarkColour::Green);
    Record(s, 'T', {0, 0, 2}, 10, {true, false}, tie);
    EXPECT_EQ(s.Marks.back().Text, "6");
    // Score mode puts the winner's total first.
    Record(s, 'B', {}, 10, {true, false}, HandOutcome{'B', 5, 7, false, false});
    EXPECT_EQ(s.Marks.back().Text, "75");
    Record(s, 'P', {}, 10, {true, false}, HandOutcome{'P', 9, 2, true, false});
    EXPECT_EQ(s.Marks.back().Text, "92");
}

TEST(MarkingColours, PlayerBlueForShoeChoosesOutlines) {
    MarkingState s;
    s.ResetForNewShoe(true);
    Record(s, 'B');
    Record(s, 'P');
    EXPECT_EQ(s.Marks[0].Outline, MarkColour::Red);
    EXPECT_EQ(s.Marks[1].Outline, MarkColour::Navy);
    s.ResetForNewShoe(false);
    EXPECT_TRUE(s.Marks.empty());
    Record(s, 'B');
    Record(s, 'P');
    Record(s, 'T');
    EXPECT_EQ(s.Marks[0].Outline, MarkColour::Navy);
    EXPECT_EQ(s.Marks[1].Outline, MarkColour::Red);
    EXPECT_EQ(s.Marks[2].Outline, MarkColour::Green);
}

TEST(MarkingShape, NaturalsAreOvalOnlyWhenShown) {
    MarkingState s;
    s.ResetForNewShoe(true);
    const HandOutcome natural{'B', 3, 8, false, true};
    Record(s, 'B', {}, 10, {false, true}, natural);
    EXPECT_TRUE(s.Marks.back().Oval);
    Record(s, 'B', {}, 10, {false, false}, natural);
    EXPECT_FALSE(s.Marks.back().Oval);
    Record(s, 'B', {}, 10, {false, true}, HandOutcome{'B', 3, 7, false, false});
    EXPECT_FALSE(s.Marks.back().Oval);
}

TEST(MarkingState, ResetClearsTheShoe) {
    MarkingState s;
    s.ResetForNewShoe(true);
    Record(s, 'B', {0, 1, 0});
    Record(s, 'P', {0, 1, 0});
    // A new shoe starts its grid afresh: the next Player win opens column 0 again.
    s.ResetForNewShoe(false);
    Record(s, 'P', {1, 0, 0});
    EXPECT_EQ(Grid(s), "0,1,P\n");
    EXPECT_EQ(s.Marks.back().Outline, MarkColour::Red);
}

TEST(MarkingGrid, LongStreakDeepensRows) {
    MarkingState s;
    s.ResetForNewShoe(true);
    for (int i = 0; i < 11; ++i) {
        Record(s, 'B');
    }
    EXPECT_EQ(s.DeepestRow(), 11);
    EXPECT_EQ(s.LastColumn(), 0);
}

} // namespace
} // namespace bacc
