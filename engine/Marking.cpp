#include "Marking.h"

#include <algorithm>
#include <cstdlib>

namespace bacc {

HandOutcome OutcomeOf(const HandState& hand) {
    return HandOutcome{hand.HandResult, hand.PlayerTotal, hand.BankerTotal, hand.PlayerNatural,
                       hand.BankerNatural};
}

void MarkingState::ResetForNewShoe(bool playerBlue) {
    HandNumber = 0;
    TotalUnits = 0;
    MarkStreak = 0;
    MarkColumn = 0;
    MarkTies = 0;
    HandCents = 0;
    PlayerBlueForShoe = playerBlue;
    HeaderBuilt = false;
    HeaderAnchorColumn = 0;
    HeaderAnchorResult = 'B';
    Marks.clear();
    ColumnTotals.clear();
}

long long MarkingState::RecordHandResult(const SeatBets& bets, long long unitValue, int seatNumber,
                                         const HandOutcome& hand, const MarkOptions& options) {
    const SeatSettlement settled = SettleSeat(bets, hand.Result, unitValue);
    HandCents = settled.Cents;
    if (seatNumber != 1) {
        return HandCents;
    }
    TotalUnits += settled.Units;
    HandUnits = settled.Units;
    MoveStreak(hand.Result);
    // A hand without any bet shows no units; the total above is unchanged by it.
    if (!bets.Any()) {
        HandUnits.reset();
    }
    AppendMark(hand.Result, hand, options);
    return HandCents;
}

void MarkingState::MoveStreak(char result) {
    if (HandNumber <= 1) {
        // A shoe that opens with a tie opens a Player-side column; that tie is not counted in MarkTies.
        MarkStreak = result == 'B' ? 1 : -1;
        return;
    }
    if (result == 'B' && MarkStreak > 0) {
        ++MarkStreak;
    } else if (result == 'P' && MarkStreak > 0) {
        ++MarkColumn;
        MarkStreak = -1;
        MarkTies = 0;
    } else if (result == 'P' && MarkStreak < 0) {
        --MarkStreak;
    } else if (result == 'B' && MarkStreak < 0) {
        ++MarkColumn;
        MarkStreak = 1;
        MarkTies = 0;
    }
    if (result == 'T') {
        ++MarkTies;
    }
}

void MarkingState::AppendMark(char result, const HandOutcome& hand, const MarkOptions& options) {
    const int column = MarkColumn;
    if (column == 0) {
        LastTotalColumn = 0;
    }
    if ((result == 'B' || result == 'P') && !HeaderBuilt) {
        HeaderBuilt = true;
        HeaderAnchorColumn = column;
        HeaderAnchorResult = result;
    }
    // A running total of exactly 0 leaves the column's total as it was.
    if (TotalUnits != 0) {
        if (column != LastTotalColumn) {
            LastTotalColumn = column;
        }
        if (ColumnTotals.size() <= static_cast<std::size_t>(column)) {
            ColumnTotals.resize(static_cast<std::size_t>(column) + 1);
        }
        ColumnTotals[static_cast<std::size_t>(column)] = TotalUnits;
    }

    Mark mark;
    mark.Column = column;
    mark.Row = std::abs(MarkStreak) + MarkTies; // each tie of the column takes a row of its own
    mark.Result = result;
    if (result == 'B') {
        mark.Outline = PlayerBlueForShoe ? MarkColour::Red : MarkColour::Navy;
    } else if (result == 'P') {
        mark.Outline = PlayerBlueForShoe ? MarkColour::Navy : MarkColour::Red;
    } else {
        mark.Outline = MarkColour::Green;
    }
    if (HandUnits) {
        mark.TextColourSet = true;
        mark.TextRed = *HandUnits < 0;
    }
    if (options.ShowScore) {
        if (result == 'B') {
            mark.Text = std::to_string(hand.BankerTotal) + std::to_string(hand.PlayerTotal);
        } else if (result == 'P') {
            mark.Text = std::to_string(hand.PlayerTotal) + std::to_string(hand.BankerTotal);
        } else {
            mark.Text = std::to_string(hand.PlayerTotal);
        }
    } else if (HandUnits) {
        mark.Text = std::to_string(std::abs(*HandUnits));
    }
    mark.Oval = options.ShowNaturals && (hand.PlayerNatural || hand.BankerNatural);

    const auto index = static_cast<std::size_t>(std::max(HandNumber - 1, 0));
    if (Marks.size() <= index) {
        Marks.resize(index + 1);
    }
    Marks[index] = mark;
}

char MarkingState::HeaderLetter(int column) const {
    if (!HeaderBuilt) {
        return 0;
    }
    const char other = HeaderAnchorResult == 'B' ? 'P' : 'B';
    return (column - HeaderAnchorColumn) % 2 == 0 ? HeaderAnchorResult : other;
}

MarkingState& TheMarking() {
    static MarkingState state;
    return state;
}

} // namespace bacc
