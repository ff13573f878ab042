#pragma once

#include "Cards.h"
#include "ShoeListener.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bacc {

// One line of the cards-dealt list: exactly 21 characters, no terminator.
inline constexpr int ListLineLength = 21;
using ListLine = std::array<char, ListLineLength>;
inline std::string ToString(const ListLine& line) {
    return std::string(line.data(), line.size());
}

// The marker written from column 15 of a list line.
enum class CardMark { Dealt, Burnt, End };
ListLine MakeListLine(int rank, int suitIndex, CardMark mark);

// One row of the count table: the rank's name and how many cards of each SuitNumber (1..4) have left
// the shoe. Index 0 of Count is unused so that SuitNumber indexes it directly.
struct DealtCountRow {
    std::string_view Label;
    std::array<int, 5> Count{};
};
using DealtCount = std::array<DealtCountRow, RanksPerSuit>;

// The 21-character text of a count row: label in columns 1-5, counts in columns 6, 9, 12 and 15.
std::string CountRowText(const DealtCountRow& row);

// The shoe sizes the table offers, in decks.
inline constexpr std::array<int, 5> OfferedShoeSizes{1, 2, 4, 6, 8};
// The size a shoe is built with: 1 to 8 decks as asked, anything else the largest shoe.
constexpr int CheckedDeckCount(int decks) {
    return decks >= 1 && decks <= 8 ? decks : 8;
}

// Slots: 0, 1 the Player's first two cards, 2 the Player's third; 3, 4 the Banker's first two, 5 its third.
inline constexpr int SlotCount = 6;

// The hand just dealt; overwritten by every hand. Slots 2 and 5 are valid only when that side drew.
struct HandState {
    std::array<std::int16_t, SlotCount> SlotFace{};
    std::array<std::int16_t, SlotCount> SlotRank{};
    int PlayerTwoCardTotal = 0;
    int BankerTwoCardTotal = 0;
    int PlayerTotal = 0;
    int BankerTotal = 0;
    bool PlayerNatural = false;
    bool BankerNatural = false;
    bool PlayerDrew = false;
    bool BankerDrew = false;
    char HandResult = 'T'; // 'P' Player wins, 'B' Banker wins, 'T' tie
};

// The Banker's drawing rule. playerThirdValue is the value of the Player's third card, ignored when the
// Player stood.
bool BankerDraws(int bankerTwoCardTotal, bool playerDrew, int playerThirdValue);

// The shoe of the table and the hand state that is dealt from it.
class Shoe {
public:
    // Shoe state.
    int DeckCount = 8;                  // decks for the next shoe (options)
    int ShoeDecks = 0;                  // decks of the shoe in play, copied by the shuffle command
    int LastCardIndex = -1;             // DeckCount * 52 - 1 once a shoe is built
    std::vector<CardId> ShoeOrder;      // card at each position
    std::vector<std::int16_t> CardRank; // rank of each card id
    std::vector<ListLine> CardListText; // list line of the card at each position
    DealtCount DealtCountTable{};
    int SuitNumber = 0; // of the card last named by SuitName
    int NextCard = 0;
    bool LastHand = false;
    bool EndOfShoe = false;
    bool ShoeInPlay = false;
    // Positions 0 .. CardsOut - 1 have a list line: burnt, dealt or recorded as undealt. A list that is
    // rebuilt shows exactly these.
    int CardsOut = 0;

    HandState Hand;

    // Names the suit of a card and remembers its SuitNumber (1..4) for the count table.
    std::string_view SuitName(CardId id);
    void ResetDealtCount();

    // Builds a shoe of DeckCount decks, shuffles it, burns the first card and as many more as its value,
    // and records the burnt cards. Leaves LastHand, EndOfShoe, ShoeInPlay and ShoeDecks alone.
    void NewShoe();

    // Puts a new shoe in play: NewShoe, then ShoeDecks is the size actually built and the shoe has
    // neither reached its last hand nor its end. The one way the table, the simulator and the tests
    // start a shoe.
    void StartShoe();

    // Deals one hand by the drawing rules into Hand, records its cards and applies the cut card.
    // Does nothing once EndOfShoe is set.
    void DealHand();

    // At the end of a shoe: records every card not dealt with the "<-End" marker and sets NextCard to
    // LastCardIndex.
    void RecordUndealtRest();

    // Cards counted per rank and suit are shown through this listener; nullptr silences it.
    void SetListener(ShoeListener* listener) { listener_ = listener ? listener : &silent_; }
    // Test and simulator seams. A fixed seed makes every following shoe reproducible (shoe k of the
    // run is shuffled from the seed and k); without one each shoe is seeded afresh from the system.
    void SetSeed(std::optional<std::uint64_t> seed);
    // Shoe number `shoe` (1, 2, ...) of a run seeded with `seed`, exactly as SetSeed(seed) followed by
    // that many NewShoe calls shuffles it; taken by the next NewShoe, the shoes after it follow on. Lets
    // threads deal any shoe of a run.
    void SetShoeSeed(std::uint64_t seed, std::uint64_t shoe);
    // The next NewShoe uses exactly this order (a permutation of 0 .. 52 * DeckCount - 1) instead of a
    // shuffle; the burn and the records still apply. Consumed by that one shoe.
    void StackNextShoe(std::vector<CardId> order);

    // The rank of the card at a shoe position.
    int RankAt(int position) const { return CardRank[ShoeOrder[position]]; }

private:
    void RecordCard(int position, CardMark mark);
    void Shuffle();

    ShoeListener silent_;
    ShoeListener* listener_ = &silent_;
    std::optional<std::uint64_t> seed_;
    std::uint64_t shoesBuilt_ = 0;
    std::optional<std::vector<CardId>> stacked_;
};

// The one shoe of the table.
Shoe& TheShoe();

} // namespace bacc
