// Screen measures of the window layout: 1440 twips per inch, 15 twips per pixel.
#pragma once

namespace Twips {

constexpr int PerPixel = 15;

constexpr int ToPixels(int twips) {
    return (twips + PerPixel / 2) / PerPixel;
}

} // namespace Twips
