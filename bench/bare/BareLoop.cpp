// The yardstick of the simulator's speed: the least a program can do to play whole shoes and count
// their outcomes, written without the engine. Fisher-Yates over a byte array of card values with
// xoshiro256** (Lemire's bounded draws), the burn, the cut card, the drawing rules by table lookup and
// outcome counts. Usage: BareLoop SHOES [DECKS]; prints the hands counted, for scripts/bench.sh.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

struct Xoshiro {
    std::uint64_t s[4];
    explicit Xoshiro(std::uint64_t seed) {
        for (auto& word : s) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t Next() {
        const std::uint64_t result = Rotl(s[1] * 5, 7) * 9;
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = Rotl(s[3], 45);
        return result;
    }
    std::uint32_t Below(std::uint32_t bound) {
        std::uint64_t m = (Next() >> 32) * bound;
        if (static_cast<std::uint32_t>(m) < bound) {
            const std::uint32_t threshold = static_cast<std::uint32_t>(-bound) % bound;
            while (static_cast<std::uint32_t>(m) < threshold) {
                m = (Next() >> 32) * bound;
            }
        }
        return static_cast<std::uint32_t>(m >> 32);
    }
};

// The Banker draws: row its two-card total, column 0 when the Player stood, else 1 + the Player's third.
constexpr std::array<std::array<bool, 11>, 8> BankerDraws = [] {
    std::array<std::array<bool, 11>, 8> t{};
    for (int b = 0; b < 8; ++b) {
        t[b][0] = b <= 5;
        for (int v = 0; v < 10; ++v) {
            t[b][v + 1] = b <= 2 || (b == 3 && v != 8) || (b == 4 && v >= 2 && v <= 7) ||
                          (b == 5 && v >= 4 && v <= 7) || (b == 6 && (v == 6 || v == 7));
        }
    }
    return t;
}();

} // namespace

int main(int argc, char* argv[]) {
    const std::uint64_t shoes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
    const int decks = argc > 2 ? std::atoi(argv[2]) : 8;
    const int size = decks * 52;
    std::array<std::uint8_t, 8 * 52> fresh{}, v{};
    for (int i = 0; i < size; ++i) {
        fresh[i] = static_cast<std::uint8_t>(i % 13 + 1 <= 9 ? i % 13 + 1 : 0);
    }
    std::uint64_t hands = 0, banker = 0, player = 0, tie = 0;
    Xoshiro random(12345);
    for (std::uint64_t shoe = 0; shoe < shoes; ++shoe) {
        v = fresh;
        for (int i = 0; i + 1 < size; ++i) {
            const int j = i + static_cast<int>(random.Below(static_cast<std::uint32_t>(size - i)));
            const std::uint8_t card = v[i];
            v[i] = v[j];
            v[j] = card;
        }
        int next = (v[0] == 0 ? 10 : v[0]) + 1;
        for (bool last = false, end = false; !end;) {
            int p = (v[next] + v[next + 2]) % 10;
            const int b2 = (v[next + 1] + v[next + 3]) % 10;
            int b = b2;
            next += 4;
            if (p < 8 && b < 8) {
                int column = 0;
                if (p <= 5) {
                    const int third = v[next++];
                    p = (p + third) % 10;
                    column = third + 1;
                }
                if (BankerDraws[b2][column]) {
                    b = (b + v[next++]) % 10;
                }
            }
            ++hands;
            banker += b > p;
            player += p > b;
            tie += p == b;
            end = last;
            last = last || next > size - 14;
        }
    }
    std::printf("{\"shoes\": %llu, \"hands\": %llu, \"banker\": %llu, \"player\": %llu, \"tie\": %llu}\n",
                static_cast<unsigned long long>(shoes), static_cast<unsigned long long>(hands),
                static_cast<unsigned long long>(banker), static_cast<unsigned long long>(player),
                static_cast<unsigned long long>(tie));
    return 0;
}
