#pragma once

#include "Marking.h"
#include "Shoe.h"

#include <functional>

// The table's game from shoe to shoe, as the table window, the simulator and the tests drive it.
namespace bacc {

// A new shoe in play: the shoe is built, shuffled and burnt, and the marking state of the last shoe is
// cleared, its marks to be drawn in the Player colour chosen now.
void StartShoe(Shoe& shoe, MarkingState& marking, bool playerBlue);

// Deals up to wanted hands, stopping at the end of the shoe, and counts each in the marking state.
// settleEach runs after every hand of a deal of more than one hand; a single hand is presented and then
// settled by the caller. Answers the number of hands dealt (0 when the shoe is over).
int DealHands(Shoe& shoe, MarkingState& marking, long long wanted, const std::function<void()>& settleEach);

} // namespace bacc
