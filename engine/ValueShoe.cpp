#include "ValueShoe.h"

#include <algorithm>

namespace bacc {

const std::array<ValueShoe::DrawRow, 100> ValueShoe::Draws = [] {
    std::array<DrawRow, 100> rows{};
    for (int player = 0; player < 10; ++player) {
        for (int banker = 0; banker < 10; ++banker) {
            DrawRow& row = rows[static_cast<std::size_t>(10 * player + banker)];
            if (player >= 8 || banker >= 8) {
                continue; // a natural: nobody draws
            }
            row.player = player <= 5;
            row.banker[0] = BankerDraws(banker, false, 0);
            for (int third = 0; third < 10; ++third) {
                row.banker[static_cast<std::size_t>(third + 1)] = BankerDraws(banker, true, third);
            }
        }
    }
    return rows;
}();

namespace {
// The values of the cards of an eight-deck shoe in the order a shuffle starts from (card ids 0, 1, ...).
const std::array<std::uint8_t, 8 * CardsPerDeck> InOrder = [] {
    std::array<std::uint8_t, 8 * CardsPerDeck> values{};
    for (std::size_t id = 0; id < values.size(); ++id) {
        values[id] = static_cast<std::uint8_t>(CardValue(RankOf(static_cast<CardId>(id))));
    }
    return values;
}();
} // namespace

ValueShoe::ValueShoe(int decks) {
    if (decks < 1 || decks > 8) {
        decks = 8;
    }
    size_ = decks * CardsPerDeck;
    lastHandFrom_ = size_ - 1 - 13;
}

void ValueShoe::Start(std::uint64_t seed, std::uint64_t shoe) {
    std::copy_n(InOrder.begin(), size_, values_.begin());
    random_ = ShuffleRandom(ShuffleRandom::ShoeSeed(seed, shoe));
    shuffled_ = 0;
    // Every shoe is dealt at least up to the cut card.
    ShuffleThrough(lastHandFrom_);
    // The first card is burnt with as many more as its value (ten and court cards, value 0, count 10).
    next_ = (values_[0] == 0 ? 10 : values_[0]) + 1;
    counted_ = 0;
    left_ = FreshShoe(size_ / CardsPerDeck);
    lastHand_ = false;
    endOfShoe_ = false;
}

void ValueShoe::ShuffleThrough(int position) {
    // The same draws as Shoe's shuffle: position i takes a card chosen uniformly from those not yet placed.
    // In locals: a byte stored may alias anything, so members would be reloaded after every swap.
    const int size = size_;
    const int end = std::min(position + 1, size - 1);
    std::uint8_t* values = values_.data();
    ShuffleRandom random = random_;
    for (int i = shuffled_; i < end; ++i) {
        const int j = i + static_cast<int>(random.Below(static_cast<std::uint32_t>(size - i)));
        const std::uint8_t card = values[i];
        values[i] = values[j];
        values[j] = card;
    }
    random_ = random;
    shuffled_ = std::max(shuffled_, position + 1);
}

const ValueCounts& ValueShoe::Left() {
    for (; counted_ < next_; ++counted_) {
        --left_[values_[static_cast<std::size_t>(counted_)]];
    }
    return left_;
}

} // namespace bacc
