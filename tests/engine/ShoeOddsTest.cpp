#include "ShoeOdds.h"

#include "ExactOdds.h"
#include "OddsCli.h"
#include "Shoe.h"
#include "ShoeTestSupport.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

using bacc::ExactOdds;
using bacc::HandOdds;
using bacc::ValueCounts;

namespace {

// The enumerator multiplies and adds some 10^5 floating-point probabilities: good to about 1e-12.
constexpr double EnumeratorTolerance = 2e-12;

void ExpectMatches(const HandOdds& odds, const exact::Outcome& expected,
                   double tolerance = EnumeratorTolerance) {
    ASSERT_TRUE(odds.Valid);
    EXPECT_NEAR(odds.Banker, expected.banker, tolerance);
    EXPECT_NEAR(odds.Player, expected.player, tolerance);
    EXPECT_NEAR(odds.Tie, expected.tie, tolerance);
    EXPECT_NEAR(odds.PlayerNatural, expected.playerNatural, tolerance);
    EXPECT_NEAR(odds.BankerNatural, expected.bankerNatural, tolerance);
    EXPECT_NEAR(odds.Natural, expected.natural, tolerance);
    EXPECT_NEAR(odds.Banker + odds.Player + odds.Tie, 1.0, 1e-13);
}

// Every deal of distinct cards, card by card, through the Banker's rule of the engine. Each deal of k
// cards stands for (N - k) (N - k - 1) ... (N - 5) orderings of six cards, so the counts are integers
// over N (N - 1) ... (N - 5).
struct CardCounts {
    std::int64_t banker = 0, player = 0, tie = 0, playerNatural = 0, bankerNatural = 0, natural = 0;
    std::int64_t deals = 0;
};

class CardByCard {
public:
    explicit CardByCard(const ValueCounts& counts) {
        for (int v = 0; v < 10; ++v) {
            for (int k = 0; k < counts[static_cast<std::size_t>(v)]; ++k) {
                cards_.push_back(v);
            }
        }
        used_.assign(cards_.size(), false);
    }

    CardCounts Run() {
        Take(0);
        return counts_;
    }

private:
    void Take(int k) {
        if (k >= 4) {
            const int needed = Needed(k);
            if (needed == k) {
                Settle(k);
                return;
            }
        }
        for (std::size_t c = 0; c < cards_.size(); ++c) {
            if (used_[c]) {
                continue;
            }
            used_[c] = true;
            dealt_[static_cast<std::size_t>(k)] = cards_[c];
            Take(k + 1);
            used_[c] = false;
        }
    }

    int PlayerTwo() const { return (dealt_[0] + dealt_[2]) % 10; }
    int BankerTwo() const { return (dealt_[1] + dealt_[3]) % 10; }

    int Needed(int k) const {
        const int p = PlayerTwo(), b = BankerTwo();
        if (p >= 8 || b >= 8) {
            return 4;
        }
        if (p <= 5) {
            if (k < 5) {
                return 5;
            }
            return bacc::BankerDraws(b, true, dealt_[4]) ? 6 : 5;
        }
        return bacc::BankerDraws(b, false, 0) ? 5 : 4;
    }

    void Settle(int k) {
        const auto n = static_cast<std::int64_t>(cards_.size());
        std::int64_t orderings = 1;
        for (int j = k; j < 6; ++j) {
            orderings *= n - j;
        }
        int p = PlayerTwo(), b = BankerTwo();
        const bool natural = p >= 8 || b >= 8;
        counts_.playerNatural += p >= 8 ? orderings : 0;
        counts_.bankerNatural += b >= 8 ? orderings : 0;
        counts_.natural += natural ? orderings : 0;
        if (!natural && p <= 5) {
            p = (p + dealt_[4]) % 10;
            if (k == 6) {
                b = (b + dealt_[5]) % 10;
            }
        } else if (!natural && k == 5) {
            b = (b + dealt_[4]) % 10;
        }
        (p > b ? counts_.player : p < b ? counts_.banker : counts_.tie) += orderings;
        counts_.deals += orderings;
    }

