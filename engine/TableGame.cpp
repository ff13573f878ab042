#include "TableGame.h"

#include "GameListener.h"

namespace bacc {

GameListeners& TheGameListeners() {
    static GameListeners listeners;
    return listeners;
}

void StartShoe(Shoe& shoe, MarkingState& marking, bool playerBlue) {
    shoe.StartShoe();
    marking.ResetForNewShoe(playerBlue);
}

int DealHands(Shoe& shoe, MarkingState& marking, long long wanted, const std::function<void()>& settleEach) {
    int dealt = 0;
    for (long long h = 1; h <= wanted && !shoe.EndOfShoe; ++h) {
        shoe.DealHand();
        ++marking.HandNumber;
        if (wanted > 1 && settleEach) {
            settleEach();
        }
        ++dealt;
    }
    return dealt;
}

} // namespace bacc
