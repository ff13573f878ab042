#pragma once

#include "Bankroll.h"
#include "Bets.h"
#include "GameListener.h"
#include "Marking.h"
#include "Shoe.h"
#include "ShoeOdds.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The table's game: one object owns a hand from the bets to its record. It places bets, deals, settles
// both seats, counts the hand and the shoe, finishes or abandons a shoe, and tells whoever follows the
// game. The table window reads its widgets, asks the game and shows what it answers.
namespace bacc {

inline constexpr int TableSeats = 2;

// The settings-file sections of the statistics: "Player1Stats" for seat 0, "Player2Stats" for seat 1,
// and the table's "ShoesHandsPlayed" ("Hands", "Decks1" ... "Decks8").
std::string SeatStatsSection(int seat);
inline constexpr std::string_view HandsPlayedSection = "ShoesHandsPlayed";
// The key counting the shoes of a size: "Decks8".
std::string ShoesPlayedKey(int decks);

// A key of the settings file and the text to store under it.
struct StoredValue {
    std::string Section;
    std::string Key;
    std::string Value;
};

// Where the table's money lives: the table's boxes and captions, and the settings file. The game reads it
// afresh for every question and keeps none of it between hands. The defaults are a table with no bets
// and a settings file that holds nothing.
class TableBooks {
public:
    virtual ~TableBooks() = default;
    // The units in a seat's bet boxes.
    virtual SeatBets Bets(int /*seat*/) const { return {}; }
    // The dollars each bet of the seat has in play (its value label while its box holds units).
    virtual StandingDollars Standing(int /*seat*/) const { return {}; }
    virtual long long UnitValue() const { return 0; }
    // The seat's money and its winnings as the table shows them, whole dollars.
    virtual long long CurrentMoney(int /*seat*/) const { return 0; }
    virtual long long Winnings(int /*seat*/) const { return 0; }
    virtual void ShowWinnings(int /*seat*/, long long /*dollars*/) {}
    // The text stored under a key, "No" when there is none.
    virtual std::string Stored(std::string_view /*section*/, std::string_view /*key*/) const { return "No"; }
    // Replaces these keys in one atomic write of the settings file.
    virtual void Store(const std::vector<StoredValue>& /*values*/) {}
};

// The answer to a bet: whether the units lie in the field's range and the seat's money covers them,
// the dollars the change commits beyond what already stands, and the bet's value.
struct Placement {
    bool InRange = true;
    bool Covered = true;
    std::int32_t Extra = 0;
    long long Units = 0;
    long long Dollars = 0;
    // A Player or Banker bet takes the other side's bet back: one seat never bets on both.
    bool ClearsOtherSide = false;
};

enum class DealRefusal { None, NoShoe, HandsOutOfRange, BothSides };
struct DealCheck {
    DealRefusal Refusal = DealRefusal::None;
    int Seat = -1; // the first seat that bets on both sides
};

// What the presentation of one face-down hand waits for: the first four cards are always revealed before
// a third card is laid; the Banker's third card waits for the Player's to be revealed unless the Banker
// draws whatever it is (a two-card total of 0 to 2); the result waits for every third card.
struct RevealOrder {
    bool BankerThirdWaitsForPlayerThird = false;
    bool ResultWaitsForThirdCards = false;
};
RevealOrder RevealOrderOf(const HandState& hand);

class TableGame {
public:
    TableGame(Shoe& shoe, MarkingState& marking, GameListeners& listeners);

    // The table whose money the game settles; nullptr leaves a table without bets and a file that keeps
    // nothing.
    void SetBooks(TableBooks* books);

    const Shoe& TheShoeInPlay() const { return shoe_; }
    const MarkingState& Marking() const { return marking_; }
    GameListeners& Listeners() { return listeners_; }

    // --- Shoes ---
    // A new shoe of the shoe's DeckCount, shuffled and burnt, marked in the Player colour chosen now. A
    // shoe still running is abandoned: it is neither finished nor counted.
    void StartShoe(bool playerBlue);
    void AbandonShoe();
    // A shoe is in play and its last hand has not been dealt.
    bool ShoeRunning() const;
    // The table has opened: it continues a running shoe, or stands at the end of one, so that the first
    // shuffle needs no confirmation. Answers whether a shoe continues.
    bool TableOpened();

    // --- Bets ---
    // units on spot for the seat, replacing what stands there.
    Placement Place(int seat, BetSpot spot, long long units) const;
    // units added by a bet label to what the spot holds.
    Placement Add(int seat, BetSpot spot, long long units) const;
    // Whether the seat's money covers its bets in play plus extra dollars.
    bool Covers(int seat, std::int32_t extra) const;

    // --- Deals ---
    DealCheck CheckDeal(long long hands) const;
    // Deals up to hands hands, stopping at the end of the shoe, and answers how many were dealt (0 when
    // the deal is refused). More than one hand is dealt and settled hand by hand. A single hand waits
    // to be presented: SettleWaiting settles it once the player has seen it.
    int Deal(long long hands, const MarkOptions& marks);
    bool Waiting() const { return waiting_; }
    const HandState& Hand() const { return shoe_.Hand; }
    void SettleWaiting(const MarkOptions& marks);

    // --- What the player has seen ---
    // The cards left as the player knows them: a hand that waits to be presented is not counted yet.
    ValueCounts SeenCardsLeft() const;
    // The results of the settled hands of the shoe, 'B', 'P' or 'T' each.
    std::string SeenResults() const;

private:
    HandRecord Settle(const MarkOptions& marks);
    void FinishShoe();
    void EndDeal();

    Shoe& shoe_;
    MarkingState& marking_;
    GameListeners& listeners_;
    TableBooks none_;
    TableBooks* books_ = &none_;
    bool waiting_ = false;
    ValueCounts leftBefore_{}; // of the hand being dealt
};

// The game of the one table: TheShoe(), TheMarking() and TheGameListeners().
TableGame& TheTableGame();

} // namespace bacc
