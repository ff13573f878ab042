#include "ShoeOdds.h"

#include "ExactOdds.h"
#include "OddsCli.h"
#include "Shoe.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using bacc::ExactOdds;
using bacc::HandOdds;
using bacc::ValueCounts;

namespace {

// The enumerator multiplies and adds some 10^5 floating-point probabilities: good to about 1e-12.
void ExpectMatches(const HandOdds& odds, const exact::Outcome& expected, double tolerance = 2e-12) {
    ASSERT_TRUE(odds.Valid);
    EXPECT_NEAR(odds.Banker, expected.banker, tolerance);
    EXPECT_NEAR(odds.Player, expected.player, tolerance);
    EXPECT_NEAR(odds.Tie, expected.tie, tolerance);
    EXPECT_NEAR(odds.PlayerNatural, expected.playerNatural, tolerance);
    EXPECT_NEAR(odds.BankerNatural, expected.bankerNatural, tolerance);
    EXPECT_NEAR(odds.Natural, expected.natural, tolerance);
    EXPECT_NEAR(odds.Banker + odds.Player + odds.Tie, 1.0, 1e-13);
    // A unit on the Banker wins 0.95 and loses 1; ties stand.
    EXPECT_NEAR(odds.EvBanker, 0.95 * odds.Banker - odds.Player, 1e-15);
    EXPECT_NEAR(odds.EvPlayer, odds.Player - odds.Banker, 1e-15);
    EXPECT_NEAR(odds.EvTie, 8 * odds.Tie - odds.Banker - odds.Player, 1e-14);
}

// Every deal of distinct cards, card by card. A deal of k cards stands for (N - k) ... (N - 5) orderings
// of six cards, so the sums are whole numbers, exact in a double, over N (N - 1) ... (N - 5).
exact::Outcome CardByCard(const ValueCounts& counts) {
    std::vector<int> cards;
    for (int v = 0; v < 10; ++v) {
        cards.insert(cards.end(), static_cast<std::size_t>(counts[static_cast<std::size_t>(v)]), v);
    }
    const auto orderings = [n = static_cast<double>(cards.size())](int from) {
        double product = 1;
        for (int j = from; j < 6; ++j) {
            product *= n - j;
        }
        return product;
    };
    std::vector<bool> used(cards.size(), false);
    std::array<int, 6> dealt{};
    exact::Outcome sum;
    const auto take = [&](auto&& self, int k) -> void {
        if (exact::Enumerator::CardsNeeded(dealt, k) == k) {
            return exact::Enumerator::Settle(dealt, k, orderings(k), sum);
        }
        for (std::size_t c = 0; c < cards.size(); ++c) {
            if (!used[c]) {
                used[c] = true;
                dealt[static_cast<std::size_t>(k)] = cards[c];
                self(self, k + 1);
                used[c] = false;
            }
        }
    };
    take(take, 0);
    for (double* x :
         {&sum.banker, &sum.player, &sum.tie, &sum.playerNatural, &sum.bankerNatural, &sum.natural}) {
        *x /= orderings(0);
    }
    return sum;
}

HandOdds WithValues(double banker, double player, double tie) {
    HandOdds odds;
    odds.Valid = true;
    odds.EvBanker = banker;
    odds.EvPlayer = player;
    odds.EvTie = tie;
    return odds;
}

} // namespace

// Fresh shoes of every size against the independent enumerator, and two eight-deck shoes: more cards than
// any shoe holds are counted in wider integers than a double's.
class FreshShoeOdds : public testing::TestWithParam<int> {};

TEST_P(FreshShoeOdds, MatchTheIndependentEnumeration) {
    const int decks = GetParam();
    ExpectMatches(ExactOdds(bacc::FreshShoe(decks)), exact::Enumerator(bacc::FreshShoe(decks)).Run());
    EXPECT_EQ(ExactOdds(bacc::FreshShoe(decks)).Cards, 52 * decks);
}

INSTANTIATE_TEST_SUITE_P(ShoeSizes, FreshShoeOdds, testing::Values(1, 2, 4, 6, 8, 16));

// Small random shoes against every sequence of their cards; a narrowed range now and then leaves some
// values out.
TEST(ShoeOdds, SmallShoesMatchEveryCardSequence) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 16; ++round) {
        ValueCounts counts{};
        const std::size_t top = round % 3 == 0 ? 4 : 9;
        for (int c = 0; c < 8 + round % 5; ++c) {
            ++counts[std::uniform_int_distribution<std::size_t>(0, top)(random)];
        }
        SCOPED_TRACE(testing::PrintToString(counts));
        ExpectMatches(ExactOdds(counts), CardByCard(counts), 1e-15);
    }
}

TEST(ShoeOdds, TooFewOrImpossibleCardsGiveNoOdds) {
    const ValueCounts shoes[] = {{}, {5}, {1, 1, 1, 1, 1}, {10, -1}, {3000}}; // unnamed values: none
    for (const ValueCounts& shoe : shoes) {
        const HandOdds odds = ExactOdds(shoe);
        EXPECT_FALSE(odds.Valid) << odds.Cards;
        EXPECT_EQ(odds.Banker + odds.Player + odds.Tie + odds.EvBanker + odds.EvTie, 0.0);
        EXPECT_EQ(bacc::BestPositiveBet(odds), 0);
    }
    EXPECT_TRUE(ExactOdds({6}).Valid);
}

