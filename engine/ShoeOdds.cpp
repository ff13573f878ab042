#include "ShoeOdds.h"

#include "Shoe.h"

#include <algorithm>
#include <cmath>
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
// Deals are counted, not weighed: the values of a deal can be taken from the shoe in order in a product
// of falling counts of ways, and every count is over the N (N-1) ... (N-5) ordered six-card deals (a
// hand of four or five cards stands for every order of the cards after it). With at most 416 cards every
// count and partial sum stays below 2^53, so doubles hold them as exact integers, and the order of the
// sums does not matter; a larger composition is counted in 128-bit integers.
//
// The Player's two cards are an ordered pair of values, the Banker's ordered pairs grouped by total.
// Where nobody draws the outcome is read from the two totals. Where someone draws, the outcome of the
// third cards is, for one pair of two-card totals (p, b), a quadratic form in the counts m = n - r left
// after the four cards r:
//     F(m) = m' A m + lambda . m,
// A[v][w] counting the Player's third card v followed by the Banker's w, lambda the third cards drawn
// alone (and the correction for a Banker's card equal to the Player's). Summed over the deals of one
// pair of totals, with S0 the sum of their weights and S1 the weighted sum of their r,
//     sum W F(n - r) = u' A n - n' A S1 + lambda . u + sum W r' A r,    u = S0 n - S1.
// Two cards weigh the same in either order, so S1 is twice the weights of the deals by the Player's
// first card plus twice those by the Banker's first card. By the Player's: each Player pair times the
// shoe's Banker pairs less those using the Player's cards. By the Banker's: the Banker's first card
// from what all the Player pairs of the total leave, in one sum. For one Player pair that draws (an
// unordered pair now, both orders at once), the sum of r' A r over the Banker's pairs is itself a
// quadratic form in n with constant coefficients: one dot product of a table row with the products
// n[x] n[y] of the Banker's unordered pairs and the counts n. The forms of the totals are evaluated
// once per pair of totals at the end.
namespace {

constexpr int Values = 10;
constexpr int PairCount = 55;
constexpr int TotalPairs = Values * Values; // two-card totals p, b: index 10 p + b
// Banker totals at which the Banker can draw after the Player's third card: 0..6.
constexpr int QuadTotals = 7;
// The Banker's unordered pairs of those totals (six of an even total, five of an odd one: 39) and one
// empty cell, then the counts of the values and two empty ones: rows of whole groups of Lanes.
constexpr std::size_t QuadCells = 40;
constexpr std::size_t QuadWidth = QuadCells + Values + 2;
constexpr std::size_t Lanes = 4;

enum Outcome { OutBanker = 0, OutPlayer = 1, OutTie = 2 };

// A sum of two values, mod 10.
constexpr std::size_t Wrap(std::size_t sum) {
    return sum >= 10 ? sum - 10 : sum;
}

constexpr int Result(int player, int banker) {
    return player > banker ? OutPlayer : player < banker ? OutBanker : OutTie;
}

struct ValuePair {
    int Low, High, Total;
    int Orders; // 2 when the two values differ
};

// After the two-card totals: dealt on, or the hand is over.
enum class Stage : std::uint8_t { Over, PlayerDraws, BankerAloneDraws };

// Count: double (exact up to 416 cards) or a 128-bit integer.
template <typename Count> struct Tables {
    std::array<ValuePair, PairCount> Pairs{};
    std::array<std::array<Stage, Values>, Values> StageOf{};
    // Per pair of totals (10 p + b) and outcome: the hands over on those totals; for each value v a
    // third card drawn alone (times N - 5), and the Banker's card equal to the Player's third v (taken
    // off).
    std::array<std::array<Count, 3>, TotalPairs> OverTo{};
    std::array<std::array<std::array<Count, Values>, 3>, TotalPairs> Alone{}, Same{};
    // 1 where BankerDraws(b, true, v).
    std::array<std::array<Count, Values>, 8> DrawMask{};
    // The values of the Banker's unordered pairs of the quadratic forms.
    std::array<std::uint8_t, QuadCells> CellLow{}, CellHigh{};
    // Per Player pair that draws and outcome (a tie is what the others leave): the sum of r' A r over
    // the Banker's pairs, as coefficients of the pair products and of the counts, and a constant.
    struct QuadForm {
        std::array<Count, QuadWidth> Banker{}, Player{};
        Count ConstBanker = 0, ConstPlayer = 0;
    };
    std::array<QuadForm, PairCount> Quad{};
};

template <typename Count> Tables<Count> BuildTables() {
    Tables<Count> t;
    const auto at = [](int index) { return static_cast<std::size_t>(index); };
    int index = 0;
    for (int low = 0; low < Values; ++low) {
        for (int high = low; high < Values; ++high) {
            t.Pairs[at(index++)] = {low, high, (low + high) % 10, low == high ? 1 : 2};
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
            t.StageOf[at(p)][at(b)] = stage;
            const auto totals = at(10 * p + b);
            if (stage == Stage::Over) {
                t.OverTo[totals][at(Result(p, b))] = 1;
            } else if (stage == Stage::BankerAloneDraws) {
                for (int w = 0; w < Values; ++w) {
                    t.Alone[totals][at(Result(p, (b + w) % 10))][at(w)] = 1;
                }
            } else {
                for (int v = 0; v < Values; ++v) {
                    if (BankerDraws(b, true, v)) {
                        t.Same[totals][at(Result((p + v) % 10, (b + v) % 10))][at(v)] = 1;
                        t.DrawMask[at(b)][at(v)] = 1;
                    } else {
                        t.Alone[totals][at(Result((p + v) % 10, b))][at(v)] = 1;
                    }
                }
            }
        }
    }
    std::array<std::array<int, Values>, Values> cellOf{};
    int cells = 0;
    for (int b = 0; b < QuadTotals; ++b) {
        for (int x = 0; x < Values; ++x) {
            const int y = (b - x + 10) % 10;
            if (x <= y) {
                cellOf[at(x)][at(y)] = cellOf[at(y)][at(x)] = cells;
                t.CellLow[at(cells)] = static_cast<std::uint8_t>(x);
                t.CellHigh[at(cells)] = static_cast<std::uint8_t>(y);
                ++cells;
            }
        }
    }
    for (std::size_t i = 0; i < PairCount; ++i) {
        const ValuePair& pp = t.Pairs[i];
        if (t.StageOf[at(pp.Total)][0] != Stage::PlayerDraws) {
            continue;
        }
        // The Player's cards, and the expansion of m[x] (m[y] - [x = y]), m = n - r, over the Banker's
        // ordered pairs (x, y) of total b: a Banker total of 7 stands, and 8 or 9 is a natural.
        std::array<int, Values> r{};
        ++r[at(pp.Low)];
        ++r[at(pp.High)];
        auto& form = t.Quad[i];
        for (int x = 0; x < Values; ++x) {
            for (int y = 0; y < Values; ++y) {
                const int b = (x + y) % 10;
                if (b >= QuadTotals) {
                    continue;
                }
                // r' A r of the four cards: the Player's third card v followed by the Banker's w.
                const std::array<int, 4> dealt{pp.Low, pp.High, x, y};
                std::array<Count, 3> k{};
                for (int v : dealt) {
                    if (BankerDraws(b, true, v)) {
                        for (int w : dealt) {
                            k[at(Result((pp.Total + v) % 10, (b + w) % 10))] += 1;
                        }
                    }
                }
                const auto expand = [&](std::array<Count, QuadWidth>& row, Count& constant, Count q) {
                    row[at(cellOf[at(x)][at(y)])] += q;
                    row[QuadCells + at(y)] -= r[at(x)] * q;
                    row[QuadCells + at(x)] -= r[at(y)] * q;
                    constant += r[at(x)] * r[at(y)] * q;
                    if (x == y) {
                        row[QuadCells + at(x)] -= q;
                        constant += r[at(x)] * q;
                    }
                };
                expand(form.Banker, form.ConstBanker, k[OutBanker]);
                expand(form.Player, form.ConstPlayer, k[OutPlayer]);
            }
        }
    }
    return t;
}

template <typename Count> const Tables<Count>& TheTables() {
    static const Tables<Count> tables = BuildTables<Count>();
    return tables;
}

// For the Banker's two-card total b and counts y[stride v] of each value v: how many cards w make the
// Banker's final total (b + w) mod 10 lower than, or higher than each Player total. Filled in place:
// this runs about forty times for every odds worked out.
template <typename Count> struct AgainstTotal { std::array<Count, Values> Below, Above; };

template <typename Count> AgainstTotal<Count> Against(int b, const Count* y, std::size_t stride) {
    // The count of total t is y[(t - b) mod 10]: the totals from b up come first, then those below b.
    std::array<Count, Values> atTotal;
    Count total = 0;
    for (std::size_t w = 0; w < Values; ++w) {
        const Count count = y[w * stride];
        atTotal[Wrap(static_cast<std::size_t>(b) + w)] = count;
        total += count;
    }
    AgainstTotal<Count> a;
    Count below = 0;
    for (std::size_t t = 0; t < Values; ++t) {
        a.Below[t] = below;
        below += atTotal[t];
        a.Above[t] = total - below;
    }
    return a;
}

__extension__ using WideCount = __int128;

// part / whole, 0 <= part <= whole, rounded once. Doubles up to 2^53 are exact: one division does it.
double Ratio(double part, double whole) {
    return part / whole;
}

// Larger counts: the quotient's first 64 bits by long division, the last of them set if anything
// follows, so that the one rounding to a double is to the nearest, as for the doubles.
double Ratio(WideCount part, WideCount whole) {
    if (part == 0) {
        return 0.0;
    }
    int exponent = 0;
    while (part < whole) {
        part <<= 1;
        --exponent;
    }
    std::uint64_t bits = 0;
    for (int bit = 0; bit < 64; ++bit) {
        bits <<= 1;
        if (part >= whole) {
            bits |= 1;
            part -= whole;
        }
        part <<= 1;
    }
    bits |= part != 0 ? 1 : 0;
    return std::ldexp(static_cast<double>(bits), exponent - 63);
}

// The exact odds of a valid composition of `cards` cards.
template <typename Count> HandOdds CountedOdds(const ValueCounts& counts, int cards) {
    const Tables<Count>& t = TheTables<Count>();
    std::array<Count, Values> n;
    for (std::size_t v = 0; v < Values; ++v) {
        n[v] = counts[v];
    }
    const Count all = cards;

    // The shoe twice over, so that n[(b - x) mod 10] = shoe[b - x + 10] for every b of a row.
    std::array<Count, 2 * Values> shoe{};
    for (std::size_t v = 0; v < Values; ++v) {
        shoe[v] = shoe[v + Values] = n[v];
    }
    // The shoe less one card x, twice over, for each x. Rows are counted from these in whole: a
    // correction of single elements between the writes and the reads of a row holds up the reads.
    std::array<std::array<Count, 2 * Values>, Values> lessOne;
    for (std::size_t x = 0; x < Values; ++x) {
        lessOne[x] = shoe;
        --lessOne[x][x];
        --lessOne[x][x + Values];
    }
    // The Banker's ordered pairs of each total from the whole shoe.
    std::array<Count, Values> pairsOfTotal{};
    for (std::size_t x = 0; x < Values; ++x) {
        const Count* other = lessOne[x].data() + Values - x;
        for (std::size_t b = 0; b < Values; ++b) {
            pairsOfTotal[b] += n[x] * other[b];
        }
    }
    // What the quadratic forms of the Player pairs that draw are evaluated at.
    std::array<Count, QuadWidth> basis{};
    for (std::size_t k = 0; k < QuadCells; ++k) {
        basis[k] = n[t.CellLow[k]] * n[t.CellHigh[k]];
    }
    for (std::size_t v = 0; v < Values; ++v) {
        basis[QuadCells + v] = n[v];
    }

    // The Player's ordered pairs (x, y) of each total p, y = (p - x) mod 10: their weights, and the
    // sum of those per total.
    std::array<std::array<Count, Values>, Values> playerPair;
    std::array<Count, Values> playerPairs{};
    for (std::size_t p = 0; p < Values; ++p) {
        for (std::size_t x = 0; x < Values; ++x) {
            const std::size_t y = Wrap(p + Values - x);
            playerPair[p][x] = n[x] * (n[y] - (x == y ? 1 : 0));
            playerPairs[p] += playerPair[p][x];
        }
    }

    // The Banker's cards left after the Player's pairs of total p: S0 n[v] less twice their cards v
    // (their weight counts each of its two cards once), twice over.
    std::array<std::array<Count, 2 * Values>, 8> left;
    for (std::size_t p = 0; p < 8; ++p) {
        for (std::size_t v = 0; v < Values; ++v) {
            left[p][v] = left[p][v + Values] = playerPairs[p] * n[v] - 2 * playerPair[p][v];
        }
    }
    // Per pair of totals (p, b), over the four-card deals: their weights S0 (dealt), and S1, their
    // weights times how many of their four cards are x, at [p][x][b] (only where a card can be drawn:
    // p and b below 8). By the symmetry of the two orders of each two cards, S1 is twice the weights
    // of the deals whose Player's first card is x, plus twice those whose Banker's first card is x.
    std::array<std::array<Count, Values>, Values> dealt{};
    std::array<std::array<std::array<Count, Values>, Values>, 8> s1;
    for (std::size_t p = 0; p < Values; ++p) {
        // The Banker's pairs of total b once the Player's x and y are out: the shoe's pairs less
        // those using x, twice (both orders) n[b - x] less a pair of two x counted once, the same for
        // y, and the pair of x and y given back, as it was taken off twice.
        std::array<Count, Values> bankerPairs = pairsOfTotal;
        bankerPairs[p] += 2;
        for (std::size_t x = 0; x < Values; ++x) {
            const std::size_t y = Wrap(p + Values - x);
            const Count weight = playerPair[p][x];
            const Count* withX = lessOne[x].data() + Values - x;
            const Count* withY = lessOne[y].data() + Values - y;
            std::array<Count, Values> playerFirst;
            for (std::size_t b = 0; b < Values; ++b) {
                playerFirst[b] = weight * (bankerPairs[b] - 2 * (withX[b] + withY[b]));
                dealt[p][b] += playerFirst[b];
            }
            if (p >= 8) {
                continue;
            }
            // The Banker's first card x from what the Player's pairs left, m[x] (m[b - x] - [x = b - x])
            // summed over those pairs: S0 n[x] n[b - x] less the pairs' cards, given back where the
            // Player holds both.
            const Count* leftY = left[p].data() + Values - x;
            const Count* nY = shoe.data() + Values - x;
            const Count nx = n[x];
            auto& row = s1[p][x];
            for (std::size_t b = 0; b < Values; ++b) {
                row[b] = 2 * (playerFirst[b] + nx * leftY[b] - 2 * weight * nY[b]);
            }
            row[Wrap(2 * x)] += 4 * weight - 2 * left[p][x];
            row[p] += 4 * weight;
        }
    }

    // The Player draws: sum W r' A r over the Banker's pairs.
    Count quadBanker = 0, quadPlayer = 0;
    for (std::size_t i = 0; i < PairCount; ++i) {
        const ValuePair& pp = t.Pairs[i];
        const auto p = static_cast<std::size_t>(pp.Total);
        const Count playerWeight = playerPair[p][static_cast<std::size_t>(pp.Low)] * pp.Orders;
        if (p > 5 || playerWeight == 0) {
            continue;
        }
        const auto& form = t.Quad[i];
        std::array<Count, Lanes> banker{}, player{};
        for (std::size_t k = 0; k < QuadWidth; k += Lanes) {
#pragma GCC unroll 4
            for (std::size_t lane = 0; lane < Lanes; ++lane) {
                banker[lane] += basis[k + lane] * form.Banker[k + lane];
                player[lane] += basis[k + lane] * form.Player[k + lane];
            }
        }
        Count sumBanker = form.ConstBanker, sumPlayer = form.ConstPlayer;
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
            sumBanker += banker[lane];
            sumPlayer += player[lane];
        }
        quadBanker += playerWeight * sumBanker;
        quadPlayer += playerWeight * sumPlayer;
    }

