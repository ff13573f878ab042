#include "BankrollCounts.h"

#include "StrategyLab.h"

#include <algorithm>

namespace bacc {

namespace {
// Few values, as at the first hands of a curve, take few buckets until they spread.
constexpr std::int64_t FirstBuckets = 64;
} // namespace

BankrollCounts::BankrollCounts(int buckets, std::pmr::memory_resource* memory)
    : most_(std::max(buckets, 2)), buckets_(memory) {}

std::pair<std::int64_t, std::int64_t> BankrollCounts::Used() const {
    if (total_ == 0) {
        return {0, -1};
    }
    std::size_t first = 0;
    while (buckets_[first].count == 0) {
        ++first;
    }
    std::size_t last = buckets_.size() - 1;
    while (buckets_[last].count == 0) {
        --last;
    }
    return {base_ + static_cast<std::int64_t>(first), base_ + static_cast<std::int64_t>(last)};
}

void BankrollCounts::Cover(std::int64_t low, std::int64_t high, int shift) {
    const auto [usedLow, usedHigh] = Used();
    if (total_ > 0) {
        low = std::min(low, usedLow >> (shift - shift_));
        high = std::max(high, usedHigh >> (shift - shift_));
    }
    while (high - low + 1 > most_) {
        ++shift;
        low >>= 1;
        high >>= 1;
    }
    // Centred, so that values spreading slowly seldom move them.
    const std::int64_t span = high - low + 1;
    const std::int64_t size =
        span <= FirstBuckets / 2 && buckets_.empty() ? std::min(FirstBuckets, most_) : most_;
    const std::int64_t base = low - (size - span) / 2;
    std::pmr::vector<Bucket> buckets(static_cast<std::size_t>(size), buckets_.get_allocator());
    for (std::int64_t old = usedLow; old <= usedHigh; ++old) {
        const Bucket& from = buckets_[static_cast<std::size_t>(old - base_)];
        const std::int64_t to = old >> (shift - shift_);
        Bucket& into = buckets[static_cast<std::size_t>(to - base)];
        into.count += from.count;
        // The old bucket starts this far into the new one.
        into.offset += from.offset + from.count * static_cast<std::uint64_t>((old << shift_) - (to << shift));
    }
    buckets_ = std::move(buckets);
    base_ = base;
    shift_ = shift;
}

void BankrollCounts::AddAll(const Cents* values, std::size_t count, std::size_t stride) {
    std::size_t i = 0;
    while (i < count) {
        // In locals, which stay in registers across the loop.
        const int shift = shift_;
        const std::int64_t base = base_;
        const auto size = static_cast<std::uint64_t>(buckets_.size());
        const auto within = (std::uint64_t{1} << shift) - 1;
        Bucket* buckets = buckets_.data();
        const std::size_t first = i;
        for (; i < count; ++i) {
            const Cents value = values[i * stride];
            const auto at = static_cast<std::uint64_t>((value >> shift) - base);
            if (at >= size) {
                break;
            }
            ++buckets[at].count;
            buckets[at].offset += static_cast<std::uint64_t>(value) & within;
        }
        total_ += i - first;
        if (i < count) {
            // Room for all the values left at once: widening for each in turn would move the buckets
            // again and again.
            Cents low = values[i * stride];
            Cents high = low;
            for (std::size_t j = i; j < count; ++j) {
                low = std::min(low, values[j * stride]);
                high = std::max(high, values[j * stride]);
            }
            Cover(low >> shift_, high >> shift_, shift_);
        }
    }
}

void BankrollCounts::Merge(const BankrollCounts& other) {
    const auto [otherLow, otherHigh] = other.Used();
    if (other.total_ == 0) {
        return;
    }
    // Each is no wider than its values need, so their union needs the wider one's width or more.
    const int shift = std::max(shift_, other.shift_);
    const int by = shift - other.shift_;
    if (total_ == 0 || otherLow >> by < base_ ||
        (otherHigh >> by) - base_ >= static_cast<std::int64_t>(buckets_.size()) || shift > shift_) {
        Cover(otherLow >> by, otherHigh >> by, shift);
    }
    for (std::int64_t bucket = otherLow; bucket <= otherHigh; ++bucket) {
        const Bucket& from = other.buckets_[static_cast<std::size_t>(bucket - other.base_)];
        const Cents start = bucket << other.shift_;
        const std::int64_t mine = start >> shift_;
        Bucket& into = buckets_[static_cast<std::size_t>(mine - base_)];
        into.count += from.count;
        into.offset += from.offset + from.count * static_cast<std::uint64_t>(start - (mine << shift_));
    }
    total_ += other.total_;
}

template <std::size_t N>
std::array<Cents, N> BankrollCounts::Percentiles(const std::array<int, N>& percents) const {
    std::array<Cents, N> values{};
    std::size_t next = 0;
    std::uint64_t below = 0;
    for (std::size_t at = 0; total_ > 0 && at < buckets_.size() && next < N; ++at) {
        const Bucket& bucket = buckets_[at];
        below += bucket.count;
        while (next < N && bucket.count > 0) {
            const std::uint64_t rank =
                std::max<std::uint64_t>((static_cast<std::uint64_t>(percents[next]) * total_ + 99) / 100, 1);
            if (rank > below) {
                break;
            }
            const Cents start = (base_ + static_cast<std::int64_t>(at)) << shift_;
            values[next++] = start + static_cast<Cents>(bucket.offset / bucket.count);
        }
    }
    return values;
}

template Spread BankrollCounts::Percentiles(const std::array<int, ReportedPercentiles.size()>&) const;

} // namespace bacc
