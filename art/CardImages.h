#pragma once

#include <QCursor>
#include <QPixmap>

// The card pictures of the table, drawn by our own painting code: 52 faces and a back, each 71 x 96
// logical pixels, rendered at the screen's pixel ratio so that they stay crisp on high-density screens.
namespace bacc {

inline constexpr int CardImageCount = 53;
inline constexpr int CardBackImage = 53; // images 1..52 are the faces, numbered by CardFace
inline constexpr int CardPixelWidth = 71;
inline constexpr int CardPixelHeight = 96;

// Image 1..53 at the pixel ratio of the screen; cached.
QPixmap CardImage(int index);
// Image 1..53 rendered afresh at the given pixel ratio.
QPixmap RenderCardImage(int index, qreal devicePixelRatio);

// The reveal pointers: 0 a hand pointing left (for the right-hand strips), 1 a hand pointing up (for
// the bottom strips).
enum class HandPointing { Left = 0, Up = 1 };
QPixmap RenderHandPointer(HandPointing direction, qreal devicePixelRatio);
QCursor HandCursor(HandPointing direction);
// The finger tip of each hand, in pixels of its 32 x 32 picture.
QPoint HandHotSpot(HandPointing direction);

} // namespace bacc
