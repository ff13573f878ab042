#pragma once

#include "Bets.h"
#include "Marking.h"
#include "Shoe.h"
#include "ShoeOdds.h"

#include <algorithm>
#include <array>
#include <vector>

// How the table's game tells whoever follows it (the marking card, the statistics, the cards-dealt
// windows, the trainer windows) what happened, one settled hand at a time.
namespace bacc {

// One seat's part of a settled hand.
struct SeatHandRecord {
    SeatBets Bets;           // units on each spot as the hand was dealt
    long long UnitValue = 0; // dollars a unit
    long long Cents = 0;     // the hand's money for the seat, exact: a Banker win pays 95 cents a dollar
    SeatFates Fates;
    long long Winnings = 0; // whole-dollar winnings after the hand, as stored under "Win"
    long long Turnover = 0; // "Turnover" after the hand
};

// One hand from bet to record.
struct HandRecord {
    int HandNumber = 0; // of the shoe, 1 = the first
    HandState Hand;     // the cards and the result
    // The cards of each value (0 = tens and court cards) left in the shoe before this hand was dealt:
    // what a player who counted every card seen knew when the bets were placed.
    ValueCounts LeftBefore{};
    std::array<SeatHandRecord, 2> Seats{};
    long long Hands = 0; // the table's "Hands" after the hand
    Mark MarkOfHand;     // as the marking card of PLAYER 1 draws it
};

// A follower of the table's game. A hand reaches it once the player has seen it: a face-down hand only
// when its cards are revealed, each hand of a multi-hand deal as it is settled.
class GameListener {
public:
    virtual ~GameListener() = default;
    // A new shoe is built, burnt and in play.
    virtual void ShoeStarted() {}
    virtual void HandSettled(const HandRecord& /*record*/) {}
    // The shoe's last hand is settled, its undealt rest recorded and the shoe counted.
    virtual void ShoeFinished() {}
    // A deal of one or more hands is over, every hand of it settled and stored.
    virtual void DealEnded() {}
};

// The followers of one game, told in the order they subscribed. A follower may leave while it is told.
class GameListeners {
public:
    void Add(GameListener* listener) {
        if (listener && std::find(list_.begin(), list_.end(), listener) == list_.end()) {
            list_.push_back(listener);
        }
    }
    void Remove(GameListener* listener) { std::erase(list_, listener); }

    template <typename Call> void Tell(Call call) const {
        const std::vector<GameListener*> now = list_; // a copy: a listener may leave while told
        for (GameListener* listener : now) {
            if (std::find(list_.begin(), list_.end(), listener) != list_.end()) {
                call(*listener);
            }
        }
    }

private:
    std::vector<GameListener*> list_;
};

// The followers of the one table's game: a window subscribes when it opens and leaves when it closes.
GameListeners& TheGameListeners();

} // namespace bacc
