// Plays whole shoes exactly as the table does (NewShoe, then DealHand until the end of the shoe) with no
// window, and prints the outcome counts and the speed as one JSON object.
#include "Shoe.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace {

struct Arguments {
    int decks = 8;
    std::uint64_t shoes = 10000;
    std::optional<std::uint64_t> seed;
};

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "baccarat-sim: " << message << '\n';
    std::exit(2);
}

std::optional<std::uint64_t> ParseWhole(std::string_view text) {
    if (text.empty() || text.size() > 19) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

Arguments Parse(int argc, char* argv[]) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option != "--decks" && option != "--shoes" && option != "--seed") {
            Fail("unknown argument '" + std::string(option) + "'");
        }
        if (i + 1 >= argc) {
            Fail("missing value for " + std::string(option));
        }
        const std::string_view text = argv[++i];
        const std::optional<std::uint64_t> value = ParseWhole(text);
        if (option == "--decks") {
            if (!value || (*value != 1 && *value != 2 && *value != 4 && *value != 6 && *value != 8)) {
                Fail("bad value for --decks '" + std::string(text) + "' (1, 2, 4, 6 or 8)");
            }
            arguments.decks = static_cast<int>(*value);
        } else if (option == "--shoes") {
            if (!value || *value < 1) {
                Fail("bad value for --shoes '" + std::string(text) + "' (a whole number of at least 1)");
            }
            arguments.shoes = *value;
        } else {
            if (!value) {
                Fail("bad value for --seed '" + std::string(text) + "' (a whole number)");
            }
            arguments.seed = *value;
        }
    }
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    const Arguments arguments = Parse(argc, argv);

    bacc::Shoe shoe;
    shoe.DeckCount = arguments.decks;
    shoe.SetSeed(arguments.seed ? *arguments.seed : std::random_device{}());

    std::uint64_t hands = 0, banker = 0, player = 0, tie = 0, playerNaturals = 0, bankerNaturals = 0;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t s = 0; s < arguments.shoes; ++s) {
        shoe.StartShoe();
        while (!shoe.EndOfShoe) {
            shoe.DealHand();
            ++hands;
            const bacc::HandState& hand = shoe.Hand;
            banker += hand.HandResult == 'B';
            player += hand.HandResult == 'P';
            tie += hand.HandResult == 'T';
            playerNaturals += hand.PlayerNatural;
            bankerNaturals += hand.BankerNatural;
        }
        shoe.RecordUndealtRest();
        shoe.ShoeInPlay = false;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("{\"decks\": %d, \"shoes\": %llu, \"hands\": %llu, \"banker\": %llu, \"player\": %llu, "
                "\"tie\": %llu, \"player_naturals\": %llu, \"banker_naturals\": %llu, \"seconds\": %.6f, "
                "\"hands_per_second\": %.0f}\n",
                arguments.decks, static_cast<unsigned long long>(arguments.shoes),
                static_cast<unsigned long long>(hands), static_cast<unsigned long long>(banker),
                static_cast<unsigned long long>(player), static_cast<unsigned long long>(tie),
                static_cast<unsigned long long>(playerNaturals),
                static_cast<unsigned long long>(bankerNaturals), seconds,
                seconds > 0 ? static_cast<double>(hands) / seconds : 0.0);
    return 0;
}
