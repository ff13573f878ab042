#include "Bankroll.h"

#include "NumberText.h"
#include "Payouts.h"

namespace bacc {

SeatSettlement SettleSeat(const SeatBets& bets, char result, long long unitValue) {
    SeatSettlement s;
    const long long dollar = 100 * unitValue; // cents of one unit
    // The rows apply in this order; on a tie the Player and Banker bets stand.
    if (result == 'B') {
        if (bets.Player == 0) {
            s.Units += bets.Banker;
            s.Cents += BankerPaysCents * bets.Banker * unitValue;
        } else {
            s.Units -= bets.Player;
            s.Cents -= bets.Player * dollar;
        }
    } else if (result == 'P') {
        if (bets.Banker == 0) {
            s.Units += bets.Player;
            s.Cents += PlayerPaysCents * bets.Player * unitValue;
        } else {
            s.Units -= bets.Banker;
            s.Cents -= bets.Banker * dollar;
        }
    }
    if (result == 'B' || result == 'P') {
        s.Units -= bets.Tie;
        s.Cents -= bets.Tie * dollar;
    } else if (result == 'T') {
        s.Units += TiePaysCents / 100 * bets.Tie;
        s.Cents += TiePaysCents * bets.Tie * unitValue;
    }
    return s;
}

long long CountPlusOne(std::string_view stored) {
    return RoundHalfAway(StrictNumber(stored).value_or(0.0) + 1.0);
}

long long WinningsAfterHand(long long shownWinnings, long long handCents) {
    const long long cents = 100 * shownWinnings + handCents;
    const long long whole = cents / 100;
    const long long rest = cents % 100; // same sign as cents
    return rest >= 50 ? whole + 1 : (rest <= -50 ? whole - 1 : whole);
}

long long TurnoverAfterHand(std::string_view stored, long long dollarsInPlay) {
    return RoundHalfAway(LeadingNumber(stored)) + dollarsInPlay;
}

SeatRecords RecordsAfterHand(long long shownWinnings, long long handCents, std::string_view storedTurnover,
                             long long dollarsInPlay) {
    return {WinningsAfterHand(shownWinnings, handCents), TurnoverAfterHand(storedTurnover, dollarsInPlay)};
}

double CurrentMoney(std::string_view storedSteak, double shownWinnings) {
    return CurrentMoney(LeadingNumber(storedSteak), shownWinnings);
}

double CurrentMoney(double steak, double shownWinnings) {
    return steak + shownWinnings;
}

OpeningMoney MoneyAtOpening(std::string_view storedSteak, std::string_view storedWin) {
    const double winnings = LeadingNumber(storedWin);
    return {winnings,
            static_cast<double>(RoundHalfAway(winnings) + RoundHalfAway(LeadingNumber(storedSteak)))};
}

long long SteakFieldAmount(std::string_view storedSteak) {
    const long long whole = RoundHalfAway(LeadingNumber(storedSteak));
    return whole < 0 ? 0 : (whole > MaxSteakField ? MaxSteakField : whole);
}

std::string DealButtonCaption(std::string_view baseCaption, long long hands) {
    std::string caption(baseCaption);
    if (hands != 1) {
        caption += ' ' + std::to_string(hands) + " hands";
    }
    return caption;
}

} // namespace bacc
