// The table's rules without a window: bets and the funds check, settlement in cents, the records a hand
// changes, and the game from a shoe's start to its end.
#include "TableGame.h"

#include "Bankroll.h"
#include "Bets.h"
#include "ShoeTestSupport.h"

#include <gtest/gtest.h>
#include <map>

namespace bacc {
namespace {

// A table as the game sees it: bets, a $50 unit, money captions and a settings file kept in a map.
class Books : public TableBooks {
public:
    std::array<SeatBets, 2> Seat{};
    std::array<long long, 2> Money{1000, 1000};
    std::array<long long, 2> Shown{};
    std::map<std::string, std::string> File{{"ShoesHandsPlayed/Hands", " 7"}};
    std::vector<std::vector<StoredValue>> Writes;

    SeatBets Bets(int seat) const override { return Seat[static_cast<std::size_t>(seat)]; }
    StandingDollars Standing(int seat) const override {
        const SeatBets& b = Seat[static_cast<std::size_t>(seat)];
        return {50LL * b.Player, 50LL * b.Banker, 50LL * b.Tie};
    }
    long long UnitValue() const override { return 50; }
    long long CurrentMoney(int seat) const override { return Money[static_cast<std::size_t>(seat)]; }
    long long Winnings(int seat) const override { return Shown[static_cast<std::size_t>(seat)]; }
    void ShowWinnings(int seat, long long dollars) override {
        Shown[static_cast<std::size_t>(seat)] = dollars;
    }
    std::string Stored(std::string_view section, std::string_view key) const override {
        const auto found = File.find(std::string(section) + '/' + std::string(key));
        return found == File.end() ? "No" : found->second;
    }
    void Store(const std::vector<StoredValue>& values) override {
        Writes.push_back(values);
        for (const StoredValue& value : values) {
            File[value.Section + '/' + value.Key] = value.Value;
        }
    }
};

class Follower : public GameListener {
public:
    std::string Told;
    std::vector<HandRecord> Hands;
    void ShoeStarted() override { Told += 'S'; }
    void HandSettled(const HandRecord& record) override {
        Told += 'H';
        Hands.push_back(record);
    }
    void ShoeFinished() override { Told += 'F'; }
    void DealEnded() override { Told += 'E'; }
};

class Game : public ::testing::Test {
protected:
    Shoe shoe_;
    MarkingState marking_;
    GameListeners listeners_;
    TableGame game_{shoe_, marking_, listeners_};
    Books books_;
    Follower follower_;

