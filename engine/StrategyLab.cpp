#include "StrategyLab.h"

#include "Shoe.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>

namespace bacc {

void ShoeCounts::Add(const ShoeCounts& other) {
    shoes += other.shoes;
    hands += other.hands;
    banker += other.banker;
    player += other.player;
    tie += other.tie;
    playerNaturals += other.playerNaturals;
    bankerNaturals += other.bankerNaturals;
}

int MaxHandsPerShoe(int decks) {
    if (decks < 1 || decks > 8) {
        decks = 8;
    }
    // Hands start after a burn of at least two cards; the one that leaves 13 or fewer is the last but one.
    const int cards = decks * CardsPerDeck;
    return (cards - 15 + 3) / 4 + 1;
}

int CurveHands(const LabParameters& parameters) {
    if (!parameters.curve || parameters.sessions == 0) {
        return 0;
    }
    const std::uint64_t whole = static_cast<std::uint64_t>(std::max(parameters.shoesPerSession, 1)) *
                                MaxHandsPerShoe(parameters.decks);
    const std::uint64_t fits = std::max<std::uint64_t>(CurveCellBudget / parameters.sessions, 1);
    return static_cast<int>(std::min(whole, fits));
}

namespace {

bool Cancelled(const RunControl& control) {
    return control.cancel && control.cancel->load(std::memory_order_relaxed);
}

// Runs body(thread index) on `threads` threads while the calling thread reports progress.
template <typename Body>
void RunOnThreads(unsigned threads, const std::atomic<std::uint64_t>& done, std::uint64_t total,
                  const RunControl& control, Body body) {
    std::mutex mutex;
    std::condition_variable finished;
    unsigned running = threads;
    std::vector<std::thread> pool;
    pool.reserve(threads);
    for (unsigned t = 0; t < threads; ++t) {
        pool.emplace_back([&, t] {
            body(t);
            {
                const std::lock_guard lock(mutex);
                --running;
            }
            finished.notify_all();
        });
    }
    {
        std::unique_lock lock(mutex);
        while (!finished.wait_for(lock, std::chrono::milliseconds(100), [&] { return running == 0; })) {
            if (control.progress) {
                lock.unlock();
                control.progress(done.load(std::memory_order_relaxed), total);
                lock.lock();
            }
        }
    }
    for (std::thread& thread : pool) {
        thread.join();
    }
}

// Deals a shoe to its end and counts its hands; before and after each hand the caller may look on.
template <typename BeforeHand, typename AfterHand>
void PlayOut(Shoe& shoe, ShoeCounts& counts, BeforeHand before, AfterHand after) {
    while (!shoe.EndOfShoe) {
        before(shoe);
        shoe.DealHand();
        after(shoe.Hand.HandResult);
        counts.Count(shoe.Hand);
    }
    ++counts.shoes;
}

void PlayOut(Shoe& shoe, ShoeCounts& counts) {
    PlayOut(
        shoe, counts, [](const Shoe&) {}, [](char) {});
}

// The odds of each hand are worked out from the cards left before it is dealt.
void PlayOut(Shoe& shoe, ShoeCounts& counts, EdgeReport& edge) {
    PlayOut(
        shoe, counts, [&edge](const Shoe& s) { edge.BeforeHand(RemainingValues(s)); },
        [&edge](char result) { edge.AfterHand(result); });
}

std::int32_t CurveCell(Cents bankroll) {
    return static_cast<std::int32_t>(std::clamp<Cents>(bankroll, std::numeric_limits<std::int32_t>::min(),
                                                       std::numeric_limits<std::int32_t>::max()));
}

// Nearest-rank percentiles; reorders values. The median splits the range first, then each side's ranks
// are found within that side only.
template <typename T> Spread SpreadOf(T* first, T* last) {
    Spread spread{};
    if (first == last) {
        return spread;
    }
    const auto n = static_cast<std::uint64_t>(last - first);
    std::array<T*, ReportedPercentiles.size()> at{};
    for (std::size_t i = 0; i < at.size(); ++i) {
        const std::uint64_t rank =
            std::max<std::uint64_t>((static_cast<std::uint64_t>(ReportedPercentiles[i]) * n + 99) / 100, 1);
        at[i] = first + (rank - 1);
    }
    // Equal ranks (few values) are already in place.
    std::nth_element(first, at[2], last);
    if (at[1] < at[2]) {
        std::nth_element(first, at[1], at[2]);
    }
    if (at[0] < at[1]) {
        std::nth_element(first, at[0], at[1]);
    }
    if (at[3] > at[2]) {
        std::nth_element(at[2] + 1, at[3], last);
    }
    if (at[4] > at[3]) {
        std::nth_element(at[3] + 1, at[4], last);
    }
    for (std::size_t i = 0; i < at.size(); ++i) {
        spread[i] = static_cast<Cents>(*at[i]);
    }
    return spread;
}

struct SessionOutcome {
    ShoeCounts counts;
    Cents finalBankroll = 0;
    Cents maxDrawdown = 0;
    Cents wagered = 0;
    bool ruined = false;
};

// Plays session `session` to its end; false when cancelled first. row, when given, receives the
// bankroll after each hand, padded with the final one up to rowLength hands;
// path the whole session.
bool PlaySession(const LabParameters& p, std::uint64_t session, Shoe& shoe, const RunControl& control,
                 std::atomic<std::uint64_t>& shoesDone, std::int32_t* row, int rowLength,
                 std::vector<Cents>* path, SessionOutcome& out) {
    Bettor bettor(p.system, p.side, p.limits, p.bankroll);
    const auto shoes = static_cast<std::uint64_t>(p.shoesPerSession);
    Cents peak = p.bankroll;
    Cents drawdown = 0;
    int hand = 0;
    // Counted in locals, which stay in registers across the deal.
    ShoeCounts counts;
    const bool stops = p.stopWin > 0 || p.stopLoss > 0;
    bool over = false;
    for (std::uint64_t k = 0; k < shoes && !over; ++k) {
        if (Cancelled(control)) {
            return false;
        }
        shoe.SetShoeSeed(p.seed, session * shoes + k + 1);
        shoe.StartShoe();
        ++counts.shoes;
        while (!shoe.EndOfShoe) {
            if (!bettor.PlaceBet()) {
                out.ruined = true;
                over = true;
                break;
            }
            shoe.DealHand();
            const HandState& h = shoe.Hand;
            counts.Count(h);
            const bool decided = bettor.Settle(h.HandResult);
            const Cents bankroll = bettor.Bankroll();
            peak = std::max(peak, bankroll);
            drawdown = std::max(drawdown, peak - bankroll);
            if (row && hand < rowLength) {
                row[hand] = CurveCell(bankroll);
            }
            if (path) {
                path->push_back(bankroll);
            }
            ++hand;
            // Tested first, a run without stops never branches on the hand's result here.
            if (stops && decided &&
                ((p.stopWin > 0 && bankroll - p.bankroll >= p.stopWin) ||
                 (p.stopLoss > 0 && p.bankroll - bankroll >= p.stopLoss))) {
                over = true;
                break;
            }
        }
        shoesDone.fetch_add(1, std::memory_order_relaxed);
    }
    bettor.TakeBack();
    out.counts = counts;
    out.finalBankroll = bettor.Bankroll();
    out.maxDrawdown = drawdown;
    out.wagered = bettor.Wagered();
    if (row) {
        std::fill(row + std::min(hand, rowLength), row + rowLength, CurveCell(out.finalBankroll));
    }
    return true;
}

struct ChunkTotals {
    ShoeCounts counts;
    Cents wagered = 0;
    Cents net = 0;
    std::uint64_t ruined = 0;
    std::uint64_t longest = 0;
    bool finished = false;
};

} // namespace

PlainResult RunShoes(const PlainRun& run, const RunControl& control) {
    const unsigned threads = std::max(run.threads, 1u);
    constexpr std::uint64_t chunk = 64;
    std::atomic<std::uint64_t> next{0};
    std::atomic<std::uint64_t> done{0};
    std::vector<ShoeCounts> totals(threads);
    std::vector<EdgeReport> edges(threads);
    RunOnThreads(threads, done, run.shoes, control, [&](unsigned t) {
        Shoe shoe;
        shoe.SetRecording(false);
        shoe.DeckCount = run.decks;
        // Counted locally: the threads' totals sit side by side in memory.
        ShoeCounts counts;
        EdgeReport edge;
        for (bool more = true; more;) {
            const std::uint64_t first = next.fetch_add(chunk, std::memory_order_relaxed);
            if (first >= run.shoes) {
                break;
            }
            const std::uint64_t last = std::min(run.shoes, first + chunk);
            for (std::uint64_t k = first; k < last; ++k) {
                if (Cancelled(control)) {
                    more = false;
                    break;
                }
                shoe.SetShoeSeed(run.seed, k + 1);
                shoe.StartShoe();
                if (run.edgeReport) {
                    PlayOut(shoe, counts, edge);
                } else {
                    PlayOut(shoe, counts);
                }
            }
            done.fetch_add(last - first, std::memory_order_relaxed);
        }
        totals[t] = counts;
        edges[t] = edge;
    });
    PlainResult result;
    for (unsigned t = 0; t < threads; ++t) {
        result.counts.Add(totals[t]);
        result.edge.Merge(edges[t]);
    }
    result.interrupted = result.counts.shoes < run.shoes;
    return result;
}

LabResult RunLab(const LabParameters& p, const RunControl& control) {
    const unsigned threads = std::max(p.threads, 1u);
    const std::uint64_t sessions = std::min(p.sessions, MaxLabSessions);
    const std::uint64_t chunk = std::clamp<std::uint64_t>(sessions / (threads * 64ULL), 1, 256);
    const std::uint64_t chunks = (sessions + chunk - 1) / chunk;
    const int rowLength = CurveHands(p);
    const std::uint64_t pathCount =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(std::max(p.pathSessions, 0)), sessions);