    // Numerators over the ordered six-card deals.
    const Count afterFour = (all - 4) * (all - 5);
    const Count afterFive = all - 5;
    Count winBanker = quadBanker, winPlayer = quadPlayer;
    Count playerNaturals = 0, bankerNaturals = 0, naturals = 0;
    std::array<AgainstTotal<Count>, 8> againstShoe;
    for (int b = 0; b < 8; ++b) {
        againstShoe[static_cast<std::size_t>(b)] = Against(b, n.data(), 1);
    }
    for (std::size_t p = 0; p < Values; ++p) {
        for (std::size_t b = 0; b < Values; ++b) {
            const std::size_t totals = 10 * p + b;
            const Stage stage = t.StageOf[p][b];
            const Count weight = dealt[p][b];
            if (stage == Stage::Over) {
                const auto& to = t.OverTo[totals];
                winBanker += weight * afterFour * to[OutBanker];
                winPlayer += weight * afterFour * to[OutPlayer];
                playerNaturals += p >= 8 ? weight : 0;
                bankerNaturals += b >= 8 ? weight : 0;
                naturals += p >= 8 || b >= 8 ? weight : 0;
                continue;
            }
            if (weight == 0) {
                continue;
            }
            const Count* taken = &s1[p][0][b];
            std::array<Count, Values> u{};
            for (std::size_t v = 0; v < Values; ++v) {
                u[v] = weight * n[v] - taken[Values * v];
            }
            const auto& alone = t.Alone[totals];
            const auto& same = t.Same[totals];
            for (std::size_t v = 0; v < Values; ++v) {
                winBanker += u[v] * (afterFive * alone[OutBanker][v] - same[OutBanker][v]);
                winPlayer += u[v] * (afterFive * alone[OutPlayer][v] - same[OutPlayer][v]);
            }
            if (stage != Stage::PlayerDraws || b == 7) {
                continue;
            }
            // The Player draws v, the Banker draws w: u' A n - n' A S1.
            const AgainstTotal<Count>& whole = againstShoe[b];
            const AgainstTotal<Count> others = Against(static_cast<int>(b), taken, Values);
            const auto& draws = t.DrawMask[b];
            for (std::size_t v = 0; v < Values; ++v) {
                const std::size_t player = Wrap(p + v);
                const Count uv = draws[v] * u[v];
                const Count nv = draws[v] * n[v];
                winPlayer += uv * whole.Below[player] - nv * others.Below[player];
                winBanker += uv * whole.Above[player] - nv * others.Above[player];
            }
        }
    }

