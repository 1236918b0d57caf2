// Screen measures of the window layout: 1440 twips per inch, 15 twips per pixel on the
// 96-dpi screen. Layouts are written in twips and converted here.
#pragma once

#include <QRect>

namespace Twips {

constexpr int PerPixel = 15;

constexpr int ToPixels(int twips) {
    return (twips + PerPixel / 2) / PerPixel;
}

// A rectangle given in twips, in screen pixels.
constexpr QRect Rect(int left, int top, int width, int height) {
    return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}
constexpr QRect Rect(const QRect &twips) {
    return Rect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace Twips
