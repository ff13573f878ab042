#include "Cards.h"

namespace bacc {

std::string_view RankName(int rank) {
    static constexpr std::array<std::string_view, 14> names{"",  "1", "2", "3",  "4",    "5",     "6",
                                                            "7", "8", "9", "10", "Jack", "Queen", "King"};
    return rank >= 1 && rank <= 13 ? names[rank] : std::string_view{};
}

std::string_view SuitNameOfIndex(int suitIndex) {
    static constexpr std::array<std::string_view, 4> names{"Spade", "Club", "Diamond", "Heart"};
    return suitIndex >= 0 && suitIndex < 4 ? names[suitIndex] : std::string_view{};
}

} // namespace bacc