    Count deals = 1;
    for (int k = 0; k < 6; ++k) {
        deals *= all - k;
    }
    const Count fourCardDeals = all * (all - 1) * (all - 2) * (all - 3);
    const auto ratio = [](Count part, Count whole) { return Ratio(part, whole); };
    HandOdds odds;
    odds.Cards = cards;
    odds.Valid = true;
    odds.Banker = ratio(winBanker, deals);
    odds.Player = ratio(winPlayer, deals);
    // Every deal ends in one of the three.
    odds.Tie = ratio(deals - winBanker - winPlayer, deals);
    odds.PlayerNatural = ratio(playerNaturals, fourCardDeals);
    odds.BankerNatural = ratio(bankerNaturals, fourCardDeals);
    odds.Natural = ratio(naturals, fourCardDeals);
    SetExpectedValues(odds);
    return odds;
}

} // namespace

HandOdds ExactOdds(const ValueCounts& counts) {
    HandOdds odds;
    odds.Cards = CardCount(counts);
    for (int count : counts) {
        if (count < 0 || count > MaxValueCount) {
            return odds;
        }
    }
    if (odds.Cards < MinOddsCards) {
        return odds;
    }
    return odds.Cards <= MaxValueCount ? CountedOdds<double>(counts, odds.Cards)
                                       : CountedOdds<WideCount>(counts, odds.Cards);
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
    // The exact expected value of the bet, and the variance of what it wins: a win pays `pays`, a loss
    // costs 1, a push (a tie, on Banker or Player) nothing.
    const auto worth = [this](double expected, double win, double pays, double loss) {
        pendingExpected_ = expected;
        pendingVariance_ = std::max(win * pays * pays + loss - expected * expected, 0.0);
    };
    if (pending_ == 'B') {
        worth(odds.EvBanker, odds.Banker, BankerWinPays, odds.Player);
    } else if (pending_ == 'P') {
        worth(odds.EvPlayer, odds.Player, PlayerWinPays, odds.Banker);
    } else if (pending_ == 'T') {
        worth(odds.EvTie, odds.Tie, TieWinPays, 1.0 - odds.Tie);
    }
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
    const auto fixed = [](double value) {
        return static_cast<FixedSum>(std::llround(std::ldexp(value, 40)));
    };
    expected_ += fixed(pendingExpected_);
    expectedSquares_ += fixed(pendingExpected_ * pendingExpected_);
    variance_ += fixed(pendingVariance_);
    if (bet == 'T') {
        wonHundredths_ += result == 'T' ? TiePaysCents : -100;
    } else if (result != 'T') {
        wonHundredths_ += result == bet ? PaysCents(bet) : -100;
    }
}

