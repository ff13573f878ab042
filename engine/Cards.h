#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace bacc {

// A card of the shoe: 0 .. 52 * decks - 1, in blocks of 52 (spades, clubs, diamonds, hearts; ace to king).
using CardId = std::int16_t;

inline constexpr int CardsPerDeck = 52;
inline constexpr int RanksPerSuit = 13;

// Rank 1 (ace) .. 13 (king).
constexpr int RankOf(CardId id) {
    return id % RanksPerSuit + 1;
}
// Suit index 0 Spade, 1 Club, 2 Diamond, 3 Heart.
constexpr int SuitIndexOf(CardId id) {
    return (id % CardsPerDeck) / RanksPerSuit;
}
// The card within its deck, 1..52; cards of equal face from different decks look alike.
constexpr int CardFace(CardId id) {
    return id % CardsPerDeck + 1;
}
// Baccarat value: ace 1, two to nine at face value, ten and court cards 0.
constexpr int CardValue(int rank) {
    return rank <= 9 ? rank : 0;
}

// "1".."10", "Jack", "Queen", "King"; empty for anything else. The ace is always "1".
std::string_view RankName(int rank);
// "Spade", "Club", "Diamond", "Heart" for suit index 0..3.
std::string_view SuitNameOfIndex(int suitIndex);

} // namespace bacc
