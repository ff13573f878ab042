#include "Shoe.h"

#include "Cards.h"
#include "ShoeTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

using bacc::Shoe;
using testshoe::StartStackedShoe;

struct BurnCase {
    bacc::CardId first; // spades 0-12, clubs, diamonds, hearts
    int burnt;
    const char* firstLine;
    int suitNumber; // the count column of the first card
};

class Burn : public testing::TestWithParam<BurnCase> {};

TEST_P(Burn, FirstCardAndAsManyMoreAsItsValue) {
    struct Recorder : bacc::ShoeListener {
        int appended = 0;
        void AppendDealtCard(int) override { ++appended; }
    } recorder;
    const BurnCase& c = GetParam();
    std::vector<bacc::CardId> order(52);
    std::iota(order.begin(), order.end(), 0);
    std::swap(order[0], order[static_cast<std::size_t>(c.first)]);
    Shoe shoe;
    shoe.SetListener(&recorder);
    StartStackedShoe(shoe, order);
    EXPECT_EQ(shoe.NextCard, c.burnt);
    EXPECT_EQ(recorder.appended, c.burnt);
    EXPECT_EQ(bacc::ToString(shoe.CardListText[0]), c.firstLine);
    EXPECT_EQ(shoe.DealtCountTable[static_cast<std::size_t>(c.first % 13)].Count[c.suitNumber], 1);
    int counted = 0;
    for (const auto& row : shoe.DealtCountTable) {
        counted += row.Count[1] + row.Count[2] + row.Count[3] + row.Count[4];
    }
    EXPECT_EQ(counted, c.burnt);
    for (int p = 0; p < c.burnt; ++p) {
        EXPECT_EQ(bacc::ToString(shoe.CardListText[p]).substr(14), "<-Burnt");
    }
}

INSTANTIATE_TEST_SUITE_P(FirstCards, Burn,
                         testing::Values(BurnCase{0, 2, "1 Spade       <-Burnt", 1},
                                         BurnCase{17, 6, "5 Club        <-Burnt", 2},
                                         BurnCase{34, 10, "9 Diamond     <-Burnt", 3},
                                         BurnCase{48, 11, "10 Heart      <-Burnt", 4},
                                         BurnCase{37, 11, "Queen Diamond <-Burnt", 3},
                                         BurnCase{10, 11, "Jack Spade    <-Burnt", 1},
                                         BurnCase{25, 11, "King Club     <-Burnt", 2}));

TEST(NewShoe, EveryShoeSizeIsAPermutation) {
    for (int decks : {1, 2, 4, 6, 8}) {
        Shoe shoe;
        shoe.SetSeed(decks);
        shoe.DeckCount = decks;
        shoe.NewShoe();
        ASSERT_EQ(shoe.LastCardIndex, decks * 52 - 1);
        std::vector<bacc::CardId> ids(static_cast<std::size_t>(decks * 52));
        std::iota(ids.begin(), ids.end(), 0);
        EXPECT_TRUE(
            std::is_permutation(ids.begin(), ids.end(), shoe.ShoeOrder.begin(), shoe.ShoeOrder.end()));
    }
}

// Seeded runs are replayed by the lab's tests; unseeded shoes differ.
TEST(NewShoe, NoSeedGivesOtherShoes) {
    Shoe a, b;
    a.NewShoe();
    b.NewShoe();
    EXPECT_NE(a.ShoeOrder, b.ShoeOrder);
}

// Chi-square of card id against position over many one-deck shoes of one seeded run: a biased shuffle,
// or shoes replayed rather than reshuffled, would stand out.
TEST(NewShoe, ShuffleIsUniformOverCardAndPosition) {
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
}

TEST(CutCard, LastHandOnceThirteenOrFewerRemainThenOneMoreHand) {
    for (int decks : {1, 8}) {
        Shoe shoe;
        shoe.SetSeed(100 + decks);
        shoe.DeckCount = decks;
        for (int s = 0; s < 300; ++s) {
            shoe.StartShoe();
            bool cutPassed = false;
            int handsAfterCut = 0;
            while (!shoe.EndOfShoe) {
                handsAfterCut += shoe.LastHand ? 1 : 0;
                shoe.DealHand();
                cutPassed = cutPassed || shoe.NextCard > shoe.LastCardIndex - 13;
                ASSERT_EQ(shoe.LastHand, cutPassed) << "decks " << decks << " next " << shoe.NextCard;
                ASSERT_EQ(shoe.EndOfShoe, handsAfterCut == 1);
            }
            // The last hand never runs past the shoe: at least 8 cards are left for it to take 6.
            EXPECT_LE(shoe.NextCard, shoe.LastCardIndex + 1);
        }
    }
}
