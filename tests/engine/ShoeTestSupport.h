#pragma once

// Builds stacked shoes for tests: the listed ranks come first, in order, each taken from the first suit
// (and deck) that still has that rank; the rest of the shoe follows in id order.
#include "Shoe.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace testshoe {

inline std::vector<bacc::CardId> OrderStartingWith(const std::vector<int>& ranks, int decks = 1) {
    const auto size = static_cast<bacc::CardId>(52 * decks);
    std::vector<bacc::CardId> order;
    const auto taken = [&](bacc::CardId id) {
        return std::find(order.begin(), order.end(), id) != order.end();
    };
    for (int rank : ranks) {
        auto id = static_cast<bacc::CardId>(rank - 1);
        while (id < size && taken(id)) {
            id += 13;
        }
        if (id >= size) {
            throw std::logic_error("rank used up");
        }
        order.push_back(id);
    }
    for (bacc::CardId id = 0; id < size; ++id) {
        if (!taken(id)) {
            order.push_back(id);
        }
    }
    return order;
}

// Puts a shoe of the given order in play.
inline void StartStackedShoe(bacc::Shoe& shoe, std::vector<bacc::CardId> order, int decks = 1) {
    shoe.DeckCount = decks;
    shoe.StackNextShoe(std::move(order));
    shoe.StartShoe();
}

// A one-deck shoe burnt by an ace (positions 0 and 1, ace and king), so that the first hand starts at
// position 2 with the given ranks in dealing order: Player, Banker, Player, Banker, then third cards.
inline void StackHand(bacc::Shoe& shoe, std::vector<int> handRanks) {
    std::vector<int> ranks{1, 13};
    ranks.insert(ranks.end(), handRanks.begin(), handRanks.end());
    StartStackedShoe(shoe, OrderStartingWith(ranks));
}

} // namespace testshoe