    std::vector<int> cards_;
    std::vector<bool> used_;
    std::array<int, 6> dealt_{};
    CardCounts counts_;
};

// Every ordered six of the cards dealt by the table's own DealHand from a stacked shoe, whatever it
// takes of them: N (N - 1) ... (N - 5) deals of one each.
CardCounts DealtThroughTheShoe(const ValueCounts& counts) {
    // One deck, burnt by an ace and a king: value 0 cycles through 10, jack, queen and king.
    std::vector<int> ranks;
    for (int v = 0; v < 10; ++v) {
        for (int k = 0; k < counts[static_cast<std::size_t>(v)]; ++k) {
            ranks.push_back(v == 0 ? 10 + k % 4 : v);
        }
    }
    CardCounts counts6;
    std::array<std::size_t, 6> pick{};
    const auto deal = [&](auto&& self, std::size_t k, std::uint32_t used) -> void {
        if (k == 6) {
            std::vector<int> hand;
            for (std::size_t j : pick) {
                hand.push_back(ranks[j]);
            }
            bacc::Shoe shoe;
            testshoe::StackHand(shoe, hand);
            shoe.DealHand();
            const bacc::HandState& h = shoe.Hand;
            counts6.playerNatural += h.PlayerNatural;
            counts6.bankerNatural += h.BankerNatural;
            counts6.natural += h.PlayerNatural || h.BankerNatural;
            ++(h.HandResult == 'P' ? counts6.player : h.HandResult == 'B' ? counts6.banker : counts6.tie);
            ++counts6.deals;
            return;
        }
        for (std::size_t c = 0; c < ranks.size(); ++c) {
            if (!(used & (1u << c))) {
                pick[k] = c;
                self(self, k + 1, used | (1u << c));
            }
        }
    };
    deal(deal, 0, 0);
    return counts6;
}

void ExpectMatches(const HandOdds& odds, const CardCounts& counts, const std::string& shown) {
    const auto deals = static_cast<double>(counts.deals);
    ASSERT_TRUE(odds.Valid) << shown;
    EXPECT_NEAR(odds.Banker, static_cast<double>(counts.banker) / deals, 1e-15) << shown;
    EXPECT_NEAR(odds.Player, static_cast<double>(counts.player) / deals, 1e-15) << shown;
    EXPECT_NEAR(odds.Tie, static_cast<double>(counts.tie) / deals, 1e-15) << shown;
    EXPECT_NEAR(odds.PlayerNatural, static_cast<double>(counts.playerNatural) / deals, 1e-15) << shown;
    EXPECT_NEAR(odds.BankerNatural, static_cast<double>(counts.bankerNatural) / deals, 1e-15) << shown;
    EXPECT_NEAR(odds.Natural, static_cast<double>(counts.natural) / deals, 1e-15) << shown;
}

} // namespace

// Fresh shoes of every size against the independent enumerator.
class FreshShoeOdds : public testing::TestWithParam<int> {};

TEST_P(FreshShoeOdds, MatchTheIndependentEnumeration) {
    const int decks = GetParam();
    ExpectMatches(ExactOdds(bacc::FreshShoe(decks)), exact::Enumerator(decks).Run());
    EXPECT_EQ(ExactOdds(bacc::FreshShoe(decks)).Cards, 52 * decks);
}

INSTANTIATE_TEST_SUITE_P(ShoeSizes, FreshShoeOdds, testing::Values(1, 2, 4, 6, 8));

