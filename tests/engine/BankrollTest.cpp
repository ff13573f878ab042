#include "Bankroll.h"

#include "NumberText.h"

#include <gtest/gtest.h>

namespace bacc {
namespace {

TEST(BankrollCounts, GrowByOneFromWhatIsStored) {
    EXPECT_EQ(CountPlusOne(" 12"), 13);
    EXPECT_EQ(CountPlusOne(" 0"), 1);
    EXPECT_EQ(NumberText(static_cast<double>(CountPlusOne(" 41"))), " 42");
}

TEST(BankrollCounts, TextThatIsNotANumberCountsAsZero) {
    EXPECT_EQ(CountPlusOne("No"), 1);
    EXPECT_EQ(CountPlusOne(""), 1);
    // A count is the whole text: a number followed by other text is not one.
    EXPECT_EQ(CountPlusOne(" 7 hands"), 1);
}

TEST(BankrollCounts, AFractionIsRoundedAwayFromZero) {
    EXPECT_EQ(CountPlusOne(" 2.5"), 4);
    EXPECT_EQ(CountPlusOne("-3"), -2);
}

TEST(BankrollWinnings, CommissionIsRoundedAtEveryHand) {
    // $5 on Banker: each win pays 4.75, shown as a whole dollar at once.
    long long winnings = 0;
    winnings = WinningsAfterHand(static_cast<double>(winnings), 4.75);
    EXPECT_EQ(winnings, 5);
    winnings = WinningsAfterHand(static_cast<double>(winnings), 4.75);
    EXPECT_EQ(winnings, 10);
    winnings = WinningsAfterHand(static_cast<double>(winnings), 4.75);
    EXPECT_EQ(winnings, 15);
}

TEST(BankrollWinnings, HalvesRoundAwayFromZeroBothWays) {
    EXPECT_EQ(WinningsAfterHand(0, 0.5), 1);
    EXPECT_EQ(WinningsAfterHand(0, -0.5), -1);
    EXPECT_EQ(WinningsAfterHand(-40, 0), -40);
    EXPECT_EQ(FormatMoney(static_cast<double>(WinningsAfterHand(-10, -30))), "-$40");
}

TEST(BankrollTurnover, AddsTheDollarsInPlayToTheStoredValue) {
    EXPECT_EQ(TurnoverAfterHand(" 150", 50), 200);
    EXPECT_EQ(TurnoverAfterHand(" 150", 0), 150);
    // Leading-number rule: a missing value and trailing text.
    EXPECT_EQ(TurnoverAfterHand("No", 30), 30);
    EXPECT_EQ(TurnoverAfterHand(" 99abc", 1), 100);
    EXPECT_EQ(TurnoverAfterHand(" 10.6", 0), 11);
}

TEST(BankrollMoney, CurrentMoneyIsStakePlusWinnings) {
    EXPECT_DOUBLE_EQ(CurrentMoney(" 1000", -40), 960);
    EXPECT_DOUBLE_EQ(CurrentMoney("No", 25), 25);
    EXPECT_DOUBLE_EQ(CurrentMoney("garbage", 0), 0);
}

TEST(BankrollMoney, TheStakeFieldShowsOnlyWhatItCanHold) {
    EXPECT_EQ(SteakFieldAmount(" 1000"), 1000);
    EXPECT_EQ(SteakFieldAmount(" 20000000"), 20000000);
    EXPECT_EQ(SteakFieldAmount(" 999.5"), 1000);
    EXPECT_EQ(SteakFieldAmount("No"), 0);
    // Hand-edited files: no sign flip, no digits cut off the front.
    EXPECT_EQ(SteakFieldAmount("-500"), 0);
    EXPECT_EQ(SteakFieldAmount(" 123456789"), MaxSteakField);
}

TEST(BankrollFunds, ExactlyNothingLeftIsEnough) {
    // $100 with $60 already bet.
    EXPECT_DOUBLE_EQ(FundsLeft(100, 40, 60), 0);
    EXPECT_LT(FundsLeft(100, 41, 60), 0);
    // Taking a bet back frees money.
    EXPECT_DOUBLE_EQ(FundsLeft(100, -10, 30), 80);
}

TEST(BankrollFunds, WholeDollarsStayWithinThirtyTwoBits) {
    EXPECT_EQ(ToWholeDollars(-10.0), -10);
    EXPECT_EQ(ToWholeDollars(2.5), 3);
    EXPECT_EQ(ToWholeDollars(-2.5), -3);
    EXPECT_EQ(ToWholeDollars(1e12), 2147483647L);
    EXPECT_EQ(ToWholeDollars(-1e12), -2147483648L);
}

TEST(BankrollDealCaption, OneHandKeepsTheBaseCaption) {
    EXPECT_EQ(DealButtonCaption("Deal", 1), "Deal");
    EXPECT_EQ(DealButtonCaption("Deal", 12), "Deal 12 hands");
    EXPECT_EQ(DealButtonCaption("Deal", 90), "Deal 90 hands");
}

} // namespace
} // namespace bacc
