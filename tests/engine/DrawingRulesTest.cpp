// The drawing rules, hand by hand from stacked shoes, and the Banker's rule cell by cell against the
// printed table of ExactOdds.h.
#include "ExactOdds.h"
#include "Shoe.h"
#include "ShoeTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using bacc::Shoe;
using testshoe::StackHand;

TEST(BankerDrawingTable, EveryCellMatchesThePrintedTable) {
    for (int banker = 0; banker <= 7; ++banker) {
        EXPECT_EQ(bacc::BankerDraws(banker, false, 0), exact::BankerTable[banker][0] == 'D') << banker;
        for (int third = 0; third <= 9; ++third) {
            EXPECT_EQ(bacc::BankerDraws(banker, true, third), exact::BankerTable[banker][1 + third] == 'D')
                << banker << " third " << third;
        }
    }
}

// The hand as "two-card totals, final totals, naturals, third cards, result": "4:3 4:8 -- PB B" is a
// Player 4 and Banker 3 who both draw, ending 4 to 8, the Banker winning.
struct HandCase {
    const char* name;
    std::vector<int> ranks; // dealing order: P1, B1, P2, B2, third cards; 1 ace, 10-13 count 0
    const char* hand;
};

class DealtHand : public testing::TestWithParam<HandCase> {};

TEST_P(DealtHand, FollowsTheDrawingRules) {
    const HandCase& c = GetParam();
    Shoe shoe;
    StackHand(shoe, c.ranks);
    ASSERT_EQ(shoe.NextCard, 2);
    shoe.DealHand();
    const bacc::HandState& h = shoe.Hand;
    const auto flags = [](bool player, bool banker) {
        return std::string(1, player ? 'P' : '-') + (banker ? 'B' : '-');
    };
    EXPECT_EQ(std::to_string(h.PlayerTwoCardTotal) + ":" + std::to_string(h.BankerTwoCardTotal) + " " +
                  std::to_string(h.PlayerTotal) + ":" + std::to_string(h.BankerTotal) + " " +
                  flags(h.PlayerNatural, h.BankerNatural) + " " + flags(h.PlayerDrew, h.BankerDrew) + " " +
                  h.HandResult,
              c.hand);
    EXPECT_EQ(shoe.NextCard, 2 + static_cast<int>(c.ranks.size()));
    // Slots follow the dealing order P, B, P, B.
    EXPECT_EQ(std::vector<int>({h.SlotRank[0], h.SlotRank[3], h.SlotRank[1], h.SlotRank[4]}),
              std::vector<int>(c.ranks.begin(), c.ranks.begin() + 4));
}

INSTANTIATE_TEST_SUITE_P(
    Hands, DealtHand,
    testing::Values(HandCase{"Player8Banker9", {3, 4, 5, 5}, "8:9 8:9 PB -- B"},
                    HandCase{"Player7Banker6BothStand", {3, 2, 4, 4}, "7:6 7:6 -- -- P"},
                    HandCase{"Player6StandsBanker5Draws", {3, 2, 3, 3, 2}, "6:5 6:7 -- -B B"},
                    HandCase{"Player4DrawsEightBanker3Stands", {2, 1, 2, 2, 8}, "4:3 2:3 -- P- B"},
                    HandCase{"Player4DrawsKingBanker3Draws", {2, 1, 2, 2, 13, 5}, "4:3 4:8 -- PB B"},
                    HandCase{"Player2DrawsSixBanker6Draws", {1, 3, 1, 3, 6, 1}, "2:6 8:7 -- PB P"},
                    HandCase{"TotalsWrap", {7, 10, 8, 3, 9, 10}, "5:3 4:3 -- PB P"},
                    HandCase{"NaturalTie", {4, 4, 4, 4}, "8:8 8:8 PB -- T"}),
    [](const testing::TestParamInfo<HandCase>& info) { return std::string(info.param.name); });

// Once the shoe has ended a deal takes and records nothing.
TEST(DealHand, NothingAfterTheEnd) {
    Shoe shoe;
    StackHand(shoe, {2, 1, 2, 2, 13, 5});
    shoe.DealHand();
    shoe.EndOfShoe = true;
    shoe.DealHand();
    EXPECT_EQ(shoe.NextCard, 8);
    EXPECT_EQ(shoe.CardsOut, 8);
    EXPECT_EQ(shoe.Hand.HandResult, 'B');
}