TEST(ShoeOdds, PublishedFiguresForSixAndEightDecks) {
    struct Figures {
        int decks;
        double banker, player, tie;
    };
    for (const Figures& f :
         {Figures{8, 0.458597, 0.446247, 0.095156}, Figures{6, 0.458653, 0.446279, 0.095069}}) {
        const HandOdds odds = ExactOdds(bacc::FreshShoe(f.decks));
        EXPECT_NEAR(odds.Banker, f.banker, 5e-7) << f.decks;
        EXPECT_NEAR(odds.Player, f.player, 5e-7) << f.decks;
        EXPECT_NEAR(odds.Tie, f.tie, 5e-7) << f.decks;
    }
    // The house edges every reference quotes for eight decks.
    const HandOdds eight = ExactOdds(bacc::FreshShoe(8));
    EXPECT_NEAR(eight.EvBanker, -0.010579, 5e-7);
    EXPECT_NEAR(eight.EvPlayer, -0.012351, 5e-7);
    EXPECT_NEAR(eight.EvTie, -0.143596, 5e-7);
}

// Small random shoes against every sequence of their cards.
TEST(ShoeOdds, SmallShoesMatchEveryCardSequence) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 16; ++round) {
        const int size = 8 + round % 5;
        ValueCounts counts{};
        // Values drawn from a narrowed range now and then, so that some values are missing.
        const int top = round % 3 == 0 ? 4 : 9;
        for (int c = 0; c < size; ++c) {
            ++counts[std::uniform_int_distribution<std::size_t>(0, static_cast<std::size_t>(top))(random)];
        }
        std::string shown;
        for (int count : counts) {
            shown += std::to_string(count) + " ";
        }
        ExpectMatches(ExactOdds(counts), CardByCard(counts).Run(), shown);
    }
}

// Eight-card shoes dealt by Shoe::DealHand itself, naturals, third cards and all.
TEST(ShoeOdds, EightCardShoesMatchTheTablesOwnDeals) {
    for (const ValueCounts& counts :
         {ValueCounts{2, 1, 0, 1, 1, 1, 0, 1, 1, 0}, ValueCounts{3, 0, 1, 0, 0, 2, 1, 0, 0, 1}}) {
        ExpectMatches(ExactOdds(counts), DealtThroughTheShoe(counts), "");
    }
}

TEST(ShoeOdds, ShoesMissingValuesMatchTheEnumerator) {
    const std::vector<ValueCounts> shoes{
        {0, 32, 32, 32, 32, 32, 32, 32, 32, 32}, // no tens or court cards
        {128, 32, 32, 32, 32, 0, 32, 32, 0, 0},  // no fives, eights or nines
        {10, 0, 0, 0, 0, 0, 0, 0, 0, 7},         // tens and nines only
        {3, 1, 0, 2, 0, 1, 0, 0, 1, 0},          // eight cards
    };
    for (const ValueCounts& shoe : shoes) {
        ExpectMatches(ExactOdds(shoe), exact::Enumerator(shoe).Run());
    }
}

