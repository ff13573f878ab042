#include "Shoe.h"

#include "Cards.h"
#include "ShoeTestSupport.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <set>

using bacc::Shoe;
using testshoe::OrderStartingWith;
using testshoe::StartStackedShoe;

TEST(Cards, NamesValuesAndFaces) {
    EXPECT_EQ(bacc::RankName(1), "1");
    EXPECT_EQ(bacc::RankName(10), "10");
    EXPECT_EQ(bacc::RankName(11), "Jack");
    EXPECT_EQ(bacc::RankName(13), "King");
    EXPECT_EQ(bacc::RankName(0), "");
    EXPECT_EQ(bacc::RankName(14), "");

    // The first card of the second deck is the ace of spades again.
    EXPECT_EQ(bacc::RankOf(52), 1);
    EXPECT_EQ(bacc::SuitIndexOf(52), 0);
    EXPECT_EQ(bacc::CardFace(52), 1);
    EXPECT_EQ(bacc::CardValue(bacc::RankOf(52)), 1);
    EXPECT_EQ(bacc::RankOf(51), 13);
    EXPECT_EQ(bacc::CardFace(51), 52);
    EXPECT_EQ(bacc::CardValue(13), 0);
    EXPECT_EQ(bacc::CardValue(10), 0);
    EXPECT_EQ(bacc::CardValue(9), 9);

    Shoe shoe;
    EXPECT_EQ(shoe.SuitName(51), "Heart");
    EXPECT_EQ(shoe.SuitNumber, 4);
    EXPECT_EQ(shoe.SuitName(13 + 52 * 3), "Club");
    EXPECT_EQ(shoe.SuitNumber, 2);
}

TEST(ListLines, AreExactlyTwentyOneCharacters) {
    EXPECT_EQ(bacc::ToString(bacc::MakeListLine(1, 0, bacc::CardMark::Dealt)), "1 Spade              ");
    EXPECT_EQ(bacc::ToString(bacc::MakeListLine(12, 2, bacc::CardMark::Burnt)), "Queen Diamond <-Burnt");
    EXPECT_EQ(bacc::ToString(bacc::MakeListLine(7, 3, bacc::CardMark::Burnt)), "7 Heart       <-Burnt");
    EXPECT_EQ(bacc::ToString(bacc::MakeListLine(10, 3, bacc::CardMark::End)), "10 Heart      <-End  ");
}

TEST(CountRows, PlaceCountsInColumnsSixNineTwelveFifteen) {
    bacc::DealtCountRow queen{"Queen", {0, 1, 0, 2, 8}};
    EXPECT_EQ(bacc::CountRowText(queen), "Queen1  0  2  8      ");
    bacc::DealtCountRow ten{"10", {0, 3, 4, 5, 6}};
    EXPECT_EQ(bacc::CountRowText(ten), "10   3  4  5  6      ");
}

struct BurnCase {
    int firstRank;
    int burnt;
};

class Burn : public testing::TestWithParam<BurnCase> {};

TEST_P(Burn, FirstCardAndAsManyMoreAsItsValue) {
    struct Recorder : bacc::ShoeListener {
        std::vector<int> positions;
        int cleared = 0;
        int countShown = 0;
        void NewShoeStarted() override { ++cleared; }
        void AppendDealtCard(int position) override { positions.push_back(position); }
        void CountChanged() override { ++countShown; }
    } recorder;
    Shoe shoe;
    shoe.SetListener(&recorder);
    StartStackedShoe(shoe, OrderStartingWith({GetParam().firstRank}));
    const int burnt = GetParam().burnt;
    EXPECT_EQ(shoe.NextCard, burnt);
    EXPECT_EQ(shoe.CardsOut, burnt);
    EXPECT_EQ(static_cast<int>(recorder.positions.size()), burnt);
    EXPECT_EQ(recorder.cleared, 1);
    EXPECT_EQ(recorder.countShown, 1);
    int counted = 0;
    for (const auto& row : shoe.DealtCountTable) {
        counted += row.Count[1] + row.Count[2] + row.Count[3] + row.Count[4];
    }
    EXPECT_EQ(counted, burnt);
    for (int p = 0; p < burnt; ++p) {
        EXPECT_EQ(bacc::ToString(shoe.CardListText[p]).substr(14), "<-Burnt");
    }
}

INSTANTIATE_TEST_SUITE_P(FirstCards, Burn,
                         testing::Values(BurnCase{1, 2}, BurnCase{5, 6}, BurnCase{9, 10}, BurnCase{10, 11},
                                         BurnCase{11, 11}, BurnCase{12, 11}, BurnCase{13, 11}));

TEST(NewShoe, BurntQueenOfDiamondsIsListedAndCounted) {
    Shoe shoe;
    // Queen of diamonds is id 26 + 11 = 37.
    std::vector<bacc::CardId> order(52);
    std::iota(order.begin(), order.end(), 0);
    std::swap(order[0], order[37]);
    StartStackedShoe(shoe, order);
    EXPECT_EQ(bacc::ToString(shoe.CardListText[0]), "Queen Diamond <-Burnt");
    EXPECT_EQ(shoe.DealtCountTable[11].Label, "Queen");
    EXPECT_EQ(shoe.DealtCountTable[11].Count[3], 1);
    EXPECT_EQ(shoe.NextCard, 11);
}