    // Left unset: a long run's pages are touched only as its sessions finish.
    const auto finals = std::make_unique_for_overwrite<Cents[]>(sessions);
    const auto drawdowns = std::make_unique_for_overwrite<Cents[]>(sessions);
    std::vector<ChunkTotals> chunkTotals(chunks);
    // Session by session, a row of rowLength hands each.
    const auto cells = std::make_unique_for_overwrite<std::int32_t[]>(
        rowLength > 0 ? sessions * static_cast<std::uint64_t>(rowLength) : 0);
    std::vector<std::vector<Cents>> paths(pathCount);
    std::vector<SessionFigures> bySession(p.keepSessions ? sessions : 0);
    std::atomic<std::uint64_t> next{0};
    std::atomic<std::uint64_t> done{0};

    RunOnThreads(
        threads, done, sessions * static_cast<std::uint64_t>(p.shoesPerSession), control, [&](unsigned) {
            Shoe shoe;
            shoe.SetRecording(false);
            shoe.DeckCount = p.decks;
            for (;;) {
                const std::uint64_t c = next.fetch_add(1, std::memory_order_relaxed);
                if (c >= chunks) {
                    return;
                }
                ChunkTotals totals;
                for (std::uint64_t s = c * chunk; s < std::min(sessions, (c + 1) * chunk); ++s) {
                    SessionOutcome outcome;
                    std::int32_t* row =
                        rowLength > 0 ? cells.get() + s * static_cast<std::uint64_t>(rowLength) : nullptr;
                    std::vector<Cents>* path = s < pathCount ? &paths[s] : nullptr;
                    if (!PlaySession(p, s, shoe, control, done, row, rowLength, path, outcome)) {
                        return;
                    }
                    totals.counts.Add(outcome.counts);
                    totals.wagered += outcome.wagered;
                    totals.net += outcome.finalBankroll - p.bankroll;
                    totals.ruined += outcome.ruined;
                    totals.longest = std::max(totals.longest, outcome.counts.hands);
                    finals[s] = outcome.finalBankroll;
                    drawdowns[s] = outcome.maxDrawdown;
                    if (p.keepSessions) {
                        bySession[s] = {outcome.finalBankroll, outcome.maxDrawdown, outcome.ruined, false};
                    }
                }
                totals.finished = true;
                chunkTotals[c] = totals;
            }
        });

