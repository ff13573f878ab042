#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;
class QRectF;

// The pictures of the main window, the start screen and the about box, drawn as vectors so that they
// stay crisp at every size and screen scale.
namespace bacc {

// The picture of a toolbar button, by its key ("CardFaceUp", "Decks6", ...). Unknown keys give a
// plain card so that no button is ever blank.
QIcon ToolbarIcon(const QString& key);
// Paints the same picture into a square.
void PaintToolbarPicture(QPainter& painter, const QRectF& square, const QString& key);

// A small tile of casino carpet; the main window's client area is papered with it.
QPixmap BackgroundTile(qreal devicePixelRatio = 1.0);

// The program's picture: a green baize square with two cards and a chip.
QIcon ProgramIcon();
QPixmap ProgramPicture(int side, qreal devicePixelRatio = 1.0);

// Start screen decorations.
QPixmap FannedCardsPicture(const QSize& size, qreal devicePixelRatio = 1.0); // a natural nine
QPixmap ChipStackPicture(const QSize& size, qreal devicePixelRatio = 1.0);
QPixmap TableBannerPicture(const QSize& size, qreal devicePixelRatio = 1.0); // baize with the title
QPixmap StartChipPicture(int side, qreal devicePixelRatio = 1.0);            // a chip reading START

} // namespace bacc
