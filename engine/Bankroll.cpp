#include "Bankroll.h"

#include "NumberText.h"

#include <cstdint>
#include <limits>

namespace bacc {

long long CountPlusOne(std::string_view stored) {
    return RoundHalfAway(StrictNumber(stored).value_or(0.0) + 1.0);
}

long long WinningsAfterHand(double shownWinnings, double handMoney) {
    return RoundHalfAway(shownWinnings + handMoney);
}

long long TurnoverAfterHand(std::string_view stored, double dollarsInPlay) {
    const long long before = RoundHalfAway(LeadingNumber(stored));
    return RoundHalfAway(static_cast<double>(before) + dollarsInPlay);
}

double CurrentMoney(std::string_view storedSteak, double shownWinnings) {
    return LeadingNumber(storedSteak) + shownWinnings;
}

long long SteakFieldAmount(std::string_view storedSteak) {
    const long long whole = RoundHalfAway(LeadingNumber(storedSteak));
    return whole < 0 ? 0 : (whole > MaxSteakField ? MaxSteakField : whole);
}

double FundsLeft(double currentMoney, long extra, double dollarsInPlay) {
    return currentMoney - (static_cast<double>(extra) + dollarsInPlay);
}

long ToWholeDollars(double dollars) {
    const long long whole = RoundHalfAway(dollars);
    constexpr long long low = std::numeric_limits<std::int32_t>::min();
    constexpr long long high = std::numeric_limits<std::int32_t>::max();
    return static_cast<long>(whole < low ? low : (whole > high ? high : whole));
}

std::string DealButtonCaption(std::string_view baseCaption, long long hands) {
    std::string caption(baseCaption);
    if (hands != 1) {
        caption += ' ' + std::to_string(hands) + " hands";
    }
    return caption;
}

} // namespace bacc
