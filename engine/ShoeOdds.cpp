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
// Deals are counted, not weighed: the values of a deal can be taken from the shoe in order in a product
// of falling counts of ways, and every count is over the N (N-1) ... (N-5) ordered six-card deals (a
// hand of four or five cards stands for every order of the cards after it). With at most 416 cards every
// count and partial sum stays below 2^53, so the doubles holding them are exact integers.
//
// The Player's two cards are an unordered pair of values (55), the Banker's ordered pairs grouped by
// total. Where nobody draws the outcome is read from the two totals. Where someone draws, the outcome of
// the third cards is, for one pair of two-card totals (p, b), a quadratic form in the counts m = n - r
// left after the four cards r:
//     F(m) = m' A m + lambda . m,
// A[v][w] counting the Player's third card v followed by the Banker's w, lambda the third cards drawn
// alone (and the correction for a Banker's card equal to the Player's). Summed over the deals of one
// pair of totals, with S0 the sum of their weights and S1 the weighted sum of their r,
//     sum W F(n - r) = u' A n - n' A S1 + lambda . u + sum W r' A r,    u = S0 n - S1.
// The Banker's pairs for one Player pair are the shoe's pairs less those using the Player's cards, so
// S0, and the Banker's part of S1 summed over the Player pairs of one total, follow from moments of the
// Player's cards (sums of weight, weight r, weight r r'). The sum of W r' A r takes one pass over the
// Banker's pairs per Player pair that draws, against a constant table. The quadratic forms are evaluated
// once per pair of totals at the end.
namespace {

constexpr int Values = 10;
constexpr int PairCount = 55;
constexpr int TotalPairs = Values * Values; // two-card totals p, b: index 10 p + b
// Banker totals for which the Player's draw is followed by the Banker's: 0..6, a row of 8 lanes.
constexpr std::size_t QuadLanes = 8;

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
    std::int64_t Orders; // 2 when the two values differ
};

// After the two-card totals: dealt on, or the hand is over.
enum class Stage : std::uint8_t { Over, PlayerDraws, BankerAloneDraws };

