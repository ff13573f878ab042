#pragma once

#include "TableGame.h"

#include <QString>

// The settings-file sections that hold the statistics, as the statistics window reads and resets them;
// the table's game adds to them.
namespace bacc {

// Hands dealt ("Hands") and shoes played per shoe size ("Decks1" ... "Decks8").
inline QString HandsSection() {
    return QString::fromLatin1(HandsPlayedSection.data(), static_cast<qsizetype>(HandsPlayedSection.size()));
}

// A seat's stake, winnings and turnover: "Player1Stats" for seat 0, "Player2Stats" for seat 1.
inline QString SeatSection(int seat) {
    return QString::fromStdString(SeatStatsSection(seat));
}

} // namespace bacc