TEST(ShoeOdds, ShoesWithOneOutcomeOnly) {
    // Tens only: 0 against 0 whatever is drawn.
    HandOdds odds = ExactOdds({40, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_DOUBLE_EQ(odds.Tie, 1.0);
    EXPECT_DOUBLE_EQ(odds.Natural, 0.0);
    EXPECT_DOUBLE_EQ(odds.EvTie, 8.0);
    EXPECT_DOUBLE_EQ(odds.EvBanker, 0.0);
    // Nines only: two natural eights.
    odds = ExactOdds({0, 0, 0, 0, 0, 0, 0, 0, 0, 6});
    EXPECT_DOUBLE_EQ(odds.Tie, 1.0);
    EXPECT_DOUBLE_EQ(odds.Natural, 1.0);
    EXPECT_DOUBLE_EQ(odds.PlayerNatural, 1.0);
    // Seven sixes and a ten, worked by hand. No ten in the first four (1/2): 2 against 2, the Player
    // draws a ten (1/4, then the Banker's six wins) or a six (3/4, then 8 against the Banker's ten, 2,
    // for the Player or against a six, 8, a tie with 2/3). Ten to the Player (1/4): 6 stands, the
    // Banker's 2 draws a six and wins. Ten to the Banker (1/4): the Player's 2 draws a six, 8; the
    // Banker's 6 draws on it and makes 2.
    odds = ExactOdds({1, 0, 0, 0, 0, 0, 7, 0, 0, 0});
    EXPECT_NEAR(odds.Banker, 3.0 / 8, 1e-15);
    EXPECT_NEAR(odds.Player, 3.0 / 8, 1e-15);
    EXPECT_NEAR(odds.Tie, 1.0 / 4, 1e-15);
    EXPECT_DOUBLE_EQ(odds.Natural, 0.0);
}

TEST(ShoeOdds, TooFewOrImpossibleCardsGiveNoOdds) {
    const std::vector<ValueCounts> shoes{{},
                                         {5, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                         {1, 1, 1, 1, 1, 0, 0, 0, 0, 0},
                                         {10, -1, 0, 0, 0, 0, 0, 0, 0, 0},
                                         {3000, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    for (const ValueCounts& shoe : shoes) {
        const HandOdds odds = ExactOdds(shoe);
        EXPECT_FALSE(odds.Valid) << odds.Cards;
        EXPECT_EQ(odds.Banker + odds.Player + odds.Tie + odds.EvBanker + odds.EvTie, 0.0);
        EXPECT_EQ(bacc::BestPositiveBet(odds), 0);
    }
    EXPECT_TRUE(ExactOdds({6, 0, 0, 0, 0, 0, 0, 0, 0, 0}).Valid);
}

TEST(ShoeOdds, ExpectedValuesFollowFromTheProbabilities) {
    for (const ValueCounts& shoe : {bacc::FreshShoe(1), ValueCounts{3, 1, 0, 2, 0, 1, 0, 0, 1, 0},
                                    ValueCounts{20, 4, 4, 4, 4, 12, 4, 4, 4, 4}}) {
        const HandOdds odds = ExactOdds(shoe);
        // A unit on the Banker wins 0.95 and loses 1; ties stand.
        EXPECT_NEAR(odds.EvBanker, 0.95 * odds.Banker - odds.Player, 1e-15);
        EXPECT_NEAR(odds.EvPlayer, odds.Player - odds.Banker, 1e-15);
        EXPECT_NEAR(odds.EvTie, 8 * odds.Tie - odds.Banker - odds.Player, 1e-14);
    }
}

TEST(ShoeOdds, BestPositiveBetPicksTheHighestPositiveValue) {
    struct Case {
        double banker, player, tie;
        char best;
    };
    for (const Case& c :
         {Case{-0.01, -0.01, -0.1, 0}, Case{0.002, -0.01, -0.1, 'B'}, Case{0.002, 0.004, -0.1, 'P'},
          Case{0.002, 0.004, 0.3, 'T'}, Case{0.0, 0.0, 0.0, 0}, Case{0.01, 0.01, -1, 'B'}}) {
        HandOdds odds;
        odds.Valid = true;
        odds.EvBanker = c.banker;
        odds.EvPlayer = c.player;
        odds.EvTie = c.tie;
        EXPECT_EQ(bacc::BestPositiveBet(odds), c.best) << c.banker << " " << c.player << " " << c.tie;
    }
}

TEST(RemainingValues, AreTheCardsNotYetBurntOrDealt) {
    bacc::Shoe shoe;
    shoe.SetSeed(99);
    shoe.DeckCount = 2;
    shoe.StartShoe();
    EXPECT_EQ(bacc::CardCount(bacc::RemainingValues(shoe)), 104 - shoe.NextCard);
    for (int hand = 0; hand < 7; ++hand) {
        shoe.DealHand();
    }
    // The count table tallies every burnt and dealt card by rank.
    ValueCounts out{};
    for (int rank = 1; rank <= 13; ++rank) {
        const auto& row = shoe.DealtCountTable[static_cast<std::size_t>(rank - 1)];
        out[static_cast<std::size_t>(bacc::CardValue(rank))] +=
            row.Count[1] + row.Count[2] + row.Count[3] + row.Count[4];
    }
    const ValueCounts left = bacc::RemainingValues(shoe);
    const ValueCounts fresh = bacc::FreshShoe(2);
    for (std::size_t v = 0; v < 10; ++v) {
        EXPECT_EQ(left[v] + out[v], fresh[v]) << "value " << v;
    }
    EXPECT_EQ(bacc::CardCount(left), 104 - shoe.NextCard);
    // Mid-shoe odds are as exact as a fresh shoe's.
    ExpectMatches(ExactOdds(left), exact::Enumerator(left).Run());
}

namespace {
HandOdds WithValues(double banker, double player, double tie) {
    HandOdds odds;
    odds.Valid = true;
    odds.EvBanker = banker;
    odds.EvPlayer = player;
    odds.EvTie = tie;
    return odds;
}
} // namespace

TEST(EdgeReport, SettlesTheBestPositiveBetOfEachHand) {
    const HandOdds none = WithValues(-0.01, -0.01, -0.1);
    const HandOdds banker = WithValues(0.003, -0.02, -0.1);
    const HandOdds player = WithValues(-0.02, 0.001, -0.1);
    const HandOdds tie = WithValues(0.003, -0.02, 0.05);
    struct Hand {
        HandOdds odds;
        char result;
    };
    // Banker wins 0.95; Player loses 1; Tie wins 8; Banker on a tie pushes; no bet; Player wins 1; Tie
    // loses 1; no odds, no bet.
    const std::vector<Hand> hands{{banker, 'B'}, {player, 'B'}, {tie, 'T'}, {banker, 'T'},
                                  {none, 'P'},   {player, 'P'}, {tie, 'B'}, {HandOdds{}, 'B'}};
    bacc::EdgeReport report;
    for (const Hand& hand : hands) {
        report.BeforeHand(hand.odds);
        report.AfterHand(hand.result);
    }
    // 0.95 - 1 + 8 + 0 + 1 - 1 = 7.95 over six bets.
    EXPECT_EQ(report.Hands(), 8u);
    EXPECT_EQ(report.PositiveHands(), 6u);
    EXPECT_DOUBLE_EQ(report.WonUnits(), 7.95);
    EXPECT_DOUBLE_EQ(report.WonPerBet(), 7.95 / 6);
    EXPECT_EQ(report.BetsOn('B'), 2u);
    EXPECT_EQ(report.BetsOn('P'), 2u);
    EXPECT_EQ(report.BetsOn('T'), 2u);
    EXPECT_EQ(report.JsonFields(),
              "\"edge_hands\": 8, \"edge_positive_hands\": 6, \"edge_won_units\": 7.95, "
              "\"edge_per_bet\": 1.325000, \"edge_banker_bets\": 2, \"edge_player_bets\": 2, "
              "\"edge_tie_bets\": 2");

    // A hand with no BeforeHand places no bet, even after a hand that had one.
    report.BeforeHand(banker);
    report.AfterHand('B');
    report.AfterHand('B');
    EXPECT_EQ(report.Hands(), 10u);
    EXPECT_EQ(report.PositiveHands(), 7u);
}

TEST(EdgeReport, MergingGivesTheSameTotalsInAnyOrder) {
    const HandOdds banker = WithValues(0.003, -0.02, -0.1);
    bacc::EdgeReport a, b, c;
    for (int k = 0; k < 30; ++k) {
        a.BeforeHand(banker);
        a.AfterHand(k % 3 == 0 ? 'P' : 'B');
    }
    b.BeforeHand(WithValues(-1, -1, 0.2));
    b.AfterHand('T');
    c.AfterHand('P');
    bacc::EdgeReport abc = a, cba = c;
    abc.Merge(b);
    abc.Merge(c);
    cba.Merge(b);
    cba.Merge(a);
    EXPECT_EQ(abc.JsonFields(), cba.JsonFields());
    EXPECT_EQ(abc.Hands(), 32u);
    EXPECT_EQ(abc.PositiveHands(), 31u);
    // 20 Banker wins at 0.95, 10 losses, a tie at 8.
    EXPECT_DOUBLE_EQ(abc.WonUnits(), 20 * 0.95 - 10 + 8);
}

TEST(EdgeReport, TakesCountsAsWellAsOdds) {
    bacc::EdgeReport report;
    // Tens only: the Tie is sure and pays 8.
    report.BeforeHand(ValueCounts{40, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    report.AfterHand('T');
    report.BeforeHand(bacc::FreshShoe(8));
    report.AfterHand('B');
    EXPECT_EQ(report.PositiveHands(), 1u);
    EXPECT_DOUBLE_EQ(report.WonUnits(), 8.0);
}

struct CountsCase {
    const char* text;
    bool good;
    ValueCounts counts;
};

class ParseCountsTable : public testing::TestWithParam<CountsCase> {};

TEST_P(ParseCountsTable, AcceptsTenWholeNumbersOnly) {
    const CountsCase& c = GetParam();
    const std::optional<ValueCounts> parsed = bacc::ParseCounts(c.text);
    ASSERT_EQ(parsed.has_value(), c.good) << c.text;
    if (c.good) {
        EXPECT_EQ(*parsed, c.counts) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseCountsTable,
    testing::Values(
        CountsCase{"128,32,32,32,32,32,32,32,32,32", true, bacc::FreshShoe(8)},
        CountsCase{"0,0,0,0,0,0,0,0,0,6", true, {0, 0, 0, 0, 0, 0, 0, 0, 0, 6}},
        CountsCase{"416,0,0,0,0,0,0,0,0,0", true, {416, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        CountsCase{"007,1,0,0,0,0,0,0,0,0", true, {7, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
        CountsCase{"417,0,0,0,0,0,0,0,0,0", false, {}}, CountsCase{"1,1,1,1,1,0,0,0,0,0", false, {}},
        CountsCase{"1,1,1,1,1,1,1,1,1", false, {}}, CountsCase{"1,1,1,1,1,1,1,1,1,1,1", false, {}},
        CountsCase{"1,1,1,1,1,1,1,1,1,1,", false, {}}, CountsCase{",1,1,1,1,1,1,1,1,1", false, {}},
        CountsCase{"1,1,1,1,,1,1,1,1,1", false, {}}, CountsCase{"1,1,1,1,-1,1,1,1,1,9", false, {}},
        CountsCase{"1, 1,1,1,1,1,1,1,1,1", false, {}}, CountsCase{"1,1,1,1,1,1,1,1,1,1x", false, {}},
        CountsCase{"1.5,1,1,1,1,1,1,1,1,1", false, {}}, CountsCase{"", false, {}},
        CountsCase{"99999999999999999999,1,1,1,1,1,1,1,1,1", false, {}}));

TEST(OddsJson, GivesEveryFieldWithSixDecimals) {
    const std::string json = bacc::OddsJson(ExactOdds(bacc::FreshShoe(8)));
    EXPECT_EQ(json, "{\"cards\": 416, \"valid\": true, \"banker\": 0.458597, \"player\": 0.446247, "
                    "\"tie\": 0.095156, \"natural\": 0.343049, \"player_natural\": 0.189435, "
                    "\"banker_natural\": 0.189435, \"ev_banker\": -0.010579, \"ev_player\": -0.012351, "
                    "\"ev_tie\": -0.143596}");
    const std::string none = bacc::OddsJson(ExactOdds({5, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(none, "{\"cards\": 5, \"valid\": false, \"banker\": null, \"player\": null, \"tie\": null, "
                    "\"natural\": null, \"player_natural\": null, \"banker_natural\": null, "
                    "\"ev_banker\": null, \"ev_player\": null, \"ev_tie\": null}");
}
