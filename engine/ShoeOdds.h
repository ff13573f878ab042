#pragma once

// Exact odds of the next hand from the cards left in a shoe, and the tally of what betting only when
// those odds favour a bet would have won.
#include "Payouts.h"

#include <array>
#include <cstdint>
#include <string>

namespace bacc {

class Shoe;

// How many cards of each baccarat value 0..9 a shoe holds; value 0 counts tens and court cards.
using ValueCounts = std::array<int, 10>;

// The undealt cards of a shoe: positions NextCard .. LastCardIndex.
ValueCounts RemainingValues(const Shoe& shoe);
// A full shoe of the given number of decks, before the burn.
ValueCounts FreshShoe(int decks);
int CardCount(const ValueCounts& counts);

// The table's odds per unit bet. A tie pushes Player and Banker bets.
inline constexpr double BankerWinPays = BankerPaysCents / 100.0;
inline constexpr double PlayerWinPays = PlayerPaysCents / 100.0;
inline constexpr double TieWinPays = TiePaysCents / 100.0;

// A hand can take six cards. With fewer left some deals could not be completed, so no odds are given
// for them rather than odds of a game the table never plays.
inline constexpr int MinOddsCards = 6;
// No value can have more cards than the largest shoe holds.
inline constexpr int MaxValueCount = 8 * 52;

struct HandOdds {
    // False when the composition has fewer than MinOddsCards cards, or a count below 0 or above
    // MaxValueCount; every other field except Cards is then 0.
    bool Valid = false;
    int Cards = 0;
    double Banker = 0;
    double Player = 0;
    double Tie = 0;
    double PlayerNatural = 0;
    double BankerNatural = 0;
    double Natural = 0; // either hand, or both
    // Expected win per unit staked, a push counting 0.
    double EvBanker = 0;
    double EvPlayer = 0;
    double EvTie = 0;
};

// Probabilities of the next hand dealt from exactly these cards, in the table's order (Player, Banker,
// Player, Banker, then third cards, without replacement) by the drawing rules, and the expected value
// of each bet. Every count is an exact integer, and each probability is their quotient rounded once to
// the nearest double.
HandOdds ExactOdds(const ValueCounts& counts);

// The expected values of the three bets for given win probabilities.
void SetExpectedValues(HandOdds& odds);

// The bet a player who bets only when the odds favour him would place: the one of highest positive
// expected value ('B', 'P' or 'T', preferring that order on equal values), or 0 when none is positive.
char BestPositiveBet(const HandOdds& odds);

// Before each hand a simulator hands over the odds of the hand (or the cards left), after it the
// result. Counts every hand, the hands on which some bet had positive expected value, and what one unit
// flat bet on the best such bet of those hands would have won. A tie pushes a Banker or Player bet: the
// bet is counted, settled, with 0 won.
class EdgeReport {
public:
    void BeforeHand(const ValueCounts& counts) { BeforeHand(ExactOdds(counts)); }
    void BeforeHand(const HandOdds& odds);
    // result: 'B', 'P' or 'T'. A hand without a BeforeHand counts as a hand with no positive bet.
    void AfterHand(char result);

    // Adds another report. Money is kept in hundredths of a unit, so the sum is exact and the same
    // whatever order reports are merged in.
    void Merge(const EdgeReport& other);

    std::uint64_t Hands() const { return hands_; }
    std::uint64_t PositiveHands() const { return positiveHands_; }
    double WonUnits() const { return static_cast<double>(wonHundredths_) / 100.0; }
    // Won per positive hand; 0 when there was none.
    double WonPerBet() const;
    // One bet count per kind of bet, for the report: 'B', 'P', 'T'.
    std::uint64_t BetsOn(char bet) const;
    // What those bets were worth: the mean of their exact expected values, and its standard error (the
    // spread of those values over the square root of their number).
    double ExpectedPerBet() const;
    double ExpectedPerBetError() const;
    // The standard error of WonPerBet about ExpectedPerBet, from the exact variance of each bet: how
    // far luck alone moves the realised win.
    double WonPerBetError() const;

    // The fields of a JSON object, without its braces: "edge_hands", "edge_positive_hands",
    // "edge_won_units" (%.2f), "edge_per_bet", "edge_per_bet_se", "edge_expected_per_bet",
    // "edge_expected_se" (%.6f), then the bets placed on each side, "edge_banker_bets",
    // "edge_player_bets", "edge_tie_bets".
    std::string JsonFields() const;

private:
    // Expected values and variances are summed in fixed point (2^-40), so that merged reports give the
    // same figures, bit for bit, in any order.
    __extension__ typedef __int128 FixedSum;
    static double Mean(FixedSum sum, std::uint64_t count);

    std::uint64_t hands_ = 0;
    std::uint64_t positiveHands_ = 0;
    std::int64_t wonHundredths_ = 0;
    std::array<std::uint64_t, 3> betsOn_{};
    FixedSum expected_ = 0;
    FixedSum expectedSquares_ = 0;
    FixedSum variance_ = 0;
    char pending_ = 0;
    double pendingExpected_ = 0;
    double pendingVariance_ = 0;
};

} // namespace bacc
