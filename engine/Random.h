#pragma once

#include <cstdint>

namespace bacc {

// xoshiro256** seeded through splitmix64: fast to seed for every shoe, with uniform draws by Lemire's
// unbiased multiply-and-reject method.
class ShuffleRandom {
public:
    explicit ShuffleRandom(std::uint64_t seed) {
        for (auto& word : state_) {
            word = SplitMix(seed);
        }
    }

    std::uint64_t Next() {
        const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 45);
        return result;
    }

    // Uniform in [0, bound), bound > 0.
    std::uint32_t Below(std::uint32_t bound) {
        std::uint64_t product = static_cast<std::uint64_t>(static_cast<std::uint32_t>(Next() >> 32)) * bound;
        auto low = static_cast<std::uint32_t>(product);
        if (low < bound) {
            const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
            while (low < threshold) {
                product = static_cast<std::uint64_t>(static_cast<std::uint32_t>(Next() >> 32)) * bound;
                low = static_cast<std::uint32_t>(product);
            }
        }
        return static_cast<std::uint32_t>(product >> 32);
    }

    static std::uint64_t SplitMix(std::uint64_t& x) {
        std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // The seed of shoe number `shoe` (1, 2, ...) of a run seeded with `runSeed`: every shoe of a run can be
    // shuffled on its own, by any thread, in any order.
    static std::uint64_t ShoeSeed(std::uint64_t runSeed, std::uint64_t shoe) {
        std::uint64_t mix = runSeed + 0x9E3779B97F4A7C15ULL * shoe;
        return SplitMix(mix);
    }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4];
};

} // namespace bacc
