#pragma once

// The shoe of a simulated run: the very cards the table's Shoe deals for the same seed and shoe number,
// kept only as baccarat values and dealt into nothing but what a count or a bet reads.
//
// Fisher-Yates front to back fixes position i at its step i, so shuffling only as far as the cards
// dealt gives the same cards as shuffling the whole shoe: the shoe is shuffled up to the cut card when it
// starts and card by card beyond it, and the cards behind the last hand are never shuffled.
#include "Random.h"
#include "Shoe.h"
#include "ShoeOdds.h"

#include <array>
#include <cstdint>

namespace bacc {

// What a count or a bet reads of a hand.
struct QuickHand {
    char result = 'T'; // 'P' Player wins, 'B' Banker wins, 'T' tie
    bool playerNatural = false;
    bool bankerNatural = false;
};

class ValueShoe {
public:
    // decks: 1 to 8; anything else makes an eight-deck shoe, as the table does.
    explicit ValueShoe(int decks);

    // Puts shoe number `shoe` (1, 2, ...) of a run seeded with `seed` in play, burnt: the cards of
    // Shoe::SetShoeSeed(seed, shoe) followed by Shoe::StartShoe.
    void Start(std::uint64_t seed, std::uint64_t shoe);

    // Set once the hand after the cut card has been dealt.
    bool EndOfShoe() const { return endOfShoe_; }

    // Deals one hand by the drawing rules and applies the cut card. Only while !EndOfShoe().
    QuickHand Deal() {
        if (next_ + 6 > shuffled_) {
            ShuffleThrough(next_ + 5);
        }
        // Without a branch on the cards: whether a side draws is a coin flip to a branch predictor.
        // A third card that is not drawn is read and multiplied by 0.
        const std::uint8_t* card = values_.data() + next_;
        const int playerTwo = Mod10[card[0] + card[2]];
        const int bankerTwo = Mod10[card[1] + card[3]];
        const DrawRow& row = Draws[static_cast<std::size_t>(10 * playerTwo + bankerTwo)];
        const int playerDraws = row.player;
        const int playerThird = card[4];
        const int bankerDraws = row.banker[static_cast<std::size_t>(playerDraws * (playerThird + 1))];
        const int player = Mod10[playerTwo + playerDraws * playerThird];
        const int banker = Mod10[bankerTwo + bankerDraws * card[4 + playerDraws]];
        next_ += 4 + playerDraws + bankerDraws;
        // The cut card: the hand that runs the shoe down to 13 cards is the last but one.
        endOfShoe_ = lastHand_;
        lastHand_ = lastHand_ || next_ > lastHandFrom_;
        return {"BTP"[(player > banker) - (player < banker) + 1], playerTwo >= 8, bankerTwo >= 8};
    }

    // The position of the next card, as Shoe::NextCard.
    int NextCard() const { return next_; }
    // The cards not yet dealt, by value; kept up to date only when asked for.
    const ValueCounts& Left();

private:
    // Per pair of two-card totals (10 Player + Banker): whether the Player draws, and whether the Banker
    // does when the Player stood (column 0) or drew a third card of value v (column v + 1).
    struct DrawRow {
        std::uint8_t player;
        std::array<std::uint8_t, 11> banker;
    };
    static constexpr std::array<std::uint8_t, 19> Mod10{0, 1, 2, 3, 4, 5, 6, 7, 8, 9,
                                                        0, 1, 2, 3, 4, 5, 6, 7, 8};
    static const std::array<DrawRow, 100> Draws;

    void ShuffleThrough(int position);

    int size_;
    int lastHandFrom_; // a hand that leaves the next card beyond this is the last but one
    int next_ = 0;
    int shuffled_ = 0; // positions 0 .. shuffled_ - 1 hold their cards
    int counted_ = 0;  // positions 0 .. counted_ - 1 are out of left_
    bool lastHand_ = false;
    bool endOfShoe_ = true;
    ShuffleRandom random_{0};
    ValueCounts left_{};
    std::array<std::uint8_t, 8 * 52> values_{};
};

} // namespace bacc
