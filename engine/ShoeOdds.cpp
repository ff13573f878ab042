#include "ShoeOdds.h"

#include "Shoe.h"

#include <cstdio>

namespace bacc {

ValueCounts RemainingValues(const Shoe& shoe) {
    ValueCounts counts{};
    for (int position = shoe.NextCard; position <= shoe.LastCardIndex; ++position) {
        ++counts[static_cast<std::size_t>(CardValue(shoe.RankAt(position)))];
    }
    return counts;
}

ValueCounts FreshShoe(int decks) {
    ValueCounts counts{};
    counts.fill(4 * decks);
    counts[0] = 16 * decks;
    return counts;
}

int CardCount(const ValueCounts& counts) {
    int total = 0;
    for (int count : counts) {
        total += count;
    }
    return total;
}

// How the odds are counted.
//
// The first four cards are enumerated as an unordered Player pair and an unordered Banker pair of
// values (55 x 55 instead of 10^4 ordered deals). A deal's weight is the number of ways to take those
// values from the shoe in order: a product of falling counts, an integer.
//
// Where nobody draws the outcome is read from the two totals. Where someone draws, the outcome of the
// third cards is, for one pair of two-card totals (p, b), a quadratic form in the counts m = n - r left
// after the four cards r:
//     F(m) = m' A m + lambda . m,
// A[v][w] counting the Player's third card v followed by the Banker's w, lambda the third cards drawn
// alone (and the correction for a Banker's card equal to the Player's). Summed over the deals of one
// pair of totals, with S0 the sum of their weights and S1 the weighted sum of their r,
//     sum W F(n - r) = u' A n - n' A S1 + lambda . u + sum W r' A r,    u = S0 n - S1,
// so the enumeration only adds weights into S0 and S1 and a constant table of r' A r per deal; the
// quadratic forms are evaluated once per pair of totals afterwards. Everything is counted over the
// N (N-1) ... (N-5) ordered six-card deals, so the three numerators add up to that exactly.
namespace {

constexpr int Values = 10;
constexpr int PairCount = 55;

enum Outcome { OutBanker = 0, OutPlayer = 1, OutTie = 2 };

constexpr int Result(int player, int banker) {
    return player > banker ? OutPlayer : player < banker ? OutBanker : OutTie;
}

struct ValuePair {
    int Low, High, Total;
    std::int64_t Orders; // 2 when the two values differ
};

// After the two-card totals: dealt on, or the hand is over.
enum class Stage : std::uint8_t { Over, PlayerDraws, BankerAloneDraws };

struct Tables {
    std::array<ValuePair, PairCount> Pairs{};
    std::array<std::array<Stage, Values>, Values> StageOf{};
    // BankerDraws(b, true, v) for b <= 7.
    std::array<std::array<bool, Values>, 8> Draws{};
    // r' A r of each pair of pairs, per outcome; 0 unless the Player draws.
    std::array<std::array<std::array<std::int8_t, 4>, PairCount>, PairCount> Quad{};
};

Tables BuildTables() {
    Tables t;
    int index = 0;
    for (int low = 0; low < Values; ++low) {
        for (int high = low; high < Values; ++high) {
            t.Pairs[static_cast<std::size_t>(index++)] = {low, high, (low + high) % 10, low == high ? 1 : 2};
        }
    }
    for (int b = 0; b < 8; ++b) {
        for (int v = 0; v < Values; ++v) {
            t.Draws[static_cast<std::size_t>(b)][static_cast<std::size_t>(v)] = BankerDraws(b, true, v);
        }
    }
    for (int p = 0; p < Values; ++p) {
        for (int b = 0; b < Values; ++b) {
            Stage stage = Stage::Over;
            if (p >= 8 || b >= 8) {
                stage = Stage::Over;
            } else if (p <= 5) {
                stage = Stage::PlayerDraws;
            } else if (BankerDraws(b, false, 0)) {
                stage = Stage::BankerAloneDraws;
            }
            t.StageOf[static_cast<std::size_t>(p)][static_cast<std::size_t>(b)] = stage;
        }
    }
    for (std::size_t i = 0; i < PairCount; ++i) {
        for (std::size_t j = 0; j < PairCount; ++j) {
            const ValuePair& pp = t.Pairs[i];
            const ValuePair& bp = t.Pairs[j];
            if (t.StageOf[static_cast<std::size_t>(pp.Total)][static_cast<std::size_t>(bp.Total)] !=
                Stage::PlayerDraws) {
                continue;
            }
            const std::array<int, 4> cards{pp.Low, pp.High, bp.Low, bp.High};
            for (int v : cards) {
                if (!t.Draws[static_cast<std::size_t>(bp.Total)][static_cast<std::size_t>(v)]) {
                    continue;
                }
                for (int w : cards) {
                    const int outcome = Result((pp.Total + v) % 10, (bp.Total + w) % 10);
                    ++t.Quad[i][j][static_cast<std::size_t>(outcome)];
                }
            }
        }
    }
    return t;
}

const Tables& TheTables() {
    static const Tables tables = BuildTables();
    return tables;
}

// For the Banker's two-card total b and counts y: how many cards w make the Banker's final total
// (b + w) mod 10 lower than, equal to, or higher than each Player total.
struct AgainstTotal {
    std::array<double, Values> Below{}, Equal{}, Above{};
};

template <typename Count> AgainstTotal Against(int b, const std::array<Count, Values>& y) {
    AgainstTotal a;
    double total = 0;
    std::array<double, Values> atTotal{};
    for (int w = 0; w < Values; ++w) {
        atTotal[static_cast<std::size_t>((b + w) % 10)] = static_cast<double>(y[static_cast<std::size_t>(w)]);
        total += static_cast<double>(y[static_cast<std::size_t>(w)]);
    }
    double below = 0;
    for (std::size_t t = 0; t < Values; ++t) {
        a.Below[t] = below;
        a.Equal[t] = atTotal[t];
        a.Above[t] = total - below - atTotal[t];
        below += atTotal[t];
    }
    return a;
}

} // namespace

HandOdds ExactOdds(const ValueCounts& n) {
    HandOdds odds;
    odds.Cards = CardCount(n);
    for (int count : n) {
        if (count < 0) {
            return odds;
        }
    }
    if (odds.Cards < MinOddsCards) {
        return odds;
    }
    const Tables& t = TheTables();
    const std::int64_t cards = odds.Cards;

    // Weights of the deals where the hand ends on four cards, by totals.
    std::array<std::array<std::int64_t, Values>, Values> over{};
    // Per pair of totals where a card is drawn: S0, S1.
    std::array<std::array<std::int64_t, Values>, Values> s0{};
    std::array<std::array<std::array<std::int64_t, Values>, Values>, Values> s1{};
    std::array<std::int64_t, 3> quad{};

    ValueCounts m = n;
    for (std::size_t i = 0; i < PairCount; ++i) {
        const ValuePair& pp = t.Pairs[i];
        const std::int64_t first = n[static_cast<std::size_t>(pp.Low)];
        const std::int64_t second = n[static_cast<std::size_t>(pp.High)] - (pp.Low == pp.High);
        if (first <= 0 || second <= 0) {
            continue;
        }
        const std::int64_t playerWeight = first * second * pp.Orders;
        --m[static_cast<std::size_t>(pp.Low)];
        --m[static_cast<std::size_t>(pp.High)];
        const auto p = static_cast<std::size_t>(pp.Total);

        // Per Banker total: the weight, and the weighted Banker cards.
        std::array<std::int64_t, Values> rowWeight{};
        std::array<std::array<std::int64_t, Values>, Values>& rowCards = s1[p];
        const auto& quadRow = t.Quad[i];
        for (std::size_t j = 0; j < PairCount; ++j) {
            const ValuePair& bp = t.Pairs[j];
            // m never goes negative, and a first factor of 0 cancels a second of -1.
            const std::int64_t weight = playerWeight * bp.Orders * m[static_cast<std::size_t>(bp.Low)] *
                                        (m[static_cast<std::size_t>(bp.High)] - (bp.Low == bp.High));
            const auto b = static_cast<std::size_t>(bp.Total);
            rowWeight[b] += weight;
            rowCards[b][static_cast<std::size_t>(bp.Low)] += weight;
            rowCards[b][static_cast<std::size_t>(bp.High)] += weight;
            quad[0] += weight * quadRow[j][0];
            quad[1] += weight * quadRow[j][1];
            quad[2] += weight * quadRow[j][2];
        }
        for (std::size_t b = 0; b < Values; ++b) {
            if (t.StageOf[p][b] == Stage::Over) {
                over[p][b] += rowWeight[b];
            } else {
                s0[p][b] += rowWeight[b];
                rowCards[b][static_cast<std::size_t>(pp.Low)] += rowWeight[b];
                rowCards[b][static_cast<std::size_t>(pp.High)] += rowWeight[b];
            }
        }
        ++m[static_cast<std::size_t>(pp.Low)];
        ++m[static_cast<std::size_t>(pp.High)];
    }

    // Numerators over the ordered six-card deals.
    std::array<double, 3> wins{static_cast<double>(quad[0]), static_cast<double>(quad[1]),
                               static_cast<double>(quad[2])};
    const double afterFour = static_cast<double>(cards - 4) * static_cast<double>(cards - 5);
    const double afterFive = static_cast<double>(cards - 5);
    std::int64_t playerNaturals = 0, bankerNaturals = 0, naturals = 0;
    std::array<AgainstTotal, 8> againstShoe;
    for (int b = 0; b < 8; ++b) {
        againstShoe[static_cast<std::size_t>(b)] = Against(b, n);
    }
    for (int p = 0; p < Values; ++p) {
        for (int b = 0; b < Values; ++b) {
            const auto ps = static_cast<std::size_t>(p);
            const auto bs = static_cast<std::size_t>(b);
            const Stage stage = t.StageOf[ps][bs];
            if (stage == Stage::Over) {
                const std::int64_t weight = over[ps][bs];
                wins[static_cast<std::size_t>(Result(p, b))] += static_cast<double>(weight) * afterFour;
                playerNaturals += p >= 8 ? weight : 0;
                bankerNaturals += b >= 8 ? weight : 0;
                naturals += p >= 8 || b >= 8 ? weight : 0;
                continue;
            }
            const std::int64_t weight0 = s0[ps][bs];
            if (weight0 == 0) {
                continue;
            }
            std::array<double, Values> u{};
            for (std::size_t v = 0; v < Values; ++v) {
                u[v] = static_cast<double>(weight0) * n[v] - static_cast<double>(s1[ps][bs][v]);
            }
            if (stage == Stage::BankerAloneDraws) {
                for (int w = 0; w < Values; ++w) {
                    wins[static_cast<std::size_t>(Result(p, (b + w) % 10))] +=
                        afterFive * u[static_cast<std::size_t>(w)];
                }
                continue;
            }
            // The Player draws v; the Banker stands on it or draws w.
            const AgainstTotal& shoe = againstShoe[bs];
            const AgainstTotal taken = Against(b, s1[ps][bs]);
            for (int v = 0; v < Values; ++v) {
                const auto vs = static_cast<std::size_t>(v);
                const int player = (p + v) % 10;
                const auto pl = static_cast<std::size_t>(player);
                if (!t.Draws[bs][vs]) {
                    wins[static_cast<std::size_t>(Result(player, b))] += afterFive * u[vs];
                    continue;
                }
                const double nv = n[vs];
                wins[OutPlayer] += u[vs] * shoe.Below[pl] - nv * taken.Below[pl];
                wins[OutTie] += u[vs] * shoe.Equal[pl] - nv * taken.Equal[pl];
                wins[OutBanker] += u[vs] * shoe.Above[pl] - nv * taken.Above[pl];
                // The Banker cannot draw the very card the Player drew.
                wins[static_cast<std::size_t>(Result(player, (b + v) % 10))] -= u[vs];
            }
        }
    }

    double deals = 1;
    for (int k = 0; k < 6; ++k) {
        deals *= static_cast<double>(cards - k);
    }
    const double fourCardDeals = static_cast<double>(cards) * static_cast<double>(cards - 1) *
                                 static_cast<double>(cards - 2) * static_cast<double>(cards - 3);
    odds.Valid = true;
    odds.Banker = wins[OutBanker] / deals;
    odds.Player = wins[OutPlayer] / deals;
    odds.Tie = wins[OutTie] / deals;
    odds.PlayerNatural = static_cast<double>(playerNaturals) / fourCardDeals;
    odds.BankerNatural = static_cast<double>(bankerNaturals) / fourCardDeals;
    odds.Natural = static_cast<double>(naturals) / fourCardDeals;
    SetExpectedValues(odds);
    return odds;
}

void SetExpectedValues(HandOdds& odds) {
    odds.EvBanker = BankerWinPays * odds.Banker - odds.Player;
    odds.EvPlayer = PlayerWinPays * odds.Player - odds.Banker;
    odds.EvTie = TieWinPays * odds.Tie - (1.0 - odds.Tie);
}

char BestPositiveBet(const HandOdds& odds) {
    if (!odds.Valid) {
        return 0;
    }
    char best = 0;
    double bestValue = 0;
    const std::array<std::pair<char, double>, 3> bets{
        {{'B', odds.EvBanker}, {'P', odds.EvPlayer}, {'T', odds.EvTie}}};
    for (const auto& [bet, value] : bets) {
        if (value > bestValue) {
            best = bet;
            bestValue = value;
        }
    }
    return best;
}

namespace {
// 'B', 'P' or 'T' to 0, 1, 2; anything else to 3.
std::size_t BetIndex(char bet) {
    return bet == 'B' ? 0 : bet == 'P' ? 1 : bet == 'T' ? 2 : 3;
}
} // namespace

void EdgeReport::BeforeHand(const HandOdds& odds) {
    pending_ = BestPositiveBet(odds);
}

void EdgeReport::AfterHand(char result) {
    ++hands_;
    const char bet = pending_;
    pending_ = 0;
    if (bet == 0) {
        return;
    }
    ++positiveHands_;
    ++betsOn_[BetIndex(bet)];
    if (bet == 'T') {
        wonHundredths_ += result == 'T' ? 800 : -100;
    } else if (result != 'T') {
        const std::int64_t win = bet == 'B' ? 95 : 100;
        wonHundredths_ += result == bet ? win : -100;
    }
}

void EdgeReport::Merge(const EdgeReport& other) {
    hands_ += other.hands_;
    positiveHands_ += other.positiveHands_;
    wonHundredths_ += other.wonHundredths_;
    for (std::size_t k = 0; k < betsOn_.size(); ++k) {
        betsOn_[k] += other.betsOn_[k];
    }
}

double EdgeReport::WonPerBet() const {
    return positiveHands_ == 0 ? 0.0 : WonUnits() / static_cast<double>(positiveHands_);
}

std::uint64_t EdgeReport::BetsOn(char bet) const {
    const std::size_t index = BetIndex(bet);
    return index < betsOn_.size() ? betsOn_[index] : 0;
}

std::string EdgeReport::JsonFields() const {
    char text[256];
    std::snprintf(text, sizeof text,
                  "\"edge_hands\": %llu, \"edge_positive_hands\": %llu, \"edge_won_units\": %.2f, "
                  "\"edge_per_bet\": %.6f, \"edge_banker_bets\": %llu, \"edge_player_bets\": %llu, "
                  "\"edge_tie_bets\": %llu",
                  static_cast<unsigned long long>(hands_), static_cast<unsigned long long>(positiveHands_),
                  WonUnits(), WonPerBet(), static_cast<unsigned long long>(betsOn_[0]),
                  static_cast<unsigned long long>(betsOn_[1]), static_cast<unsigned long long>(betsOn_[2]));
    return text;
}

} // namespace bacc
