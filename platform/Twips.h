#pragma once

#include <cmath>

#include <QPoint>
#include <QRect>
#include <QSize>

// The layout is designed in twips; 15 twips make one pixel at the standard resolution. Qt scales the
// pixels for high-DPI screens.
namespace bacc {

inline constexpr int TwipsPerPixel = 15;

constexpr int Px(int twips) {
    // Round to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}
constexpr int Twips(int pixels) {
    return pixels * TwipsPerPixel;
}
inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
inline QPoint TwipsPoint(int left, int top) {
    return QPoint(Px(left), Px(top));
}
inline QSize TwipsSize(int width, int height) {
    return QSize(Px(width), Px(height));
}

} // namespace bacc