struct Tables {
    std::array<ValuePair, PairCount> Pairs{};
    std::array<std::array<Stage, Values>, Values> StageOf{};
    // BankerDraws(b, true, v) for b <= 7.
    std::array<std::array<bool, Values>, 8> Draws{};
    // r' A r of the Player's pair i with the Banker's first card x and total b, per outcome (a tie is
    // what the others leave); 0 unless the Player draws. Twin: at the total of two cards x.
    struct QuadRow {
        std::array<double, QuadLanes> Banker{}, Player{};
        double TwinBanker = 0, TwinPlayer = 0;
    };
    std::array<std::array<QuadRow, Values>, PairCount> Quad{};
    // Per Player pair (a, c) and Banker total b: 2 ([2a = b] + [a + c = b] + [2c = b]) mod 10, what
    // taking a and c out of the shoe gives back to the Banker's pairs beyond the linear loss.
    std::array<std::array<double, Values>, PairCount> TwiceBoth{};
    // 1 where the hand is over on the two-card totals, 0 where a card is drawn.
    std::array<std::array<double, Values>, Values> OverMask{};
    // Per pair of totals (10 p + b) and outcome: the hands over on those totals; for each value v a
    // third card drawn alone (times N - 5), and the Banker's card equal to the Player's third v (taken
    // off).
    std::array<std::array<double, 3>, TotalPairs> OverTo{};
    std::array<std::array<std::array<double, Values>, 3>, TotalPairs> Alone{}, Same{};
    // 1 where BankerDraws(b, true, v).
    std::array<std::array<double, Values>, 8> DrawMask{};
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
            t.OverMask[static_cast<std::size_t>(p)][static_cast<std::size_t>(b)] =
                stage == Stage::Over ? 1 : 0;
            const auto totals = static_cast<std::size_t>(10 * p + b);
            const auto to = [](int outcome) { return static_cast<std::size_t>(outcome); };
            if (stage == Stage::Over) {
                t.OverTo[totals][to(Result(p, b))] = 1;
            } else if (stage == Stage::BankerAloneDraws) {
                for (int w = 0; w < Values; ++w) {
                    t.Alone[totals][to(Result(p, (b + w) % 10))][static_cast<std::size_t>(w)] = 1;
                }
            } else {
                for (int v = 0; v < Values; ++v) {
                    const auto vs = static_cast<std::size_t>(v);
                    if (BankerDraws(b, true, v)) {
                        t.Same[totals][to(Result((p + v) % 10, (b + v) % 10))][vs] = 1;
                        t.DrawMask[static_cast<std::size_t>(b)][vs] = 1;
                    } else {
                        t.Alone[totals][to(Result((p + v) % 10, b))][vs] = 1;
                    }
                }
            }
        }
    }
    for (std::size_t i = 0; i < PairCount; ++i) {
        const ValuePair& pp = t.Pairs[i];
        for (const int total : {2 * pp.Low, pp.Low + pp.High, 2 * pp.High}) {
            t.TwiceBoth[i][static_cast<std::size_t>(total % 10)] += 2;
        }
        for (int x = 0; x < Values; ++x) {
            Tables::QuadRow& row = t.Quad[i][static_cast<std::size_t>(x)];
            for (int b = 0; b < Values; ++b) {
                if (t.StageOf[static_cast<std::size_t>(pp.Total)][static_cast<std::size_t>(b)] !=
                    Stage::PlayerDraws) {
                    continue;
                }
                const std::array<int, 4> cards{pp.Low, pp.High, x, (b - x + 10) % 10};
                std::array<double, 3> k{};
                for (int v : cards) {
                    if (!t.Draws[static_cast<std::size_t>(b)][static_cast<std::size_t>(v)]) {
                        continue;
                    }
                    for (int w : cards) {
                        k[static_cast<std::size_t>(Result((pp.Total + v) % 10, (b + w) % 10))] += 1;
                    }
                }
                // A Banker total of 8 or 9 is a natural: b < 8 here.
                row.Banker[static_cast<std::size_t>(b)] = k[OutBanker];
                row.Player[static_cast<std::size_t>(b)] = k[OutPlayer];
                if (b == (2 * x) % 10) {
                    row.TwinBanker = k[OutBanker];
                    row.TwinPlayer = k[OutPlayer];
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

// For the Banker's two-card total b and counts y[stride v] of each value v: how many cards w make the
// Banker's final total (b + w) mod 10 lower than, or higher than each Player total. Filled in place:
// this runs about forty times for every odds worked out.
struct AgainstTotal {
    std::array<double, Values> Below, Above;
};

template <typename Count> AgainstTotal Against(int b, const Count* y, std::size_t stride) {
    // The count of total t is y[(t - b) mod 10]: the totals from b up come first, then those below b.
    std::array<double, Values> atTotal;
    double total = 0;
    for (std::size_t w = 0; w < Values; ++w) {
        const auto count = static_cast<double>(y[w * stride]);
        atTotal[Wrap(static_cast<std::size_t>(b) + w)] = count;
        total += count;
    }
    AgainstTotal a;
    double below = 0;
    for (std::size_t t = 0; t < Values; ++t) {
        a.Below[t] = below;
        below += atTotal[t];
        a.Above[t] = total - below;
    }
    return a;
}

} // namespace

HandOdds ExactOdds(const ValueCounts& n) {
    HandOdds odds;
    odds.Cards = CardCount(n);
    for (int count : n) {
        if (count < 0 || count > MaxValueCount) {
            return odds;
        }
    }
    if (odds.Cards < MinOddsCards) {
        return odds;
    }
    const Tables& t = TheTables();
    const std::int64_t cards = odds.Cards;

    // The shoe twice over, so that n[(b - x) mod 10] = shoe[b - x + 10] for every b of a row.
    std::array<double, 2 * Values> shoe{};
    for (std::size_t v = 0; v < Values; ++v) {
        shoe[v] = shoe[v + Values] = n[v];
    }
    // The Banker's ordered pairs of each total from the whole shoe.
    std::array<double, Values> pairsOfTotal{};
    for (std::size_t x = 0; x < Values; ++x) {
        const double* other = shoe.data() + Values - x;
        for (std::size_t b = 0; b < Values; ++b) {
            pairsOfTotal[b] += n[x] * other[b];
        }
        pairsOfTotal[Wrap(2 * x)] -= n[x];
    }

    // Weights of the deals where the hand ends on four cards, by totals.
    std::array<std::array<double, Values>, Values> over{};
    // Per pair of totals where a card is drawn: S0, and S1 at [p][v][b].
    std::array<std::array<double, Values>, Values> s0{};
    std::array<std::array<std::array<double, Values>, Values>, Values> s1{};
    // Per Player total, the Player's cards r summed with the deals' weights: the weights, r[v], and
    // r[x] r[y] at [x][(x + y) mod 10].
    std::array<double, Values> moment0{};
    std::array<std::array<double, Values>, Values> moment1{};
    std::array<std::array<std::array<double, Values>, Values>, Values> moment2{};
    double quadBanker = 0, quadPlayer = 0;

    for (std::size_t i = 0; i < PairCount; ++i) {
        const ValuePair& pp = t.Pairs[i];
        const auto a = static_cast<std::size_t>(pp.Low);
        const auto c = static_cast<std::size_t>(pp.High);
        const std::int64_t first = n[a];
        const std::int64_t second = n[c] - (a == c);
        if (first <= 0 || second <= 0) {
            continue;
        }
        const auto playerWeight = static_cast<double>(first * second * pp.Orders);
        const auto p = static_cast<std::size_t>(pp.Total);

        moment0[p] += playerWeight;
        moment1[p][a] += playerWeight;
        moment1[p][c] += playerWeight;
        moment2[p][a][Wrap(2 * a)] += playerWeight;
        moment2[p][a][Wrap(a + c)] += playerWeight;
        moment2[p][c][Wrap(a + c)] += playerWeight;
        moment2[p][c][Wrap(2 * c)] += playerWeight;

        // The Banker's pairs of total b once the Player's a and c are out: fewer by the pairs using a
        // or c (each in both orders), more by those using both, which were taken off twice.
        const double* withA = shoe.data() + Values - a;
        const double* withC = shoe.data() + Values - c;
        const auto& twiceBoth = t.TwiceBoth[i];
        const auto& isOver = t.OverMask[p];
        for (std::size_t b = 0; b < Values; ++b) {
            const double pairs = pairsOfTotal[b] - 2 * (withA[b] + withC[b]) + twiceBoth[b];
            const double weight = playerWeight * pairs;
            const double drawn = weight - weight * isOver[b];
            over[p][b] += weight * isOver[b];
            s0[p][b] += drawn;
            s1[p][a][b] += drawn;
            s1[p][c][b] += drawn;
        }

        if (p > 5) {
            continue;
        }
        // The Player draws: sum W r' A r over the Banker's ordered pairs, first card x and total b
        // (second card (b - x) mod 10), of weight m[x] m[(b - x) mod 10] less m[x] for a pair of x.
        std::array<double, 2 * Values> left = shoe;
        --left[a];
        --left[c];
        --left[a + Values];
        --left[c + Values];
        const auto& quad = t.Quad[i];
        std::array<double, QuadLanes> banker{}, player{};
        double twinBanker = 0, twinPlayer = 0;
        for (std::size_t x = 0; x < Values; ++x) {
            const double mx = left[x];
            const double* other = left.data() + Values - x;
            for (std::size_t b = 0; b < QuadLanes; ++b) {
                const double cell = mx * other[b];
                banker[b] += cell * quad[x].Banker[b];
                player[b] += cell * quad[x].Player[b];
            }
            twinBanker += mx * quad[x].TwinBanker;
            twinPlayer += mx * quad[x].TwinPlayer;
        }
        double sumBanker = -twinBanker, sumPlayer = -twinPlayer;
        for (std::size_t b = 0; b < QuadLanes; ++b) {
            sumBanker += banker[b];
            sumPlayer += player[b];
        }
        quadBanker += playerWeight * sumBanker;
        quadPlayer += playerWeight * sumPlayer;
    }

    // The Banker's cards in S1, from the moments: summed over the Player's pairs of total p, the
    // ordered Banker pairs (x, y) weigh m[x] (m[y] - [x = y]) with m = n - r, and each counts x and,
    // as the pair (y, x), y.
    for (std::size_t p = 0; p < 8; ++p) {
        std::array<double, 2 * Values> r{};
        for (std::size_t v = 0; v < Values; ++v) {
            r[v] = r[v + Values] = moment1[p][v];
        }
        for (std::size_t x = 0; x < Values; ++x) {
            const double* ny = shoe.data() + Values - x;
            const double* ry = r.data() + Values - x;
            const double nx = n[x], rx = r[x];
            for (std::size_t b = 0; b < Values; ++b) {
                s1[p][x][b] += 2 * (moment0[p] * nx * ny[b] - nx * ry[b] - rx * ny[b] + moment2[p][x][b]);
            }
            // The pair of two cards x.
            s1[p][x][Wrap(2 * x)] -= 2 * (moment0[p] * nx - rx);
        }
    }

    // Numerators over the ordered six-card deals.
    const double afterFour = static_cast<double>(cards - 4) * static_cast<double>(cards - 5);
    const double afterFive = static_cast<double>(cards - 5);
    double winBanker = quadBanker, winPlayer = quadPlayer;
    double playerNaturals = 0, bankerNaturals = 0, naturals = 0;
    std::array<AgainstTotal, 8> againstShoe;
    for (int b = 0; b < 8; ++b) {
        againstShoe[static_cast<std::size_t>(b)] = Against(b, n.data(), 1);
    }
    for (std::size_t p = 0; p < Values; ++p) {
        for (std::size_t b = 0; b < Values; ++b) {
            const std::size_t totals = 10 * p + b;
            const Stage stage = t.StageOf[p][b];
            if (stage == Stage::Over) {
                const double weight = over[p][b];
                const auto& to = t.OverTo[totals];
                winBanker += weight * afterFour * to[OutBanker];
                winPlayer += weight * afterFour * to[OutPlayer];
                playerNaturals += p >= 8 ? weight : 0;
                bankerNaturals += b >= 8 ? weight : 0;
                naturals += p >= 8 || b >= 8 ? weight : 0;
                continue;
            }
            const double weight0 = s0[p][b];
            if (weight0 == 0) {
                continue;
            }
            const double* taken = &s1[p][0][b];
            std::array<double, Values> u{};
            for (std::size_t v = 0; v < Values; ++v) {
                u[v] = weight0 * n[v] - taken[Values * v];
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
            const AgainstTotal& whole = againstShoe[b];
            const AgainstTotal others = Against(static_cast<int>(b), taken, Values);
            const auto& draws = t.DrawMask[b];
            for (std::size_t v = 0; v < Values; ++v) {
                const std::size_t player = Wrap(p + v);
                const double uv = draws[v] * u[v];
                const double nv = draws[v] * n[v];
                winPlayer += uv * whole.Below[player] - nv * others.Below[player];
                winBanker += uv * whole.Above[player] - nv * others.Above[player];
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
    odds.Banker = winBanker / deals;
    odds.Player = winPlayer / deals;
    // Every deal ends in one of the three.
    odds.Tie = (deals - winBanker - winPlayer) / deals;
    odds.PlayerNatural = playerNaturals / fourCardDeals;
    odds.BankerNatural = bankerNaturals / fourCardDeals;
    odds.Natural = naturals / fourCardDeals;
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
