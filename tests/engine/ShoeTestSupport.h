#pragma once

// Builds stacked shoes for tests: the listed ranks come first, in order, each taken from the first suit
// (and deck) that still has that rank; the rest of the shoe follows in id order.
#include "Shoe.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>
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

// The ranks of hands decided on their first two cards, in dealing order Player, Banker, Player, Banker.
// Each hand takes one of its choices of totals (Player, Banker): both 6 or 7, or a natural on either side.
// The choice and the two cards of each total are taken so that no value of an eight-deck shoe runs out
// early (a value 0 has four ranks, so four times the cards).
inline std::vector<int> TwoCardHands(const std::vector<std::vector<std::pair<int, int>>>& choices) {
    std::array<int, 10> used{1, 1}; // the burn: an ace and a king
    std::vector<int> ranks;
    const auto share = [](const std::array<int, 10>& counts) {
        double most = 0, squares = 0;
        for (int v = 0; v < 10; ++v) {
            const double part = counts[v] / (v == 0 ? 128.0 : 32.0);
            most = std::max(most, part);
            squares += part * counts[v];
        }
        return std::pair{most, squares};
    };
    for (const auto& hand : choices) {
        std::array<int, 4> best{};
        std::array<int, 10> bestUsed{};
        std::pair<double, double> bestShare{1e9, 1e9};
        for (const auto& [player, banker] : hand) {
            for (int p = 0; p < 10; ++p) {
                for (int b = 0; b < 10; ++b) {
                    const std::array<int, 4> values{p, b, (player - p + 10) % 10, (banker - b + 10) % 10};
                    std::array<int, 10> counts = used;
                    for (int v : values) {
                        ++counts[v];
                    }
                    if (share(counts) < bestShare) {
                        bestShare = share(counts);
                        best = values;
                        bestUsed = counts;
                    }
                }
            }
        }
        for (int v : best) {
            // Tens and court cards in turn for the value 0.
            ranks.push_back(v == 0 ? 10 + used[0]++ % 4 : v);
        }
        used = bestUsed;
    }
    return ranks;
}

// The totals of hands that stand on two cards: 'P' 7 to 6, 'B' 6 to 7, 'T' 6 and 6; with naturals allowed,
// any decided two-card hand of that result.
inline std::vector<std::vector<std::pair<int, int>>> TotalsOf(std::string_view results,
                                                              bool naturals = false) {
    std::vector<std::vector<std::pair<int, int>>> totals;
    for (char r : results) {
        std::vector<std::pair<int, int>> choices{{7, 6}};
        if (naturals) {
            choices = {{7, 6}, {8, 6}, {9, 6}, {8, 7}, {9, 7}, {9, 8}};
        }
        if (r != 'P') {
            for (auto& [player, banker] : choices) {
                std::swap(player, banker);
                player = r == 'T' ? banker : player;
            }
        }
        totals.push_back(choices);
    }
    return totals;
}

} // namespace testshoe
