#pragma once

// Two betting systems over the same shoes (common random numbers). Every shoe of a study is shuffled
// from the study's seed and its number, so two studies with one seed deal session s the same shoes
// whatever they bet: the difference between their sessions s is the systems' doing alone, and pairing
// the sessions measures it with far less noise than two independent samples would.
#include "StrategyLab.h"

#include <cstdint>
#include <vector>

namespace bacc {

// A figure of the first study minus the same figure of the second, with its standard error over the
// paired sessions and, beside it, as if the two studies had been played on different shoes. An error
// that too few sessions cannot give is NaN.
struct Difference {
    double value = 0;
    double sePaired = 0;
    double seUnpaired = 0;
};

struct Comparison {
    std::uint64_t pairs = 0;      // sessions finished in both studies
    Difference meanFinalBankroll; // cents per session
    Difference ruinRate;          // the share of sessions ruined, 0 to 1
    Difference medianDrawdown;    // cents: the median of the sessions' worst drawdowns
};

// The error of a difference of medians is found by sectioning: the pairs, in session order, are cut
// into this many runs of consecutive sessions (fewer when there are under ten sessions a section) and
// the spread of the sections' medians gives it.
inline constexpr std::uint64_t MedianSections = 20;

// Pairs session s of one study with session s of the other; only sessions both finished count.
Comparison CompareStudies(const std::vector<SessionFigures>& first,
                          const std::vector<SessionFigures>& second);

struct ComparisonResult {
    LabResult first;
    LabResult second;
    Comparison difference;
};

// Plays the study `first`, then the same study (seed, sessions, limits, stops) with another system and
// side, and pairs their sessions. One progress count runs over both.
ComparisonResult RunComparison(const LabParameters& first, SystemKind system, BetSide side,
                               const RunControl& control = {});

} // namespace bacc