TEST(NewShoe, EveryShoeSizeIsAPermutation) {
    for (int decks : {1, 2, 4, 6, 8}) {
        Shoe shoe;
        shoe.SetSeed(decks);
        shoe.DeckCount = decks;
        shoe.NewShoe();
        ASSERT_EQ(shoe.LastCardIndex, decks * 52 - 1);
        std::vector<int> faces(53, 0);
        std::vector<bacc::CardId> sorted = shoe.ShoeOrder;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i <= shoe.LastCardIndex; ++i) {
            ASSERT_EQ(sorted[i], i);
            ++faces[bacc::CardFace(shoe.ShoeOrder[i])];
            EXPECT_EQ(shoe.CardRank[i], i % 13 + 1);
        }
        for (int face = 1; face <= 52; ++face) {
            EXPECT_EQ(faces[face], decks);
        }
    }
}

TEST(NewShoe, ASeedGivesTheSameShoesAndNoSeedDoesNot) {
    Shoe a, b;
    a.SetSeed(42);
    b.SetSeed(42);
    for (int i = 0; i < 3; ++i) {
        a.NewShoe();
        b.NewShoe();
        EXPECT_EQ(a.ShoeOrder, b.ShoeOrder);
    }
    Shoe c, d;
    c.NewShoe();
    d.NewShoe();
    EXPECT_NE(c.ShoeOrder, d.ShoeOrder);
    // Consecutive shoes of one seeded run differ: the shoe is reshuffled, not replayed.
    const auto first = a.ShoeOrder;
    a.NewShoe();
    EXPECT_NE(first, a.ShoeOrder);
}

TEST(NewShoe, ShuffleIsUniformOverCardAndPosition) {
    // Chi-square of card id against position over many one-deck shoes.
    constexpr int shoes = 52000;
    std::vector<int> table(52 * 52, 0);
    Shoe shoe;
    shoe.SetSeed(2026);
    shoe.DeckCount = 1;
    for (int s = 0; s < shoes; ++s) {
        shoe.NewShoe();
        for (int p = 0; p < 52; ++p) {
            ++table[p * 52 + shoe.ShoeOrder[p]];
        }
    }
    const double expected = shoes / 52.0;
    double chi = 0;
    for (int cell : table) {
        chi += (cell - expected) * (cell - expected) / expected;
    }
    // 51 x 51 = 2601 degrees of freedom: mean 2601, standard deviation 72. Five deviations either way.
    EXPECT_LT(chi, 2601 + 5 * 72.1);
    EXPECT_GT(chi, 2601 - 5 * 72.1);

    // Same-rank neighbours occur at the rate of chance: 3/51 per adjacent pair.
    long long pairs = 0, sameRank = 0;
    for (int s = 0; s < 20000; ++s) {
        shoe.NewShoe();
        for (int p = 0; p + 1 < 52; ++p) {
            ++pairs;
            sameRank += shoe.CardRank[shoe.ShoeOrder[p]] == shoe.CardRank[shoe.ShoeOrder[p + 1]];
        }
    }
    const double rate = static_cast<double>(sameRank) / pairs;
    const double sd = std::sqrt(3.0 / 51 * (48.0 / 51) / pairs);
    EXPECT_NEAR(rate, 3.0 / 51, 5 * sd * 3); // neighbours are not independent pairs; allow for it
}

TEST(CutCard, LastHandOnceThirteenOrFewerRemainThenOneMoreHand) {
    for (int decks : {1, 8}) {
        Shoe shoe;
        shoe.SetSeed(100 + decks);
        shoe.DeckCount = decks;
        for (int s = 0; s < 300; ++s) {
            shoe.NewShoe();
            shoe.LastHand = false;
            shoe.EndOfShoe = false;
            bool cutPassed = false;
            int handsAfterCut = 0;
            while (!shoe.EndOfShoe) {
                const bool wasLast = shoe.LastHand;
                shoe.DealHand();
                if (wasLast) {
                    ++handsAfterCut;
                    ASSERT_TRUE(shoe.EndOfShoe);
                } else {
                    ASSERT_FALSE(shoe.EndOfShoe);
                }
                const bool passesNow = shoe.NextCard > shoe.LastCardIndex - 13;
                cutPassed = cutPassed || passesNow;
                ASSERT_EQ(shoe.LastHand, cutPassed) << "decks " << decks << " next " << shoe.NextCard;
            }
            EXPECT_EQ(handsAfterCut, 1);
            // The last hand never runs past the shoe: at least 8 cards are left for it to take 6.
            EXPECT_LE(shoe.NextCard, shoe.LastCardIndex + 1);
        }
    }
}

TEST(EndOfShoe, OneDeckPlayedOutListsAllFiftyTwoCards) {
    struct Counter : bacc::ShoeListener {
        int appended = 0;
        void NewShoeStarted() override { appended = 0; }
        void AppendDealtCard(int) override { ++appended; }
    } counter;
    Shoe shoe;
    shoe.SetListener(&counter);
    shoe.SetSeed(9);
    shoe.DeckCount = 1;
    shoe.NewShoe();
    shoe.LastHand = shoe.EndOfShoe = false;
    while (!shoe.EndOfShoe) {
        shoe.DealHand();
    }
    const int firstUndealt = shoe.NextCard;
    shoe.RecordUndealtRest();
    EXPECT_EQ(counter.appended, 52);
    EXPECT_EQ(shoe.CardsOut, 52);
    EXPECT_EQ(shoe.NextCard, shoe.LastCardIndex);
    for (const auto& row : shoe.DealtCountTable) {
        for (int suit = 1; suit <= 4; ++suit) {
            EXPECT_EQ(row.Count[suit], 1) << row.Label;
        }
    }
    for (int p = firstUndealt; p < 52; ++p) {
        EXPECT_EQ(bacc::ToString(shoe.CardListText[p]).substr(14), "<-End  ");
    }
    EXPECT_EQ(bacc::ToString(shoe.CardListText[firstUndealt - 1]).substr(13), "        ");
}
