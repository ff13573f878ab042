#pragma once

// The bankrolls of many sessions after one hand, counted in buckets rather than kept one by one, so that
// a curve of any length over any number of sessions takes memory in proportion to its hands alone.
//
// A bucket is 2^shift cents wide, aligned on multiples of its width. The buckets are one cent wide while
// the values counted span fewer cents than there are buckets, and the narrowest power of two that holds
// them otherwise. Counts of the same values therefore end in the same buckets in whatever order and
// whatever groups they are added and merged, which keeps a study's figures the same on any thread count.
#include "BettingSystems.h"

#include <array>
#include <cstdint>
#include <memory_resource>
#include <span>
#include <vector>

namespace bacc {

class BankrollCounts {
public:
    // buckets: at most this many (at least 2), kept in `memory`.
    explicit BankrollCounts(int buckets,
                            std::pmr::memory_resource* memory = std::pmr::get_default_resource());

    void Add(Cents value) {
        std::int64_t at = (value >> shift_) - base_;
        if (static_cast<std::uint64_t>(at) >= buckets_.size()) {
            Cover(value >> shift_, value >> shift_, shift_);
            at = (value >> shift_) - base_;
        }
        Bucket& bucket = buckets_[static_cast<std::size_t>(at)];
        ++bucket.count;
        bucket.offset += static_cast<std::uint64_t>(value - ((value >> shift_) << shift_));
        ++total_;
    }
    // The same as Add for each value, in a loop that keeps the buckets' place in registers.
    void AddAll(std::span<const Cents> values) { AddAll(values.data(), values.size(), 1); }
    // The same for `count` values `stride` cells apart.
    void AddAll(const Cents* values, std::size_t count, std::size_t stride);
    void Merge(const BankrollCounts& other);

    // Asks for the buckets to be brought into the cache, ahead of an AddAll.
    void Prefetch() const {
        const char* at = reinterpret_cast<const char*>(buckets_.data());
        const char* end = at + buckets_.size() * sizeof(Bucket);
        for (; at < end; at += 64) {
            __builtin_prefetch(at, 1);
        }
    }

    std::uint64_t Total() const { return total_; }
    // The width of a bucket: 2^Shift() cents.
    int Shift() const { return shift_; }

    // The value of each nearest rank (the smallest value with at least p % of the values at or below
    // it): the mean of the values in the bucket that holds that rank, rounded down to the cent. It is
    // exact when the bucket holds a single value, and otherwise less than one bucket width off. All 0
    // when nothing was counted.
    template <std::size_t N> std::array<Cents, N> Percentiles(const std::array<int, N>& percents) const;

private:
    struct Bucket {
        // By how many cents the values' sum exceeds count times the bucket's start.
        std::uint64_t offset = 0;
        std::uint64_t count = 0;
    };
    // The first and last buckets holding values: {0, -1} when there are none.
    std::pair<std::int64_t, std::int64_t> Used() const;
    // Makes room for buckets low .. high of width 2^shift (shift >= Shift()) beside those in use,
    // widening further while they span more than the buckets allowed.
    void Cover(std::int64_t low, std::int64_t high, int shift);

    std::int64_t most_;
    int shift_ = 0;
    std::int64_t base_ = 0; // the bucket of buckets_[0]
    std::uint64_t total_ = 0;
    std::pmr::vector<Bucket> buckets_;
};

} // namespace bacc