// The highest positive value wins; on equal values the Banker comes first.
TEST(ShoeOdds, BestPositiveBetPicksTheHighestPositiveValue) {
    EXPECT_EQ(bacc::BestPositiveBet(WithValues(0, 0, 0)), 0);
    EXPECT_EQ(bacc::BestPositiveBet(WithValues(0.002, 0.004, -0.1)), 'P');
    EXPECT_EQ(bacc::BestPositiveBet(WithValues(0.002, 0.004, 0.3)), 'T');
    EXPECT_EQ(bacc::BestPositiveBet(WithValues(0.01, 0.01, -1)), 'B');
}

// Banker wins 0.95; Player loses 1; Tie wins 8; Banker on a tie pushes; no bet; Player wins 1; Tie loses
// 1; no odds, no bet: 7.95 over six bets.
TEST(EdgeReport, SettlesTheBestPositiveBetOfEachHand) {
    const HandOdds none = WithValues(-0.01, -0.01, -0.1), banker = WithValues(0.003, -0.02, -0.1),
                   player = WithValues(-0.02, 0.001, -0.1), tie = WithValues(0.003, -0.02, 0.05);
    const std::vector<std::pair<HandOdds, char>> hands{{banker, 'B'}, {player, 'B'},    {tie, 'T'},
                                                       {banker, 'T'}, {none, 'P'},      {player, 'P'},
                                                       {tie, 'B'},    {HandOdds{}, 'B'}};
    bacc::EdgeReport report;
    for (const auto& [odds, result] : hands) {
        report.BeforeHand(odds);
        report.AfterHand(result);
    }
    EXPECT_DOUBLE_EQ(report.WonPerBet(), 7.95 / 6);
    EXPECT_EQ(
        report.JsonFields(),
        "\"edge_hands\": 8, \"edge_positive_hands\": 6, \"edge_won_units\": 7.95, "
        "\"edge_per_bet\": 1.325000, \"edge_per_bet_se\": 0.235407, \"edge_expected_per_bet\": 0.018000, "
        "\"edge_expected_se\": 0.010126, \"edge_banker_bets\": 2, \"edge_player_bets\": 2, "
        "\"edge_tie_bets\": 2");

    // A hand with no BeforeHand places no bet, even after a hand that had one; counts serve as odds.
    report.BeforeHand(banker);
    report.AfterHand('B');
    report.AfterHand('B');
    report.BeforeHand(ValueCounts{40, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    report.AfterHand('T');
    EXPECT_EQ(report.Hands(), 11u);
    EXPECT_EQ(report.PositiveHands(), 8u);
    EXPECT_DOUBLE_EQ(report.WonUnits(), 7.95 + 0.95 + 8);
}

TEST(ParseCounts, AcceptsTenWholeNumbersOnly) {
    EXPECT_EQ(bacc::ParseCounts("128,32,32,32,32,32,32,32,32,32"), bacc::FreshShoe(8));
    EXPECT_EQ(bacc::ParseCounts("416,0,0,0,0,0,0,0,0,0"), (ValueCounts{416, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bacc::ParseCounts("007,1,0,0,0,0,0,0,0,0"), (ValueCounts{7, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    for (const char* text :
         {"417,0,0,0,0,0,0,0,0,0", "1,1,1,1,1,0,0,0,0,0", "1,1,1,1,1,1,1,1,1", "1,1,1,1,1,1,1,1,1,1,1",
          "1,1,1,1,1,1,1,1,1,1,", ",1,1,1,1,1,1,1,1,1", "1,1,1,1,,1,1,1,1,1", "1,1,1,1,-1,1,1,1,1,9",
          "1, 1,1,1,1,1,1,1,1,1", "1,1,1,1,1,1,1,1,1,1x", "1.5,1,1,1,1,1,1,1,1,1", "",
          "99999999999999999999,1,1,1,1,1,1,1,1,1"}) {
        EXPECT_FALSE(bacc::ParseCounts(text).has_value()) << text;
    }
}

// Every number reads back as the very double worked out, so that it can be checked against any other
// enumeration to the last bit.
TEST(OddsJson, ReadsBackAsTheSameDoubles) {
    const HandOdds odds = ExactOdds(bacc::FreshShoe(8));
    const std::string json = bacc::OddsJson(odds);
    const std::pair<const char*, double> fields[] = {
        {"banker", odds.Banker},
        {"player", odds.Player},
        {"tie", odds.Tie},
        {"natural", odds.Natural},
        {"player_natural", odds.PlayerNatural},
        {"banker_natural", odds.BankerNatural},
        {"ev_banker", odds.EvBanker},
        {"ev_player", odds.EvPlayer},
        {"ev_tie", odds.EvTie},
    };
    for (const auto& [name, value] : fields) {
        const std::size_t at = json.find("\"" + std::string(name) + "\": ");
        ASSERT_NE(at, std::string::npos) << name;
        EXPECT_EQ(std::strtod(json.c_str() + at + std::strlen(name) + 4, nullptr), value) << name;
    }
    EXPECT_EQ(bacc::OddsJson(ExactOdds({5, 0, 0, 0, 0, 0, 0, 0, 0, 0})),
              "{\"cards\": 5, \"valid\": false, \"banker\": null, \"player\": null, \"tie\": null, "
              "\"natural\": null, \"player_natural\": null, \"banker_natural\": null, "
              "\"ev_banker\": null, \"ev_player\": null, \"ev_tie\": null}");
}