void EdgeReport::Merge(const EdgeReport& other) {
    hands_ += other.hands_;
    positiveHands_ += other.positiveHands_;
    wonHundredths_ += other.wonHundredths_;
    for (std::size_t k = 0; k < betsOn_.size(); ++k) {
        betsOn_[k] += other.betsOn_[k];
    }
    expected_ += other.expected_;
    expectedSquares_ += other.expectedSquares_;
    variance_ += other.variance_;
}

double EdgeReport::Mean(FixedSum sum, std::uint64_t count) {
    return count == 0 ? 0.0 : std::ldexp(static_cast<double>(sum), -40) / static_cast<double>(count);
}

double EdgeReport::ExpectedPerBet() const {
    return Mean(expected_, positiveHands_);
}

double EdgeReport::ExpectedPerBetError() const {
    if (positiveHands_ < 2) {
        return 0.0;
    }
    const double n = static_cast<double>(positiveHands_);
    const double mean = ExpectedPerBet();
    const double spread = std::max(Mean(expectedSquares_, positiveHands_) - mean * mean, 0.0) * n / (n - 1);
    return std::sqrt(spread / n);
}

double EdgeReport::WonPerBetError() const {
    return positiveHands_ == 0
               ? 0.0
               : std::sqrt(Mean(variance_, positiveHands_) / static_cast<double>(positiveHands_));
}

