#pragma once

#include <string>

#include "chartservice/Bitmap.h"
#include "chartservice/ChartLayout.h"
#include "chartservice/ChartRequest.h"
#include "chartservice/QrSymbol.h"

namespace chartservice {

// A width by height white image with the symbol's dark modules painted black, each as a
// `layout.scale` pixel square, the symbol's top-left module at (layout.left, layout.top).
Bitmap DrawSymbol(const QrSymbol& symbol, const ChartLayout& layout, int width, int height);

// A chart's image, or the one-line reason there is none.
struct ChartBitmap {
    Bitmap bitmap{0, 0};
    std::string error;  // empty on success

    explicit operator bool() const { return error.empty(); }
};

// The chart's image, exactly request.width by request.height: the text re-encoded to the
// request's encoding (EncodeText), its QR code (EncodeQrSymbol) placed by PlaceSymbol.
// Refused with the reason of the first step that refuses: a character the encoding cannot
// represent, a text too long for a code at the level, a code that does not fit the size.
// Throws what those steps throw.
ChartBitmap RenderChartBitmap(const ChartRequest& request);

// A chart as PNG bytes, or the one-line reason there is none.
struct ChartImage {
    std::string png;
    std::string error;  // empty on success

    explicit operator bool() const { return error.empty(); }
};

// The chart of RenderChartBitmap as a PNG (EncodePng), or its reason; throws what
// RenderChartBitmap and EncodePng throw.
ChartImage RenderChart(const ChartRequest& request);

}  // namespace chartservice
