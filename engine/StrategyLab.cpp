#include "StrategyLab.h"

#include "BankrollCounts.h"
#include "Shoe.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <memory_resource>
#include <mutex>
#include <ostream>
#include <sys/mman.h>
#include <thread>
#include <type_traits>

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
    return static_cast<int>(
        std::min<std::uint64_t>(whole, MaxCurveShoes * MaxHandsPerShoe(parameters.decks)));
}

int CurveBuckets(int curveHands) {
    return static_cast<int>(std::clamp<std::int64_t>(CurveBucketBudget / std::max(curveHands, 1), 32, 512));
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

// Deals a shoe to its end and counts its hands.
void PlayOut(ValueShoe& shoe, ShoeCounts& counts) {
    while (!shoe.EndOfShoe()) {
        counts.Count(shoe.Deal());
    }
    ++counts.shoes;
}

// The odds of each hand are worked out from the cards left before it is dealt.
void PlayOut(ValueShoe& shoe, ShoeCounts& counts, EdgeReport& edge) {
    while (!shoe.EndOfShoe()) {
        edge.BeforeHand(shoe.Left());
        const QuickHand hand = shoe.Deal();
        edge.AfterHand(hand.result);
        counts.Count(hand);
    }
    ++counts.shoes;
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
    WideCents wagered = 0;
    bool ruined = false;
};

// A batch is laid out in blocks of this many hands (one cache line of bankrolls): block b holds hands
// 8b .. 8b + 7 of every session of the batch, one session after another, so that counting reads each
// block front to back and adds its bankrolls to eight hands' buckets only.
constexpr int CurveBlockHands = 8;

template <typename SessionBettor> SessionBettor MakeBettor(const LabParameters& p) {
    if constexpr (!std::is_same_v<SessionBettor, Bettor>) {
        return SessionBettor(p.side, p.limits, p.bankroll);
    } else {
        return Bettor(p.system, p.side, p.limits, p.bankroll);
    }
}

// Where a session writes its bankroll after each hand: one cell after another within a block of a batch,
// then on to its place in the next block, and past the end of its row into a scrap block that nobody
// reads. Kept in two pointers, so that a hand costs a store, an add and a comparison.
class RowWriter {
public:
    // row: the session's place in the first block, `blocks` blocks of `blockStride` cells apart; nullptr
    // for no row.
    RowWriter(Cents* row, int blocks, std::size_t blockStride, Cents* scrap)
        : cell_(row ? row : scrap), blockEnd_(cell_ + CurveBlockHands), stride_(blockStride),
          blocksLeft_(row ? blocks : 0), scrap_(scrap) {}

    void Write(Cents bankroll) {
        *cell_++ = bankroll;
        if (cell_ == blockEnd_) [[unlikely]] {
            if (blocksLeft_ > 1) {
                --blocksLeft_;
                cell_ = blockEnd_ - CurveBlockHands + stride_;
            } else {
                cell_ = scrap_;
            }
            blockEnd_ = cell_ + CurveBlockHands;
        }
    }

private:
    Cents* cell_;
    Cents* blockEnd_;
    std::size_t stride_;
    int blocksLeft_;
    Cents* scrap_;
};

// What a session writes down beside its outcome.
enum class Kept { Nothing, Row, RowAndPath };

// Plays session `session` to its end; false when cancelled first. row receives the bankroll after each
// hand, path (with RowAndPath) the whole session; with Nothing, the loop never looks at them.
template <typename SessionBettor, Kept Keeps>
[[gnu::noinline]] bool PlaySession(const LabParameters& p, std::uint64_t session, ValueShoe& shoe,
                                   const RunControl& control, std::atomic<std::uint64_t>& shoesDone,
                                   RowWriter row, std::vector<Cents>* path, SessionOutcome& out) {
    SessionBettor bettor = MakeBettor<SessionBettor>(p);
    const auto shoes = static_cast<std::uint64_t>(p.shoesPerSession);
    Cents peak = p.bankroll;
    Cents drawdown = 0;
    // Counted in a local rather than through out, whose every count the compiler would have to store.
    ShoeCounts counts;
    const bool stops = p.stopWin > 0 || p.stopLoss > 0;
    bool over = false;
    for (std::uint64_t k = 0; k < shoes && !over; ++k) {
        if (Cancelled(control)) {
            return false;
        }
        shoe.Start(p.seed, session * shoes + k + 1);
        ++counts.shoes;
        while (!shoe.EndOfShoe()) {
            if (!bettor.PlaceBet()) {
                out.ruined = true;
                over = true;
                break;
            }
            const QuickHand dealt = shoe.Deal();
            counts.Count(dealt);
            const bool decided = bettor.Settle(dealt.result);
            const Cents bankroll = bettor.Bankroll();
            peak = std::max(peak, bankroll);
            drawdown = std::max(drawdown, peak - bankroll);
            if constexpr (Keeps != Kept::Nothing) {
                row.Write(bankroll);
            }
            if constexpr (Keeps == Kept::RowAndPath) {
                path->push_back(bankroll);
            }
            // Ruin is the bankroll falling below the table minimum, seen at once, whether or not
            // another bet is due.
            if (bankroll < p.limits.minimum) {
                out.ruined = true;
                over = true;
                break;
            }
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
    return true;
}

// The bankrolls a thread keeps before counting them into the curve (2 MiB): hundreds of sessions at a
// time, so that each hand's buckets are fetched into the cache once for many bankrolls, while a block of
// the batch still fits the nearest cache.
constexpr std::size_t CurveBatchCells = std::size_t{1} << 18;

// Memory handed out from large blocks the kernel may back with huge pages, and given back only when the
// resource goes: a curve's buckets and batch are touched page by page otherwise, at the cost of a page
// fault for every 4 KiB of them.
class HugePageMemory : public std::pmr::memory_resource {
public:
    HugePageMemory() = default;
    HugePageMemory(const HugePageMemory&) = delete;
    HugePageMemory& operator=(const HugePageMemory&) = delete;
    ~HugePageMemory() override {
        for (void* block : blocks_) {
            std::free(block);
        }
    }

private:
    static constexpr std::size_t HugePage = std::size_t{2} << 20;
    static constexpr std::size_t BlockBytes = 8 * HugePage;

    void* do_allocate(std::size_t bytes, std::size_t alignment) override {
        std::size_t at = (used_ + alignment - 1) / alignment * alignment;
        if (blocks_.empty() || at + bytes > size_) {
            size_ = std::max(BlockBytes, (bytes + HugePage - 1) / HugePage * HugePage);
            void* block = std::aligned_alloc(HugePage, size_);
            if (!block) {
                throw std::bad_alloc();
            }
            blocks_.push_back(block);
            madvise(block, size_, MADV_HUGEPAGE); // only advice: without it the pages are small
            at = 0;
        }
        used_ = at + bytes;
        return static_cast<char*>(blocks_.back()) + at;
    }
    void do_deallocate(void*, std::size_t, std::size_t) override {}
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }

    std::vector<void*> blocks_;
    std::size_t size_ = 0;
    std::size_t used_ = 0;
};

// A thread's share of the curve: per hand index, the bankrolls of its sessions still playing then, and
// the final bankrolls of its sessions that ended after exactly that many hands.
struct CurveShare {
    HugePageMemory memory;
    // Buckets given back as a hand's counts widen are reused from here.
    std::pmr::unsynchronized_pool_resource buckets{{0, 16384}, &memory};
    std::vector<BankrollCounts> live, endedAt;

    // Counts for hand indexes up to `hands` - 1.
    void Grow(std::vector<BankrollCounts>& counts, std::size_t hands, int most) {
        while (counts.size() < hands) {
            counts.emplace_back(most, &buckets);
        }
    }
};

// The bankrolls of a thread's finished sessions, counted into its share of the curve a batch at a time.
// A session writes its bankrolls straight into its place in the batch's blocks of hands.
class CurveRows {
public:
    CurveRows(int rowLength, int buckets, std::uint64_t chunk, CurveShare& share)
        : rowLength_(rowLength), buckets_(buckets),
          blocks_((rowLength + CurveBlockHands - 1) / CurveBlockHands) {
        if (rowLength_ > 0) {
            const std::size_t paddedRow = static_cast<std::size_t>(blocks_) * CurveBlockHands;
            chunk_ = static_cast<std::size_t>(chunk);
            slots_ = std::max<std::size_t>(CurveBatchCells / paddedRow, chunk_);
            batch_ = static_cast<Cents*>(share.memory.allocate(paddedRow * slots_ * sizeof(Cents), 64));
        }
    }

    // Where the next session writes the bankroll after each of its first rowLength hands (into scrap
    // without a curve).
    RowWriter Row() {
        return RowWriter(rowLength_ > 0 ? batch_ + lengths_.size() * CurveBlockHands : nullptr, blocks_,
                         slots_ * CurveBlockHands, scrap_.data());
    }
    void StartChunk() { chunkStart_ = lengths_.size(); }
    // The session that wrote Row() ended after `hands` hands.
    void EndSession(std::uint64_t hands, Cents finalBankroll) {
        if (rowLength_ == 0) {
            return;
        }
        const std::size_t length = std::min<std::uint64_t>(hands, static_cast<std::uint64_t>(rowLength_));
        lengths_.push_back(length);
        finals_.push_back(finalBankroll);
    }
    // A chunk cancelled part way leaves its sessions out of the curve.
    void DropChunk() {
        lengths_.resize(chunkStart_);
        finals_.resize(chunkStart_);
    }
    void EndChunk(CurveShare& share) {
        if (lengths_.size() + chunk_ > slots_) { // the next chunk might not fit
            CountInto(share);
        }
    }

    void CountInto(CurveShare& share) {
        if (lengths_.empty()) {
            return;
        }
        std::size_t longest = 0;
        for (std::size_t i = 0; i < lengths_.size(); ++i) {
            const std::size_t length = lengths_[i];
            longest = std::max(longest, length);
            if (length < static_cast<std::size_t>(rowLength_)) {
                share.Grow(share.endedAt, length + 1, buckets_);
                share.endedAt[length].Add(finals_[i]);
            }
        }
        share.Grow(share.live, longest, buckets_);
        // Hand by hand within a block: the block's first hand brings it into the cache for the other seven,
        // and the counts of one hand are added in one loop, straight from the block while every session of
        // the batch lasted that long.
        const std::size_t shortest = *std::min_element(lengths_.begin(), lengths_.end());
        column_.resize(lengths_.size());
        for (std::size_t h = 0; h < longest; ++h) {
            const Cents* cell =
                batch_ + (h / CurveBlockHands) * slots_ * CurveBlockHands + h % CurveBlockHands;
            if (h + 1 < longest) {
                share.live[h + 1].Prefetch(); // while this hand is counted
            }
            if (h < shortest) {
                share.live[h].AddAll(cell, lengths_.size(), CurveBlockHands);
                continue;
            }
            std::size_t taken = 0;
            for (std::size_t i = 0; i < lengths_.size(); ++i, cell += CurveBlockHands) {
                // Without a branch: a session that ended sooner wrote nothing there, so its place reads
                // a value that is then dropped.
                const bool lasted = h < lengths_[i];
                column_[taken] = *(lasted ? cell : &finals_[i]);
                taken += lasted;
            }
            share.live[h].AddAll(std::span(column_.data(), taken));
        }
        lengths_.clear();
        finals_.clear();
    }

private:
    int rowLength_;
    int buckets_;
    int blocks_;
    std::size_t chunk_ = 0;  // sessions of a chunk
    std::size_t slots_ = 0;  // sessions a batch has room for
    Cents* batch_ = nullptr; // in the share's memory
    std::vector<std::size_t> lengths_;
    std::vector<Cents> finals_;
    std::vector<Cents> column_;
    std::array<Cents, CurveBlockHands> scrap_{};
    std::size_t chunkStart_ = 0;
};

struct ChunkTotals {
    ShoeCounts counts;
    WideCents wagered = 0;
    WideCents net = 0;
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
        ValueShoe shoe(run.decks);
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
                shoe.Start(run.seed, k + 1);
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
    const int rowLength = CurveHands(p);
    // Chunks of long sessions are smaller, so that the curve's rows of one chunk stay within a batch.
    const std::uint64_t chunk = std::clamp<std::uint64_t>(
        sessions / (threads * 64ULL), 1,
        rowLength > 0
            ? std::clamp<std::uint64_t>(CurveBatchCells / static_cast<std::uint64_t>(rowLength), 1, 256)
            : 256);
    const std::uint64_t chunks = (sessions + chunk - 1) / chunk;
    const std::uint64_t pathCount =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(std::max(p.pathSessions, 0)), sessions);

    // Left unset: a long run's pages are touched only as its sessions finish.
    const auto finals = std::make_unique_for_overwrite<Cents[]>(sessions);
    const auto drawdowns = std::make_unique_for_overwrite<Cents[]>(sessions);
    std::vector<ChunkTotals> chunkTotals(chunks);
    std::vector<std::vector<Cents>> paths(pathCount);
    std::vector<SessionFigures> bySession(p.keepSessions ? sessions : 0);
    std::vector<CurveShare> shares(threads);
    const int buckets = CurveBuckets(rowLength);
    const bool fixedSide = p.side == BetSide::Banker || p.side == BetSide::Player || p.side == BetSide::Tie;
    std::atomic<std::uint64_t> next{0};
    std::atomic<std::uint64_t> done{0};

    RunOnThreads(
        threads, done, sessions * static_cast<std::uint64_t>(p.shoesPerSession), control, [&](unsigned t) {
            ValueShoe shoe(p.decks);
            CurveRows rows(rowLength, buckets, chunk, shares[t]);
            for (bool more = true; more;) {
                const std::uint64_t c = next.fetch_add(1, std::memory_order_relaxed);
                if (c >= chunks) {
                    break;
                }
                ChunkTotals totals;
                rows.StartChunk();
                for (std::uint64_t s = c * chunk; s < std::min(sessions, (c + 1) * chunk); ++s) {
                    SessionOutcome outcome;
                    std::vector<Cents>* path = s < pathCount ? &paths[s] : nullptr;
                    const RowWriter row = rows.Row();
                    const auto play = [&]<typename SessionBettor>() {
                        return path ? PlaySession<SessionBettor, Kept::RowAndPath>(p, s, shoe, control, done,
                                                                                   row, path, outcome)
                               : rowLength > 0
                                   ? PlaySession<SessionBettor, Kept::Row>(p, s, shoe, control, done, row,
                                                                           path, outcome)
                                   : PlaySession<SessionBettor, Kept::Nothing>(p, s, shoe, control, done, row,
                                                                               path, outcome);
                    };
                    const bool played = p.system != SystemKind::Flat ? play.template operator()<Bettor>()
                                        : fixedSide ? play.template operator()<FixedSideFlatBettor>()
                                                    : play.template operator()<FlatBettor>();
                    if (!played) {
                        more = false;
                        break;
                    }
                    rows.EndSession(outcome.counts.hands, outcome.finalBankroll);
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
                if (!more) {
                    rows.DropChunk();
                    break;
                }
                totals.finished = true;
                chunkTotals[c] = totals;
                rows.EndChunk(shares[t]);
            }
            rows.CountInto(shares[t]);
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

    // Hand by hand, the sessions still playing and those that have ended, with their final bankrolls.
    const std::uint64_t curveHands = std::min<std::uint64_t>(longest, static_cast<std::uint64_t>(rowLength));
    result.curve.resize(curveHands);
    BankrollCounts ended(buckets);
    BankrollCounts all(buckets);
    for (std::size_t h = 0; h < curveHands; ++h) {
        all = ended;
        for (CurveShare& share : shares) {
            if (h < share.endedAt.size()) {
                ended.Merge(share.endedAt[h]);
                all.Merge(share.endedAt[h]);
                share.endedAt[h] = BankrollCounts(buckets);
            }
            if (h < share.live.size()) {
                all.Merge(share.live[h]);
                share.live[h] = BankrollCounts(buckets);
            }
        }
        result.curve[h] = all.Percentiles(ReportedPercentiles);
    }
    for (std::uint64_t s = 0; s < pathCount; ++s) {
        if (chunkTotals[s / chunk].finished) {
            result.paths.push_back(std::move(paths[s]));
        }
    }
    result.bySession = std::move(bySession);
    return result;
}

std::string DollarsText(WideCents cents) {
    const bool negative = cents < 0;
    // Unsigned, so that the most negative value has a magnitude too.
    __extension__ typedef unsigned __int128 Magnitude;
    Magnitude rest = negative ? Magnitude{0} - static_cast<Magnitude>(cents) : static_cast<Magnitude>(cents);
    std::string digits;
    for (int place = 0; place < 3 || rest > 0; ++place) {
        if (place == 2) {
            digits += '.';
        }
        digits += static_cast<char>('0' + static_cast<int>(rest % 10));
        rest /= 10;
    }
    if (negative) {
        digits += '-';
    }
    return {digits.rbegin(), digits.rend()};
}

void WriteCurveCsv(std::ostream& out, const std::vector<Spread>& curve) {
    out << "hand,p5,p25,p50,p75,p95\n";
    for (std::size_t h = 0; h < curve.size(); ++h) {
        out << h + 1;
        for (const Cents value : curve[h]) {
            out << ',' << DollarsText(value);
        }
        out << '\n';
    }
}

} // namespace bacc
