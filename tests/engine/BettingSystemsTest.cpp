#include "BettingSystems.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

using bacc::BetSide;
using bacc::Bettor;
using bacc::Cents;
using bacc::SystemKind;

namespace {

constexpr Cents Dollars(double dollars) {
    return static_cast<Cents>(dollars * 100 + (dollars < 0 ? -0.5 : 0.5));
}

// A session worked by hand: the results of successive hands, the whole-dollar stakes on the table at each
// hand (0: the bankroll could not cover a bet, the session is ruined there), the spots bet on (empty: not
// checked), the final bankroll and the whole dollars wagered.
struct Worked {
    const char* name;
    SystemKind system;
    BetSide side;
    bacc::TableLimits limits;
    double bankroll;
    const char *results, *stakes, *spots;
    double finalBankroll;
    int wagered;
};

using enum SystemKind;
using enum BetSide;
const bacc::TableLimits Ten{Dollars(10), Dollars(10), 0}, Max40{Dollars(10), Dollars(10), Dollars(40)},
    Min25{Dollars(10), Dollars(25), 0}, Min35{Dollars(10), Dollars(35), 0};

// clang-format off
const Worked Sessions[] = {
    // A Banker win pays $9.50; the bet on a tie stands and is not wagered again.
    {"FlatBanker", Flat, Banker, Ten, 1000, "BPTPB", "10 10 10 10 10", "BBBBB", 999, 40},
    {"MartingaleDoubles", Martingale, Banker, Ten, 1000, "PPPBTB", "10 20 40 80 10 10", "", 1015.5, 160},
    {"ParoliThreeWins", Paroli, Banker, Ten, 1000, "BBBBPB", "10 20 40 10 20 10", "", 1065.5, 110},
    {"DAlembertFloor", DAlembert, Banker, Ten, 1000, "PPBTBBB", "10 20 30 20 20 10 10", "", 1036.5, 100},
    {"Fibonacci", Fibonacci, Banker, Ten, 1000, "PPPPBBPBB", "10 10 20 30 50 20 10 10 10", "", 1005.5, 170},
    {"OneThreeTwoSix", OneThreeTwoSix, Banker, Ten, 1000, "BBBBBPB", "10 30 20 60 10 30 10", "", 1103, 170},
    {"PlayerEvenMoney", Martingale, Player, Ten, 1000, "BBP", "10 20 40", "PPP", 1010, 70},
    // The Tie bet is settled every hand, so a tie advances its system.
    {"TieSettledEveryHand", Flat, Tie, Ten, 1000, "PBTT", "10 10 10 10", "TTTT", 1140, 40},
    {"TieAdvancesTheSystem", Martingale, Tie, Ten, 1000, "PTP", "10 20 10", "", 1140, 40},
    {"FollowTheLastDecided", Flat, Follow, Ten, 1000, "PPBTB", "10 10 10 10 10", "BPPBB", 999.5, 40},
    {"OppositeOfTheLast", Flat, Opposite, Ten, 1000, "PPBTB", "10 10 10 10 10", "PBBPP", 999.5, 40},
    {"MaximumCaps", Martingale, Banker, Max40, 1000, "PPPPB", "10 20 40 40 40", "", 928, 150},
    {"MinimumRaises", Martingale, Banker, Min25, 1000, "PPB", "25 25 40", "", 988, 90},
    // Short of the stake, the bet is cut to the whole dollars left; below the minimum, ruin.
    {"RuinAfterACutBet", Martingale, Banker, Ten, 100.5, "PPPPB", "10 20 40 30 0", "", 0.5, 100},
    {"RuinShortOfTheMinimum", Martingale, Banker, Min35, 100, "PPP", "35 35 0", "", 30, 70},
};
// clang-format on

class WorkedSession : public testing::TestWithParam<Worked> {};

TEST_P(WorkedSession, StakesSpotsAndBankroll) {
    const Worked& w = GetParam();
    Bettor bettor(w.system, w.side, w.limits, Dollars(w.bankroll));
    std::string stakes, spots;
    for (const char* result = w.results; *result; ++result) {
        if (!bettor.PlaceBet()) {
            stakes += "0";
            break;
        }
        ASSERT_EQ(bettor.Stake() % 100, 0);
        stakes += std::to_string(bettor.Stake() / 100) + (result[1] ? " " : "");
        spots += bettor.Spot();
        bettor.Settle(*result);
    }
    EXPECT_EQ(stakes, w.stakes);
    if (*w.spots) {
        EXPECT_EQ(spots, w.spots);
    }
    EXPECT_EQ(bettor.Bankroll(), Dollars(w.finalBankroll));
    EXPECT_EQ(bettor.Wagered(), Dollars(w.wagered));
}

INSTANTIATE_TEST_SUITE_P(HandWorked, WorkedSession, testing::ValuesIn(Sessions),
                         [](const testing::TestParamInfo<Worked>& info) {
                             return std::string(info.param.name);
                         });

TEST(Commission, BankerWinsAreExactToTheCent) {
    for (const Cents dollars : {1, 3, 7, 19, 99, 1234567}) {
        EXPECT_EQ(bacc::Winnings('B', dollars * 100), dollars * 95) << dollars;
        EXPECT_EQ(bacc::Winnings('P', dollars * 100), dollars * 100);
        EXPECT_EQ(bacc::Winnings('T', dollars * 100), dollars * 800);
    }
    // A hundred $1 Banker wins: $95.00, where rounding each payout to the dollar would give $100.
    Bettor bettor(SystemKind::Flat, BetSide::Banker, {Dollars(1), Dollars(1), 0}, Dollars(50));
    for (int hand = 0; hand < 100; ++hand) {
        ASSERT_TRUE(bettor.PlaceBet());
        ASSERT_TRUE(bettor.Settle('B'));
    }
    EXPECT_EQ(bettor.Bankroll(), Dollars(145));
}

TEST(Bettor, APushedBetStaysAndIsTakenBackAtTheEnd) {
    Bettor bettor(SystemKind::Martingale, BetSide::Banker, Ten, Dollars(1000));
    ASSERT_TRUE(bettor.PlaceBet());
    EXPECT_FALSE(bettor.Settle('T'));
    EXPECT_TRUE(bettor.Standing());
    EXPECT_EQ(bettor.Wagered(), Dollars(10));
    bettor.TakeBack();
    EXPECT_FALSE(bettor.Standing());
    EXPECT_EQ(bettor.Wagered(), 0);
    EXPECT_EQ(bettor.Bankroll(), Dollars(1000));
}

TEST(Bettor, ALongLosingRunNeverOverflows) {
    for (SystemKind kind : {SystemKind::Martingale, SystemKind::Fibonacci, SystemKind::DAlembert}) {
        Bettor bettor(kind, BetSide::Banker, {Dollars(10), Dollars(10), Dollars(500)}, Dollars(1e12));
        for (int hand = 0; hand < 200; ++hand) {
            ASSERT_TRUE(bettor.PlaceBet());
            ASSERT_LE(bettor.Stake(), Dollars(500));
            ASSERT_GE(bettor.Stake(), Dollars(10));
            bettor.Settle('P');
        }
    }
}

// The lean flat bettor the studies use must bet, win and wager exactly as the flat system does, on every
// side, whether its stake is whole, cut by a short bankroll or capped by an overflowing one.
TEST(FlatBettor, BetsAsTheFlatSystemDoes) {
    const Cents most = std::numeric_limits<Cents>::max();
    const struct {
        bacc::TableLimits limits;
        Cents bankroll;
    } cases[] = {
        {Ten, Dollars(1000)},
        {Ten, Dollars(35.5)}, // soon short: cut stakes, then ruin
        {Min25, Dollars(60)}, // the minimum above the unit
        {{Dollars(10), Dollars(30), Dollars(20)},
         Dollars(500)}, // a maximum below the minimum: ruined at once
        {{Dollars(1000000000), Dollars(1000000000), 0}, most - Dollars(9e9)}, // a win of 8 to 1 barely fits
    };
    // Each lean bettor against the flat system over the same random hands.
    const auto compare = [](auto lean, Bettor flat, unsigned seed) {
        std::mt19937 random(seed);
        for (int hand = 0; hand < 400; ++hand) {
            const bool placed = flat.PlaceBet();
            ASSERT_EQ(lean.PlaceBet(), placed) << hand;
            if (!placed) {
                break;
            }
            const char result = "BBBBPPPPT"[random() % 9];
            ASSERT_EQ(lean.Settle(result), flat.Settle(result)) << hand;
            ASSERT_EQ(lean.Bankroll(), flat.Bankroll()) << hand;
            ASSERT_EQ(lean.Wagered(), flat.Wagered()) << hand;
        }
        flat.TakeBack();
        lean.TakeBack();
        EXPECT_EQ(lean.Wagered(), flat.Wagered());
    };
    unsigned seed = 7;
    for (const auto& c : cases) {
        for (const BetSide side : bacc::AllSides) {
            ++seed;
            compare(bacc::FlatBettor(side, c.limits, c.bankroll),
                    Bettor(SystemKind::Flat, side, c.limits, c.bankroll), seed);
            if (side == BetSide::Banker || side == BetSide::Player || side == BetSide::Tie) {
                compare(bacc::FixedSideFlatBettor(side, c.limits, c.bankroll),
                        Bettor(SystemKind::Flat, side, c.limits, c.bankroll), seed);
            }
        }
    }
}

TEST(Names, EveryNameReadsBack) {
    for (SystemKind kind : {Flat, Martingale, Paroli, DAlembert, Fibonacci, OneThreeTwoSix}) {
        EXPECT_EQ(bacc::SystemNamed(bacc::NameOf(kind)), kind);
    }
    for (BetSide side : {Banker, Player, Tie, Follow, Opposite}) {
        EXPECT_EQ(bacc::SideNamed(bacc::NameOf(side)), side);
    }
    EXPECT_EQ(bacc::SystemNamed("1326"), SystemKind::OneThreeTwoSix);
    EXPECT_FALSE(bacc::SystemNamed("Martingale"));
    EXPECT_FALSE(bacc::SideNamed(""));
}

} // namespace
