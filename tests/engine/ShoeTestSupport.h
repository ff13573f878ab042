#pragma once

// Builds stacked shoes for tests: the listed ranks come first, in order, each taken from the first suit
// (and deck) that still has that rank; the rest of the shoe follows in id order.
#include "Shoe.h"

#include <stdexcept>
#include <vector>

namespace testshoe {

inline std::vector<bacc::CardId> OrderStartingWith(const std::vector<int>& ranks, int decks = 1) {
    const int size = 52 * decks;
    std::vector<bool> used(static_cast<std::size_t>(size), false);
    std::vector<bacc::CardId> order;
    for (int rank : ranks) {
        int id = rank - 1;
        while (id < size && used[static_cast<std::size_t>(id)]) {
            id += 13;
        }
        if (id >= size) {
            throw std::logic_error("rank used up");
        }
        used[static_cast<std::size_t>(id)] = true;
        order.push_back(static_cast<bacc::CardId>(id));
    }
    for (int id = 0; id < size; ++id) {
        if (!used[static_cast<std::size_t>(id)]) {
            order.push_back(static_cast<bacc::CardId>(id));
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
