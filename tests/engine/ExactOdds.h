#pragma once

// Exact outcome probabilities of a hand dealt from a full shoe, by enumeration over card values.
// Written independently of the engine (its own literal drawing table) so the two check each other.
#include <array>

namespace exact {

struct Outcome {
    double banker = 0, player = 0, tie = 0;
    double playerNatural = 0, bankerNatural = 0, natural = 0;
};

// The Banker's table as printed on casino cards: rows B = 0..7, columns "stood" then the Player's third
// card value 0..9. 'D' draw, 'S' stand.
inline constexpr const char* BankerTable[8] = {
    "DDDDDDDDDDD", // 0
    "DDDDDDDDDDD", // 1
    "DDDDDDDDDDD", // 2
    "DDDDDDDDDSD", // 3
    "DSSDDDDDDSS", // 4
    "DSSSSDDDDSS", // 5
    "SSSSSSSDDSS", // 6
    "SSSSSSSSSSS", // 7
};

class Enumerator {
public:
    // Any composition: counts of the values 0..9.
    explicit Enumerator(const std::array<int, 10>& counts) : counts_(counts) {
        for (int count : counts_) {
            remaining_ += count;
        }
    }

    Outcome Run() {
        Outcome outcome;
        Deal(0, {}, 1.0, outcome);
        return outcome;
    }

    // cards[0..n) taken so far in dealing order: P1, B1, P2, B2, then third cards.
    void Deal(int n, std::array<int, 6> cards, double weight, Outcome& outcome) {
        if (CardsNeeded(cards, n) == n) {
            Settle(cards, n, weight, outcome);
            return;
        }
        for (int v = 0; v <= 9; ++v) {
            if (counts_[v] == 0) {
                continue;
            }
            const double p = static_cast<double>(counts_[v]) / remaining_;
            --counts_[v];
            --remaining_;
            cards[static_cast<std::size_t>(n)] = v;
            Deal(n + 1, cards, weight * p, outcome);
            ++counts_[v];
            ++remaining_;
        }
    }

    // How many cards the hand takes once the first n are known (n >= 4 decides it).
    static int CardsNeeded(const std::array<int, 6>& c, int n) {
        if (n < 4) {
            return 4;
        }
        const int player = (c[0] + c[2]) % 10, banker = (c[1] + c[3]) % 10;
        if (player >= 8 || banker >= 8) {
            return 4;
        }
        if (player <= 5) { // the Player draws, then the Banker by the Player's third card
            return n < 5 || BankerTable[banker][1 + c[4]] == 'S' ? 5 : 6;
        }
        return BankerTable[banker][0] == 'D' ? 5 : 4;
    }

    static void Settle(const std::array<int, 6>& c, int n, double weight, Outcome& outcome) {
        int player = (c[0] + c[2]) % 10, banker = (c[1] + c[3]) % 10;
        outcome.playerNatural += player >= 8 ? weight : 0;
        outcome.bankerNatural += banker >= 8 ? weight : 0;
        outcome.natural += player >= 8 || banker >= 8 ? weight : 0;
        const bool playerDrew = n >= 5 && player <= 5 && player < 8 && banker < 8;
        if (playerDrew) {
            player = (player + c[4]) % 10;
            if (n == 6) {
                banker = (banker + c[5]) % 10;
            }
        } else if (n == 5) {
            banker = (banker + c[4]) % 10;
        }
        (player > banker ? outcome.player : banker > player ? outcome.banker : outcome.tie) += weight;
    }

private:
    std::array<int, 10> counts_{};
    int remaining_ = 0;
};

} // namespace exact
