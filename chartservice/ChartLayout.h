#pragma once

#include <string>

namespace chartservice {

// Where a QR code goes in a chart image: `scale` pixels per module, its top-left module at
// pixel (left, top).
struct ChartLayout {
    int scale = 0;
    int left = 0;
    int top = 0;

    bool operator==(const ChartLayout&) const = default;
};

// The layout, or the reason there is none.
struct ChartLayoutPlacement {
    ChartLayout layout;
    std::string error;  // empty when the code fits

    explicit operator bool() const { return error.empty(); }
};

// Places a code of `symbolWidth` modules with `margin` modules of white on each side into a
// `width` by `height` pixel image: the largest whole number of pixels per module at which the
// code and its margin fit both ways, the code centred (any odd pixel goes to the right and
// bottom). Refused when they do not fit even at one pixel per module.
ChartLayoutPlacement PlaceSymbol(int symbolWidth, int margin, int width, int height);

}  // namespace chartservice