    void SetUp() override {
        game_.SetBooks(&books_);
        listeners_.Add(&follower_);
    }
    // A one-deck shoe burnt by an ace; then these ranks in dealing order.
    void StartStacked(std::vector<int> ranks) {
        ranks.insert(ranks.begin(), {1, 13});
        shoe_.DeckCount = 1;
        shoe_.StackNextShoe(testshoe::OrderStartingWith(ranks));
        game_.StartShoe(true);
    }
};

// Seat 0 two units on Banker, seat 1 one on Player and one on Tie; Player 8 against Banker 9. The hand
// is settled once its cards are seen, and only once.
TEST_F(Game, AHandFromBetToRecord) {
    StartStacked({3, 4, 5, 5});
    books_.Seat = {SeatBets{0, 2, 0}, SeatBets{1, 0, 1}};
    books_.File["Player1Stats/Turnover"] = " 1000";
    const ValueCounts before = RemainingValues(shoe_);
    EXPECT_EQ(game_.Deal(1, {}), 1);
    EXPECT_TRUE(game_.Waiting());
    EXPECT_EQ(game_.SeenCardsLeft(), before); // the cards wait face down
    EXPECT_EQ(follower_.Told, "S");
    game_.SettleWaiting({});
    game_.SettleWaiting({});
    EXPECT_EQ(follower_.Told, "SHE");
    const HandRecord& hand = follower_.Hands.at(0);
    EXPECT_EQ(hand.HandNumber, 1);
    EXPECT_EQ(hand.Hand.HandResult, 'B');
    EXPECT_EQ(hand.LeftBefore, before);
    EXPECT_EQ(hand.Hands, 8);
    EXPECT_EQ(hand.Seats[0].Cents, 9500);
    EXPECT_EQ(hand.Seats[1].Cents, -10000);
    EXPECT_EQ(hand.Seats[1].Fates.Tie, BetFate::Loses);
    // Turnover adds every dollar in play, whatever the outcome.
    EXPECT_EQ(books_.Writes.size(), 1U);
    EXPECT_EQ(books_.File["Player1Stats/Win"], " 95");
    EXPECT_EQ(books_.File["Player1Stats/Turnover"], " 1100");
    EXPECT_EQ(books_.File["Player2Stats/Win"], "-100");
    EXPECT_EQ(books_.File["Player2Stats/Turnover"], " 100");
    EXPECT_EQ(books_.File["ShoesHandsPlayed/Hands"], " 8");
    EXPECT_EQ(books_.Shown, (std::array<long long, 2>{95, -100}));
    EXPECT_NE(game_.SeenCardsLeft(), before);
    EXPECT_EQ(game_.SeenResults(), "B");
}

TEST_F(Game, ADealIsRefusedWithoutAShoeOutOfRangeOrOnBothSides) {
    EXPECT_EQ(game_.CheckDeal(1).Refusal, DealRefusal::NoShoe);
    StartStacked({});
    EXPECT_EQ(game_.CheckDeal(0).Refusal, DealRefusal::HandsOutOfRange);
    EXPECT_EQ(game_.CheckDeal(91).Refusal, DealRefusal::HandsOutOfRange);
    books_.Seat[1] = {2, 3, 0};
    EXPECT_EQ(game_.CheckDeal(90).Seat, 1);
    EXPECT_EQ(game_.Deal(5, {}), 0);
    EXPECT_EQ(shoe_.NextCard, 2);
}

// Every hand of a many-hand deal is one write; the last hand of the shoe also counts the shoe, and the
// undealt rest is recorded.
TEST_F(Game, ManyHandsRunToTheEndOfTheShoe) {
    shoe_.DeckCount = 1;
    shoe_.SetSeed(18);
    game_.StartShoe(true);
    books_.Seat[0] = {0, 1, 1};
    const int dealt = game_.Deal(90, {});
    EXPECT_GT(dealt, 5);
    EXPECT_EQ(follower_.Told, "S" + std::string(static_cast<std::size_t>(dealt), 'H') + "FE");
    EXPECT_EQ(books_.Writes.size(), static_cast<std::size_t>(dealt));
    EXPECT_EQ(books_.Writes.back().back().Key, "Decks1");
    EXPECT_EQ(books_.File["ShoesHandsPlayed/Decks1"], " 1");
    EXPECT_EQ(books_.File["Player1Stats/Turnover"], " " + std::to_string(100 * dealt));
    EXPECT_EQ(shoe_.CardsOut, 52);
    EXPECT_FALSE(game_.ShoeRunning());
    EXPECT_EQ(game_.Deal(1, {}), 0);
    EXPECT_EQ(game_.SeenResults().size(), static_cast<std::size_t>(dealt));
}

// A placed bet: in range, covered by the seat's money with what already stands, the other side taken
// back.
TEST_F(Game, PlacingABet) {
    books_.Seat[0] = {4, 0, 0}; // $200 on Player
    books_.Money[0] = 500;
    const Placement banker = game_.Place(0, BetSpot::Banker, 10);
    EXPECT_TRUE(banker.InRange && banker.Covered && banker.ClearsOtherSide);
    EXPECT_EQ(banker.Extra, 300);
    EXPECT_FALSE(game_.Place(0, BetSpot::Banker, 11).Covered);
    EXPECT_FALSE(game_.Place(0, BetSpot::Tie, 21).InRange);
    const Placement added = game_.Add(0, BetSpot::Player, 2);
    EXPECT_EQ(added.Units, 6);
    EXPECT_EQ(added.Dollars, 300);
    EXPECT_FALSE(game_.Add(0, BetSpot::Player, 996).InRange);
}

TEST(Reveal, WhatAFaceDownHandWaitsFor) {
    HandState hand;
    EXPECT_FALSE(RevealOrderOf(hand).ResultWaitsForThirdCards);
    hand.PlayerDrew = true;
    hand.BankerTwoCardTotal = 3;
    EXPECT_TRUE(RevealOrderOf(hand).BankerThirdWaitsForPlayerThird);
    hand.BankerTwoCardTotal = 2; // the Banker draws whatever the Player's card is
    EXPECT_FALSE(RevealOrderOf(hand).BankerThirdWaitsForPlayerThird);
    EXPECT_TRUE(RevealOrderOf(hand).ResultWaitsForThirdCards);
}

// Banker wins at 95 cents on the dollar and the Tie bet loses; the Player bet loses to a Banker win and
// wins even money; a tie pays eight to one while Player and Banker stand. The fate of each bet, Player,
// Banker and Tie, is W (wins), L (loses), S (stands) or - (no bet).
TEST(Settle, FatesUnitsAndExactCentsOfEveryRow) {
    // clang-format off
    const struct {
        SeatBets bets;
        char result;
        long long unitValue;
        int units;
        long long cents;
        const char* fates;
    } cases[] = {
        {{0, 3, 0}, 'B', 10, 3, 2850, "-W-"},     {{0, 1, 0}, 'B', 1, 1, 95, "-W-"},
        {{0, 3, 1}, 'B', 25, 2, 7125 - 2500, "-WL"}, {{2, 0, 1}, 'B', 10, -3, -3000, "L-L"},
        {{4, 0, 0}, 'P', 5, 4, 2000, "W--"},      {{0, 5, 2}, 'P', 5, -7, -3500, "-LL"},
        {{3, 0, 2}, 'T', 5, 16, 8000, "S-W"},     {{0, 7, 0}, 'T', 5, 0, 0, "-S-"},
        {{0, 0, 0}, 'B', 50, 0, 0, "---"}};
    // clang-format on
    for (const auto& c : cases) {
        const SeatSettlement s = SettleSeat(c.bets, c.result, c.unitValue);
        EXPECT_EQ(s.Units, c.units) << c.result << c.cents;
        EXPECT_EQ(s.Cents, c.cents) << c.result << c.units;
        const SeatFates f = FatesOf(c.bets, c.result);
        std::string fates;
        for (const BetFate fate : {f.Player, f.Banker, f.Tie}) {
            fates += "-WLS"[static_cast<int>(fate)];
        }
        EXPECT_EQ(fates, c.fates) << c.result << c.cents;
    }
}

TEST(Winnings, HandMoneyInCentsRoundsHalvesAwayFromZeroWhenAdded) {
    // 3 units of $10 on a Banker win are $28.50 exactly: $29, not the $28 of a binary fraction.
    EXPECT_EQ(WinningsAfterHand(0, SettleSeat({0, 3, 0}, 'B', 10).Cents), 29);
    // $5 on Banker: each win pays $4.75, rounded at its own hand.
    long long winnings = 0;
    for (long long expected : {5, 10, 15}) {
        winnings = WinningsAfterHand(winnings, SettleSeat({0, 1, 0}, 'B', 5).Cents);
        EXPECT_EQ(winnings, expected);
    }
    EXPECT_EQ(WinningsAfterHand(0, -50), -1);
    EXPECT_EQ(WinningsAfterHand(-10, 50), -10); // -9.50 rounds away from zero
}

} // namespace
} // namespace bacc