    // Only whole chunks count: a run cancelled part way reports the chunks it finished, in order.
    LabResult result;
    std::uint64_t longest = 0;
    std::uint64_t kept = 0;
    const auto eachFinished = [&](auto&& visit) {
        for (std::uint64_t c = 0; c < chunks; ++c) {
            if (chunkTotals[c].finished) {
                for (std::uint64_t s = c * chunk; s < std::min(sessions, (c + 1) * chunk); ++s) {
                    visit(s);
                }
            }
        }
    };
    for (const ChunkTotals& totals : chunkTotals) {
        if (!totals.finished) {
            result.interrupted = true;
            continue;
        }
        result.counts.Add(totals.counts);
        result.wagered += totals.wagered;
        result.net += totals.net;
        result.ruined += totals.ruined;
        longest = std::max(longest, totals.longest);
    }
    eachFinished([&](std::uint64_t s) {
        if (p.keepSessions) {
            bySession[s].finished = true;
        }
        finals[kept] = finals[s];
        drawdowns[kept] = drawdowns[s];
        ++kept;
    });
    result.sessions = kept;
    result.finalBankroll = SpreadOf(finals.get(), finals.get() + kept);
    result.medianMaxDrawdown = SpreadOf(drawdowns.get(), drawdowns.get() + kept)[2];

