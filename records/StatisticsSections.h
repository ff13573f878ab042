#pragma once

#include <QString>

// The settings-file sections that hold the statistics, shared by the table that adds to them and the
// statistics window that shows and resets them.
namespace bacc {

// Hands dealt ("Hands") and shoes played per shoe size ("Decks1" ... "Decks8").
inline QString HandsPlayedSection() {
    return QStringLiteral("ShoesHandsPlayed");
}

// A seat's stake, winnings and turnover: "Player1Stats" for seat 0, "Player2Stats" for seat 1.
inline QString SeatStatsSection(int seat) {
    return QStringLiteral("Player%1Stats").arg(seat + 1);
}

} // namespace bacc
