#pragma once

#include <string>
#include <string_view>

// The seats' money and the table's counters, as plain arithmetic: what the table and the statistics
// window write into their captions and the settings file. The payout of a hand is the marking card's.
namespace bacc {

// The three places a seat can bet on. A seat bets on Player or on Banker, never both; Tie is independent.
enum class BetSpot { Player, Banker, Tie };

// Limits of the bet entry and of the statistics window.
inline constexpr int MaxPlayerBankerUnits = 100;
inline constexpr int MaxTieUnits = 20;
inline constexpr int MinHandsAtaTime = 1;
inline constexpr int MaxHandsAtaTime = 90;
inline constexpr long long MaxSteak = 10'000'000;
// The stake field has eight digit positions.
inline constexpr long long MaxSteakField = 99'999'999;

// Defaults put into a box left empty.
inline constexpr const char* DefaultUnitValue = "50";
inline constexpr const char* DefaultHandsAtaTime = "1";
inline constexpr const char* DefaultBet = "0";

// A stored count ("Hands", "Decks8") after one more: the whole text must be a number, anything else
// (the missing-value text "No" of statistics never reset) counts as 0.
long long CountPlusOne(std::string_view stored);

// The whole-dollar winnings after a hand: the shown amount plus the hand's money, rounded at this hand.
long long WinningsAfterHand(double shownWinnings, double handMoney);

// "Turnover" after a hand: the stored value (leading-number rule, rounded) plus the dollars in play.
long long TurnoverAfterHand(std::string_view stored, double dollarsInPlay);

// Current money: the stored stake (leading-number rule) plus the shown winnings.
double CurrentMoney(std::string_view storedSteak, double shownWinnings);

// The amount the stake field shows for a stored stake (leading-number rule, whole dollars). The field
// holds only digits, so an amount it cannot show is brought within 0 .. MaxSteakField rather than have
// its sign or its leading digits dropped and the wrong stake stored back.
long long SteakFieldAmount(std::string_view storedSteak);

// Dollars a seat keeps free once extra is added to the bets it has in play; below 0 the bet is refused.
double FundsLeft(double currentMoney, long extra, double dollarsInPlay);

// A dollar amount as the 32-bit whole number the bet entry passes to the funds check: rounded half away
// from zero and held within the 32-bit range.
long ToWholeDollars(double dollars);

// The deal button's caption for the hands dealt by one click: the base caption alone for one hand,
// else the base caption, a blank, the count and " hands".
std::string DealButtonCaption(std::string_view baseCaption, long long hands);

} // namespace bacc
