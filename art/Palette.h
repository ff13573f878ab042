#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// The colours and suit shapes of everything the program draws: card faces, toolbar pictures and the
// start screen share them, so a heart or a card red looks the same wherever it appears.
namespace bacc::palette {

inline const QColor CardWhite(0xfd, 0xfd, 0xf8); // the face of a small drawn card
inline const QColor CardRed(196, 18, 36);        // hearts and diamonds; the Banker
inline const QColor CardBlack(22, 22, 26);       // spades and clubs; every outline
inline const QColor CardEdge(120, 120, 120);     // the thin border of a card face
inline const QColor CourtPaper(255, 251, 236);   // the frame behind a court figure
inline const QColor Gold(232, 184, 46);
inline const QColor GoldDark(150, 108, 10);
inline const QColor Skin(250, 222, 186);
inline const QColor RobeRed(198, 36, 40);
inline const QColor RobeBlue(36, 70, 168);
inline const QColor Steel(222, 226, 234); // the king's sword, the jack's halberd
inline const QColor BackRed(128, 16, 30); // the table's card back
inline const QColor BackRedLight(196, 52, 62);
inline const QColor BackCream(250, 235, 200);
inline const QColor IconBackBlue(0x2a, 0x4d, 0x9b); // face-down cards on the toolbar, apart from the reds
inline const QColor PlayerBlue(0x1f, 0x5f, 0xd0);
inline const QColor BankerRed = CardRed;
inline const QColor NaturalGreen(0x13, 0x8a, 0x3f);
inline const QColor Felt(0x0f, 0x6b, 0x3a); // baize
inline const QColor FeltDark(0x08, 0x45, 0x25);
inline const QColor Carpet(0x0c, 0x4a, 0x2c); // the main window's background
inline const QColor CarpetLine(0x0a, 0x42, 0x27);
inline const QColor CarpetDiamond(0x0d, 0x4f, 0x2f);
inline const QColor StartScreenGreen(0x0c, 0x3b, 0x24);
inline const QColor StartScreenText(0xf2, 0xea, 0xd0);

// The colours the table and the marking card are designed in.
inline const QColor DesignRed(192, 0, 0);
inline const QColor DesignNavy(0, 0, 128);
inline const QColor DesignMaroon(128, 0, 0);
inline const QColor DesignDarkYellow(192, 192, 0);
inline const QColor DesignCyan(0, 255, 255);
inline const QColor DesignLightYellow(255, 255, 128);
inline const QColor DesignBrightGreen(0, 255, 0);
inline const QColor DesignFelt(0, 128, 0);
inline const QColor MarkGreen(0, 192, 0); // the outline of a tie on the marking card

} // namespace bacc::palette

namespace bacc {

enum class Suit { Spade, Club, Diamond, Heart };

inline bool IsRed(Suit suit) {
    return suit == Suit::Diamond || suit == Suit::Heart;
}

// A suit symbol in a unit box centred on the origin (-0.5 .. 0.5 both ways), pointing up.
QPainterPath SuitPath(Suit suit);

// Fills the symbol, size units high, centred on centre, in the suit's card colour unless one is named.
void DrawSuit(QPainter& painter, Suit suit, QPointF centre, qreal size, bool upsideDown = false,
              QColor colour = QColor());

} // namespace bacc
