#pragma once

#include "Bankroll.h"
#include "Shoe.h"

#include <optional>
#include <string>
#include <vector>

// The marking card's arithmetic: the money and units of a hand for one seat, and for PLAYER 1 the
// streak grid of the shoe with every mark it has drawn, so that a window can show or redraw the card.
namespace bacc {

// Colours of the marking card.
enum class MarkColour { WindowText, Red, Navy, Green };

// The facts of a decided hand that the marking card needs.
struct HandOutcome {
    char Result = 'T'; // 'P', 'B' or 'T'
    int PlayerTotal = 0;
    int BankerTotal = 0;
    bool PlayerNatural = false;
    bool BankerNatural = false;
};
HandOutcome OutcomeOf(const HandState& hand);

// The options read at each mark.
struct MarkOptions {
    bool ShowScore = false;
    bool ShowNaturals = false;
};

// One mark of the card, as drawn.
struct Mark {
    int Column = 0;
    int Row = 1; // 1 = top row; ties of the column already added
    char Result = 'T';
    std::string Text;
    bool TextColourSet = false; // a hand without any bet leaves the text colour alone
    bool TextRed = false;
    MarkColour Outline = MarkColour::Green;
    bool Oval = false;
};

// The per-shoe state of the marking card for PLAYER 1.
class MarkingState {
public:
    int HandNumber = 0; // hands of the shoe; the deal increments it before recording a hand
    int MarkColumn = 0;
    int MarkStreak = 0; // > 0 Banker streak of that length, < 0 Player streak
    int MarkTies = 0;
    std::optional<int> HandUnits; // no value when PLAYER 1 bet nothing
    int TotalUnits = 0;
    long long HandCents = 0; // money of the hand for the seat recorded last
    bool HeaderBuilt = false;
    int LastTotalColumn = 0;
    bool PlayerBlueForShoe = true;

    // The header letters are anchored at the column of the shoe's first Banker or Player mark.
    int HeaderAnchorColumn = 0;
    char HeaderAnchorResult = 'B';

    // Every mark of the shoe; index k is hand k + 1.
    std::vector<Mark> Marks;
    // The caption of each column's total, once the column has had a non-zero running total.
    std::vector<std::optional<int>> ColumnTotals;

    void ResetForNewShoe(bool playerBlue);

    // Settles one seat (1 or 2) and answers its money in cents, also kept in HandCents. For seat 1 it
    // also moves the streak grid and appends the hand's mark.
    long long RecordHandResult(const SeatBets& bets, long long unitValue, int seatNumber,
                               const HandOutcome& hand, const MarkOptions& options);

    // "B" or "P" over a column; nothing before the header is built.
    char HeaderLetter(int column) const;

private:
    void MoveStreak(char result);
    void AppendMark(char result, const HandOutcome& hand, const MarkOptions& options);
};

// The marking state of the one table.
MarkingState& TheMarking();

} // namespace bacc