    const std::uint64_t curveHands = std::min<std::uint64_t>(longest, static_cast<std::uint64_t>(rowLength));
    // Sixteen hands at a time, so that each session's row is read a cache line at a time; the bands
    // are shared out among the run's threads.
    constexpr std::uint64_t band = 16;
    result.curve.resize(curveHands);
    std::atomic<std::uint64_t> nextBand{0};
    const auto percentiles = [&] {
        std::vector<std::int32_t> columns(std::min(band, curveHands) * kept);
        for (;;) {
            const std::uint64_t h0 = nextBand.fetch_add(band, std::memory_order_relaxed);
            if (h0 >= curveHands) {
                return;
            }
            const std::uint64_t width = std::min(band, curveHands - h0);
            std::uint64_t i = 0;
            eachFinished([&](std::uint64_t s) {
                const std::int32_t* row = cells.get() + s * static_cast<std::uint64_t>(rowLength) + h0;
                for (std::uint64_t k = 0; k < width; ++k) {
                    columns[k * kept + i] = row[k];
                }
                ++i;
            });
            for (std::uint64_t k = 0; k < width; ++k) {
                result.curve[h0 + k] = SpreadOf(columns.data() + k * kept, columns.data() + (k + 1) * kept);
            }
        }
    };
    std::vector<std::thread> others;
    for (std::uint64_t t = 1; t < std::min<std::uint64_t>(threads, (curveHands + band - 1) / band); ++t) {
        others.emplace_back(percentiles);
    }
    percentiles();
    for (std::thread& other : others) {
        other.join();
    }
    for (std::uint64_t s = 0; s < pathCount; ++s) {
        if (chunkTotals[s / chunk].finished) {
            result.paths.push_back(std::move(paths[s]));
        }
    }
    result.bySession = std::move(bySession);
    return result;
}

} // namespace bacc
