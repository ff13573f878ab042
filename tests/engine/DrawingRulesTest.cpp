// The drawing rules, hand by hand from stacked shoes, and the Banker's rule cell by cell against the
// printed table of ExactOdds.h.
#include "ExactOdds.h"
#include "Shoe.h"
#include "ShoeTestSupport.h"

#include <gtest/gtest.h>

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

// The printed table, played out over every hand a full shoe can deal, gives the figures every baccarat
// reference quotes for eight decks.
TEST(BankerDrawingTable, GivesTheKnownEightDeckOdds) {
    const exact::Outcome eight = exact::Enumerator(8).Run();
    EXPECT_NEAR(eight.banker + eight.player + eight.tie, 1.0, 1e-12);
    EXPECT_NEAR(eight.banker, 0.458597, 5e-7);
    EXPECT_NEAR(eight.player, 0.446247, 5e-7);
    EXPECT_NEAR(eight.tie, 0.095156, 5e-7);
}

struct HandCase {
    const char* name;
    std::vector<int> ranks; // dealing order: P1, B1, P2, B2, third cards; 1 ace, 10-13 count 0
    int playerTwoCards, bankerTwoCards, playerTotal, bankerTotal;
    bool playerNatural, bankerNatural, playerDrew, bankerDrew;
    char result;
};

class DealtHand : public testing::TestWithParam<HandCase> {};

TEST_P(DealtHand, FollowsTheDrawingRules) {
    const HandCase& c = GetParam();
    Shoe shoe;
    StackHand(shoe, c.ranks);
    ASSERT_EQ(shoe.NextCard, 2);
    shoe.DealHand();
    const bacc::HandState& h = shoe.Hand;
    EXPECT_EQ(h.PlayerTwoCardTotal, c.playerTwoCards);
    EXPECT_EQ(h.BankerTwoCardTotal, c.bankerTwoCards);
    EXPECT_EQ(h.PlayerTotal, c.playerTotal);
    EXPECT_EQ(h.BankerTotal, c.bankerTotal);
    EXPECT_EQ(h.PlayerNatural, c.playerNatural);
    EXPECT_EQ(h.BankerNatural, c.bankerNatural);
    EXPECT_EQ(h.PlayerDrew, c.playerDrew);
    EXPECT_EQ(h.BankerDrew, c.bankerDrew);
    EXPECT_EQ(h.HandResult, c.result);
    EXPECT_EQ(shoe.NextCard, 2 + static_cast<int>(c.ranks.size()));
    // Slots follow the dealing order P, B, P, B.
    EXPECT_EQ(std::vector<int>({h.SlotRank[0], h.SlotRank[3], h.SlotRank[1], h.SlotRank[4]}),
              std::vector<int>(c.ranks.begin(), c.ranks.begin() + 4));
}

INSTANTIATE_TEST_SUITE_P(
    Hands, DealtHand,
    testing::Values(
        HandCase{"Player8Banker9", {3, 4, 5, 5}, 8, 9, 8, 9, true, true, false, false, 'B'},
        HandCase{"Player7Banker6BothStand", {3, 2, 4, 4}, 7, 6, 7, 6, false, false, false, false, 'P'},
        HandCase{"Player6StandsBanker5Draws", {3, 2, 3, 3, 2}, 6, 5, 6, 7, false, false, false, true, 'B'},
        HandCase{
            "Player4DrawsEightBanker3Stands", {2, 1, 2, 2, 8}, 4, 3, 2, 3, false, false, true, false, 'B'},
        HandCase{
            "Player4DrawsKingBanker3Draws", {2, 1, 2, 2, 13, 5}, 4, 3, 4, 8, false, false, true, true, 'B'},
        HandCase{
            "Player4DrawsKingBanker4Stands", {2, 2, 2, 2, 13}, 4, 4, 4, 4, false, false, true, false, 'T'},
        HandCase{
            "Player2DrawsSixBanker6Draws", {1, 3, 1, 3, 6, 1}, 2, 6, 8, 7, false, false, true, true, 'P'},
        HandCase{
            "Player2DrawsFiveBanker6Stands", {1, 3, 1, 3, 5}, 2, 6, 7, 6, false, false, true, false, 'P'},
        HandCase{"TotalsWrap", {7, 10, 8, 3, 9, 10}, 5, 3, 4, 3, false, false, true, true, 'P'},
        HandCase{"NaturalTie", {4, 4, 4, 4}, 8, 8, 8, 8, true, true, false, false, 'T'}),
    [](const testing::TestParamInfo<HandCase>& info) { return std::string(info.param.name); });

TEST(DealHand, RecordsCardsInTheOrderTakenAndNothingAfterTheEnd) {
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
    // Once the shoe has ended a deal takes and records nothing.
    shoe.EndOfShoe = true;
    const char result = shoe.Hand.HandResult;
    shoe.DealHand();
    EXPECT_EQ(shoe.NextCard, 8);
    EXPECT_EQ(recorder.positions.size(), 6u);
    EXPECT_EQ(shoe.Hand.HandResult, result);
}
