#include "Coach.h"

#include "Bankroll.h"
#include "GameListener.h"

#include <cmath>

namespace bacc {

BetWeighing WeighBets(const SeatBets& bets, long long unitValue, const HandOdds& odds,
                      long long actualCents) {
    BetWeighing w;
    if (!bets.Any() || !odds.Valid) {
        return w;
    }
    w.Weighed = true;
    w.Actual = actualCents;
    w.Wagered = 100 * BetDollars(bets.Player + bets.Banker + bets.Tie, unitValue);
    // The money of each result, settled as the table settles it.
    const std::array<std::pair<char, double>, 3> results{
        {{'B', odds.Banker}, {'P', odds.Player}, {'T', odds.Tie}}};
    double square = 0;
    for (const auto& [result, chance] : results) {
        const auto cents = static_cast<double>(SettleSeat(bets, result, unitValue).Cents);
        w.Expected += chance * cents;
        square += chance * cents * cents;
    }
    w.Variance = std::max(0.0, square - w.Expected * w.Expected);

    const std::array<std::pair<BetSpot, double>, 3> values{
        {{BetSpot::Banker, odds.EvBanker}, {BetSpot::Player, odds.EvPlayer}, {BetSpot::Tie, odds.EvTie}}};
    double best = values[0].second;
    for (const auto& [spot, value] : values) {
        if (value > best) {
            best = value;
            w.Best = spot;
        }
    }
    w.BestExpected = best * static_cast<double>(w.Wagered);
    return w;
}

void SeatCoach::Add(const BetWeighing& hand) {
    if (hand.Weighed) {
        ++handsBet_;
        wagered_ += hand.Wagered;
        total_.Actual += hand.Actual;
        total_.Expected += hand.Expected;
        total_.Variance += hand.Variance;
        bestExpected_ += hand.BestExpected;
        last_ = hand;
    }
    points_.push_back(total_);
}

double SeatCoach::LuckDeviations() const {
    return total_.Variance > 0 ? Luck() / std::sqrt(total_.Variance) : 0.0;
}

double SeatCoach::EdgePaid() const {
    return wagered_ > 0 ? -total_.Expected / static_cast<double>(wagered_) : 0.0;
}

double SeatCoach::BestEdge() const {
    return wagered_ > 0 ? -bestExpected_ / static_cast<double>(wagered_) : 0.0;
}

void Coach::Add(const HandRecord& record) {
    ++hands_;
    const HandOdds odds = ExactOdds(record.LeftBefore);
    for (std::size_t s = 0; s < seats_.size(); ++s) {
        const SeatHandRecord& seat = record.Seats[s];
        seats_[s].Add(WeighBets(seat.Bets, seat.UnitValue, odds, seat.Cents));
    }
}

} // namespace bacc
