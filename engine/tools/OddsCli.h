#pragma once

// The simulator's odds output: the odds of one composition as JSON, and the composition read from the
// command line.
#include "ShoeOdds.h"

#include <optional>
#include <string>
#include <string_view>

namespace bacc {

// One JSON object on one line: "cards", "banker", "player", "tie", "natural", "player_natural",
// "banker_natural" (probabilities) and "ev_banker", "ev_player", "ev_tie" (expected win per unit
// staked), each with 17 significant digits, so that it reads back as the same double. Odds that could
// not be given have "valid": false and null numbers.
std::string OddsJson(const HandOdds& odds);

// "c0,c1,...,c9": the cards of values 0 to 9, ten whole numbers of plain digits, each 0 to
// MaxValueCount (416), separated by single commas with no spaces, at least MinOddsCards cards in all.
// Anything else: nullopt.
std::optional<ValueCounts> ParseCounts(std::string_view text);

} // namespace bacc
