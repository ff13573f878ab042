#pragma once

// What a study may ask for, checked in one place for the lab window and the simulator.
#include "StrategyLab.h"

#include <optional>
#include <string>

namespace bacc {

// The unit, the table minimum and the table maximum: whole dollars up to this.
inline constexpr Cents MaxStake = Cents{1'000'000'000} * CentsPerDollar;
// The bankroll and the stops: dollars and cents up to this.
inline constexpr Cents MaxBankroll = Cents{1'000'000'000'000} * CentsPerDollar;
inline constexpr int MaxSessionShoes = 1'000'000;

enum class LabField { Unit, Minimum, Maximum, Bankroll, StopWin, StopLoss, Sessions, SessionShoes };

struct LabProblem {
    LabField field;
    // A sentence without its capital and full stop, naming the value and what it should be:
    // "the unit ($2000) is above the bankroll ($1000)".
    std::string message;
};

// The first field of a study that is out of range or contradicts another, or nullopt when it can run.
// A session must be able to place its first bet: neither the unit nor the table minimum may be above the
// bankroll.
std::optional<LabProblem> CheckLab(const LabParameters& parameters);

} // namespace bacc
