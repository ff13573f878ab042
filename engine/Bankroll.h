#pragma once

#include "Bets.h"

#include <string>
#include <string_view>

// The seats' money and the table's counters: what the table and the statistics window write into their
// captions and the settings file. The money of a hand is exact, in cents; whole-dollar rounding happens
// only when a hand is added to the winnings.
namespace bacc {

// The stake field has eight digit positions.
inline constexpr long long MaxSteakField = 99'999'999;

// Defaults put into a box left empty.
inline constexpr const char* DefaultUnitValue = "50";
inline constexpr const char* DefaultHandsAtaTime = "1";
inline constexpr const char* DefaultBet = "0";

// One seat's result of a hand: units count a Banker win at full value; the money, in cents, takes the
// 5 % commission (95 cents on the dollar, exact because unit values are whole dollars).
struct SeatSettlement {
    int Units = 0;
    long long Cents = 0;
};
SeatSettlement SettleSeat(const SeatBets& bets, char result, long long unitValue);

// A stored count ("Hands", "Decks8") after one more: the whole text must be a number, anything else
// (the missing-value text "No" of statistics never reset) counts as 0.
long long CountPlusOne(std::string_view stored);

// The whole-dollar winnings after a hand: the shown amount plus the hand's money, rounded half away from
// zero at this hand.
long long WinningsAfterHand(long long shownWinnings, long long handCents);

// "Turnover" after a hand: the stored value (leading-number rule, rounded) plus the dollars in play.
long long TurnoverAfterHand(std::string_view stored, long long dollarsInPlay);

// What a seat's hand changes in its records: the winnings shown and the stored turnover.
struct SeatRecords {
    long long Winnings = 0;
    long long Turnover = 0;
};
SeatRecords RecordsAfterHand(long long shownWinnings, long long handCents, std::string_view storedTurnover,
                             long long dollarsInPlay);

// Current money: the stake (stored: leading-number rule) plus the shown winnings.
double CurrentMoney(std::string_view storedSteak, double shownWinnings);
double CurrentMoney(double steak, double shownWinnings);

// The dollars a bet of so many units puts on the table.
inline long long BetDollars(long long units, long long unitValue) {
    return units * unitValue;
}

// The seat's money captions when the table opens: the stored winnings, and the stake and those
// winnings each rounded to whole dollars before they are added.
struct OpeningMoney {
    double Winnings = 0;
    double Total = 0;
};
OpeningMoney MoneyAtOpening(std::string_view storedSteak, std::string_view storedWin);

// The amount the stake field shows for a stored stake (leading-number rule, whole dollars). The field
// holds only digits, so an amount it cannot show is brought within 0 .. MaxSteakField rather than have
// its sign or its leading digits dropped and the wrong stake stored back.
long long SteakFieldAmount(std::string_view storedSteak);

// The deal button's caption for the hands dealt by one click: the base caption alone for one hand,
// else the base caption, a blank, the count and " hands".
std::string DealButtonCaption(std::string_view baseCaption, long long hands);

} // namespace bacc
