#pragma once

// Whole shoes and betting sessions played on many threads, with no window: what the simulator and the
// strategy window run.
//
// Every shoe is shuffled from the run's seed and its number in the run (Shoe::SetShoeSeed), and results
// are added in session order, so a seed gives the same figures for any thread count. Shoe k of a plain
// run is shoe k of SetSeed(seed); session s (0, 1, ...) of K shoes plays shoes s * K + 1 .. s * K + K.
#include "BettingSystems.h"
#include "Shoe.h"
#include "ShoeOdds.h"
#include "ValueShoe.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace bacc {

struct ShoeCounts {
    std::uint64_t shoes = 0;
    std::uint64_t hands = 0;
    std::uint64_t banker = 0;
    std::uint64_t player = 0;
    std::uint64_t tie = 0;
    std::uint64_t playerNaturals = 0;
    std::uint64_t bankerNaturals = 0;

    void Add(const ShoeCounts& other);
    // Counts one hand dealt.
    void Count(const QuickHand& hand) {
        ++hands;
        banker += hand.result == 'B';
        player += hand.result == 'P';
        tie += hand.result == 'T';
        playerNaturals += hand.playerNatural;
        bankerNaturals += hand.bankerNatural;
    }
    bool operator==(const ShoeCounts&) const = default;
};

struct RunControl {
    // Set from anywhere (a signal handler, a Cancel button): the run stops within a shoe and returns what
    // it has finished.
    const std::atomic<bool>* cancel = nullptr;
    // Called on the calling thread about ten times a second while the run lasts: shoes done, shoes to do.
    std::function<void(std::uint64_t done, std::uint64_t total)> progress;
};

struct PlainRun {
    int decks = 8;
    std::uint64_t shoes = 10000;
    std::uint64_t seed = 0;
    unsigned threads = 1;
    // Works out the exact odds before every hand and tallies what betting only the favoured hands
    // would have won.
    bool edgeReport = false;
};

struct PlainResult {
    ShoeCounts counts;
    EdgeReport edge;
    bool interrupted = false;
};

// Plays whole shoes without bets or records. Memory does not grow with the number of shoes.
PlainResult RunShoes(const PlainRun& run, const RunControl& control = {});

struct LabParameters {
    SystemKind system = SystemKind::Flat;
    BetSide side = BetSide::Banker;
    TableLimits limits;
    Cents bankroll = 1000 * CentsPerDollar;
    int shoesPerSession = 1;
    std::uint64_t sessions = 1000;
    Cents stopWin = 0; // 0: none
    Cents stopLoss = 0;
    int decks = 8;
    std::uint64_t seed = 0;
    unsigned threads = 1;
    bool curve = false;
    // Full bankroll paths kept for this many first sessions.
    int pathSessions = 5;
    // Keeps each session's own figures (LabResult::bySession), so that two studies can be paired.
    bool keepSessions = false;
};

// The percentiles reported, by nearest rank: the smallest value with at least p % of the values at or
// below it.
inline constexpr std::array<int, 5> ReportedPercentiles{5, 25, 50, 75, 95};
using Spread = std::array<Cents, 5>;

// What one session came to.
struct SessionFigures {
    Cents finalBankroll = 0;
    Cents maxDrawdown = 0;
    bool ruined = false;
    bool finished = false; // false: a cancelled run never played it to its end
};

struct LabResult {
    ShoeCounts counts; // of the sessions finished
    std::uint64_t sessions = 0;
    WideCents wagered = 0;
    WideCents net = 0;
    // Sessions whose bankroll fell below the table minimum on some hand, the last one included.
    std::uint64_t ruined = 0;
    Spread finalBankroll{};
    Cents medianMaxDrawdown = 0;
    // curve[h]: the spread of the bankroll after hand h + 1 of a session, across sessions, counted in
    // buckets (BankrollCounts::Percentiles). A session that has ended counts with its final bankroll at
    // every later hand. Empty unless asked for.
    std::vector<Spread> curve;
    // The bankroll after each hand of the first sessions, as long as each session lasted.
    std::vector<std::vector<Cents>> paths;
    // Session s's figures at index s, when asked for.
    std::vector<SessionFigures> bySession;
    bool interrupted = false;

    // The house's edge on the money wagered: -net / wagered.
    double Edge() const { return wagered > 0 ? -static_cast<double>(net) / static_cast<double>(wagered) : 0; }
};

// Sessions beyond this many are refused: each finished session keeps 16 bytes until the percentiles
// are taken.
inline constexpr std::uint64_t MaxLabSessions = 100'000'000;

// The curve is kept for sessions of up to this many shoes (the longest the lab plays), whatever the
// number of sessions: each hand's bankrolls are counted in buckets (BankrollCounts), at most
// CurveBucketBudget over all hands on each thread (16 bytes a bucket), at most 512 and at least 32 for
// one hand.
inline constexpr std::uint64_t MaxCurveShoes = 1000;
inline constexpr std::int64_t CurveBucketBudget = std::int64_t{1} << 22;

// An upper bound on the hands of one shoe: every hand takes at least four cards.
int MaxHandsPerShoe(int decks);
// The hand indexes a curve of these parameters can hold.
int CurveHands(const LabParameters& parameters);
// The buckets each hand's bankrolls are counted in, for a curve of that many hands.
int CurveBuckets(int curveHands);

LabResult RunLab(const LabParameters& parameters, const RunControl& control = {});

// Cents as dollars with exactly two decimals and no separators: "1234.50", "-0.05".
std::string DollarsText(WideCents cents);
// The curve as the simulator and the lab save it: the line "hand,p5,p25,p50,p75,p95", then one line per
// hand, its number and the five percentiles in dollars and cents.
void WriteCurveCsv(std::ostream& out, const std::vector<Spread>& curve);

} // namespace bacc
