#pragma once

#include "Bets.h"
#include "ShoeOdds.h"

#include <array>
#include <vector>

// Luck told from choice: what a seat's bets were worth before each hand, from the exact odds of the cards
// then left, against what they made.
namespace bacc {

struct HandRecord;

// One seat's bets of one hand weighed against the odds of that hand. Money is in cents; the expected
// figures are exact up to the rounding of the odds to doubles.
struct BetWeighing {
    bool Weighed = false;    // false for a hand without bets or without odds (too few cards)
    long long Wagered = 0;   // the money in play, a push counting once
    long long Actual = 0;    // what the hand made
    double Expected = 0;     // what it makes on average
    double Variance = 0;     // of what it makes, in squared cents
    double BestExpected = 0; // the same money on the bet of highest expected value
    BetSpot Best = BetSpot::Banker;
};

// Weighs bets of so many units at unitValue dollars against a hand's odds; actualCents is what the
// table paid.
BetWeighing WeighBets(const SeatBets& bets, long long unitValue, const HandOdds& odds, long long actualCents);

// The running figures after a hand.
struct CoachPoint {
    long long Actual = 0;
    double Expected = 0;
    double Variance = 0;
};

// One seat's running figures since the coach was opened or reset.
class SeatCoach {
public:
    void Add(const BetWeighing& hand);

    int HandsBet() const { return handsBet_; }
    long long Wagered() const { return wagered_; }
    long long Actual() const { return total_.Actual; }
    double Expected() const { return total_.Expected; }
    double Variance() const { return total_.Variance; }
    // Actual less expected: what chance added or took.
    double Luck() const { return total_.Actual - total_.Expected; }
    // Luck in standard deviations of the result of the bets placed; 0 while no result could vary.
    double LuckDeviations() const;
    // The house's edge paid: the expected loss per dollar wagered; 0 before a bet.
    double EdgePaid() const;
    // What the best bet of each hand would have been expected to win with the same money.
    double BestExpected() const { return bestExpected_; }
    double BestEdge() const;
    // What the choice of bets cost against the best: expected less best expected (0 or below).
    double ChoiceCost() const { return total_.Expected - bestExpected_; }
    // The last hand the seat bet on.
    const BetWeighing& LastHand() const { return last_; }
    // The running figures after every hand the coach saw, bet on or not.
    const std::vector<CoachPoint>& Points() const { return points_; }

private:
    friend class Coach;
    void Skip() { points_.push_back(total_); }

    int handsBet_ = 0;
    long long wagered_ = 0;
    CoachPoint total_;
    double bestExpected_ = 0;
    BetWeighing last_;
    std::vector<CoachPoint> points_;
};

// Both seats, hand after hand. Each hand is weighed on the odds of the cards left before it was dealt.
class Coach {
public:
    void Add(const HandRecord& record);
    void Reset() { *this = Coach(); }

    int Hands() const { return hands_; }
    // seat: 0 or 1.
    const SeatCoach& Seat(int seat) const { return seats_.at(static_cast<std::size_t>(seat)); }

private:
    int hands_ = 0;
    std::array<SeatCoach, 2> seats_{};
};

} // namespace bacc