double EdgeReport::WonPerBet() const {
    return positiveHands_ == 0 ? 0.0 : WonUnits() / static_cast<double>(positiveHands_);
}

std::uint64_t EdgeReport::BetsOn(char bet) const {
    const std::size_t index = BetIndex(bet);
    return index < betsOn_.size() ? betsOn_[index] : 0;
}

std::string EdgeReport::JsonFields() const {
    char text[512];
    std::snprintf(text, sizeof text,
                  "\"edge_hands\": %llu, \"edge_positive_hands\": %llu, \"edge_won_units\": %.2f, "
                  "\"edge_per_bet\": %.6f, \"edge_per_bet_se\": %.6f, \"edge_expected_per_bet\": %.6f, "
                  "\"edge_expected_se\": %.6f, \"edge_banker_bets\": %llu, \"edge_player_bets\": %llu, "
                  "\"edge_tie_bets\": %llu",
                  static_cast<unsigned long long>(hands_), static_cast<unsigned long long>(positiveHands_),
                  WonUnits(), WonPerBet(), WonPerBetError(), ExpectedPerBet(), ExpectedPerBetError(),
                  static_cast<unsigned long long>(betsOn_[0]), static_cast<unsigned long long>(betsOn_[1]),
                  static_cast<unsigned long long>(betsOn_[2]));
    return text;
}

} // namespace bacc
