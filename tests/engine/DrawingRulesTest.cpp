#include "ExactOdds.h"
#include "Shoe.h"
#include "ShoeTestSupport.h"

#include <gtest/gtest.h>

using bacc::Shoe;
using testshoe::StackHand;

TEST(BankerDrawingTable, EveryCellMatchesThePrintedTable) {
    for (int banker = 0; banker <= 7; ++banker) {
        EXPECT_EQ(bacc::BankerDraws(banker, false, 0), exact::BankerTable[banker][0] == 'D')
            << "B=" << banker;
        for (int third = 0; third <= 9; ++third) {
            EXPECT_EQ(bacc::BankerDraws(banker, true, third), exact::BankerTable[banker][1 + third] == 'D')
                << "B=" << banker << " third=" << third;
        }
    }
}

struct HandCase {
    const char* name;
    std::vector<int> ranks; // dealing order: P1, B1, P2, B2, third cards
    int playerTotal, bankerTotal;
    bool playerNatural, bankerNatural, playerDrew, bankerDrew;
    char result;
    int cardsTaken;
};

class DealtHand : public testing::TestWithParam<HandCase> {};

TEST_P(DealtHand, FollowsTheDrawingRules) {
    const HandCase& c = GetParam();
    Shoe shoe;
    StackHand(shoe, c.ranks);
    ASSERT_EQ(shoe.NextCard, 2);
    shoe.DealHand();
    const bacc::HandState& h = shoe.Hand;
    EXPECT_EQ(h.PlayerTotal, c.playerTotal);
    EXPECT_EQ(h.BankerTotal, c.bankerTotal);
    EXPECT_EQ(h.PlayerNatural, c.playerNatural);
    EXPECT_EQ(h.BankerNatural, c.bankerNatural);
    EXPECT_EQ(h.PlayerDrew, c.playerDrew);
    EXPECT_EQ(h.BankerDrew, c.bankerDrew);
    EXPECT_EQ(h.HandResult, c.result);
    EXPECT_EQ(shoe.NextCard, 2 + c.cardsTaken);
    // Slots follow the dealing order P, B, P, B.
    EXPECT_EQ(h.SlotRank[0], c.ranks[0]);
    EXPECT_EQ(h.SlotRank[3], c.ranks[1]);
    EXPECT_EQ(h.SlotRank[1], c.ranks[2]);
    EXPECT_EQ(h.SlotRank[4], c.ranks[3]);
}

// Ranks: 1 ace, 10-13 count 0.
INSTANTIATE_TEST_SUITE_P(
    Hands, DealtHand,
    testing::Values(
        HandCase{"Player8Banker9", {3, 4, 5, 5}, 8, 9, true, true, false, false, 'B', 4},
        HandCase{"Player9Banker2", {4, 1, 5, 1, 7}, 9, 2, true, false, false, false, 'P', 4},
        HandCase{"Player7Banker6BothStand", {3, 2, 4, 4}, 7, 6, false, false, false, false, 'P', 4},
        HandCase{"Player6StandsBanker5Draws", {3, 2, 3, 3, 2}, 6, 7, false, false, false, true, 'B', 5},
        HandCase{"Player4DrawsEightBanker3Stands", {2, 1, 2, 2, 8}, 2, 3, false, false, true, false, 'B', 5},
        HandCase{"Player4DrawsKingBanker3Draws", {2, 1, 2, 2, 13, 5}, 4, 8, false, false, true, true, 'B', 6},
        HandCase{"Player4DrawsKingBanker4Stands", {2, 2, 2, 2, 13}, 4, 4, false, false, true, false, 'T', 5},
        HandCase{"Player2DrawsSixBanker6Draws", {1, 3, 1, 3, 6, 1}, 8, 7, false, false, true, true, 'P', 6},
        HandCase{"Player2DrawsFiveBanker6Stands", {1, 3, 1, 3, 5}, 7, 6, false, false, true, false, 'P', 5},
        HandCase{"TotalsWrap", {7, 10, 8, 3, 9, 10}, 4, 3, false, false, true, true, 'P', 6},
        HandCase{"TieAfterThirdCards", {10, 10, 11, 12, 7, 7}, 7, 7, false, false, true, true, 'T', 6},
        HandCase{"NaturalTie", {4, 4, 4, 4}, 8, 8, true, true, false, false, 'T', 4}),
    [](const testing::TestParamInfo<HandCase>& info) { return std::string(info.param.name); });

TEST(DealHand, WrapsTwoCardTotalsAndKeepsThem) {
    Shoe shoe;
    StackHand(shoe, {7, 10, 8, 3, 9, 10});
    shoe.DealHand();
    EXPECT_EQ(shoe.Hand.PlayerTwoCardTotal, 5); // 7 + 8
    EXPECT_EQ(shoe.Hand.PlayerTotal, 4);        // 5 + 9
    EXPECT_EQ(shoe.Hand.BankerTwoCardTotal, 3);
}

TEST(DealHand, AfterEndOfShoeChangesNothing) {
    Shoe shoe;
    StackHand(shoe, {2, 1, 2, 2, 13, 5});
    shoe.DealHand();
    shoe.EndOfShoe = true;
    const bacc::HandState before = shoe.Hand;
    const int next = shoe.NextCard;
    const auto counts = shoe.DealtCountTable;
    shoe.LastHand = true;
    shoe.DealHand();
    EXPECT_EQ(shoe.NextCard, next);
    EXPECT_TRUE(shoe.EndOfShoe);
    EXPECT_TRUE(shoe.LastHand);
    EXPECT_EQ(shoe.Hand.HandResult, before.HandResult);
    EXPECT_EQ(shoe.Hand.PlayerDrew, before.PlayerDrew);
    EXPECT_EQ(shoe.Hand.SlotFace, before.SlotFace);
    for (int r = 0; r < 13; ++r) {
        EXPECT_EQ(shoe.DealtCountTable[r].Count, counts[r].Count);
    }
}

TEST(DealHand, RecordsCardsInTheOrderTaken) {
    struct Recorder : bacc::ShoeListener {
        std::vector<int> positions;
        void AppendDealtCard(int position) override { positions.push_back(position); }
    } recorder;
    Shoe shoe;
    StackHand(shoe, {2, 1, 2, 2, 13, 5});
    shoe.SetListener(&recorder);
    shoe.DealHand();
    EXPECT_EQ(recorder.positions, (std::vector<int>{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(bacc::ToString(shoe.CardListText[6]), "King Club            ");
    EXPECT_EQ(shoe.CardsOut, 8);
}
