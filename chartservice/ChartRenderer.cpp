#include "chartservice/ChartRenderer.h"

#include "chartservice/PngWriter.h"
#include "chartservice/TextEncoding.h"

namespace chartservice {

Bitmap DrawSymbol(const QrSymbol& symbol, const ChartLayout& layout, int width, int height) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < symbol.Width(); ++y) {
        for (int x = 0; x < symbol.Width(); ++x) {
            if (!symbol.IsDark(x, y)) continue;
            bitmap.FillBlack(layout.left + x * layout.scale, layout.top + y * layout.scale,
                             layout.scale, layout.scale);
        }
    }
    return bitmap;
}

ChartBitmap RenderChartBitmap(const ChartRequest& request) {
    ChartBitmap result;
    EncodedText data = EncodeText(request.text, request.encoding);
    if (!data) {
        result.error = data.error;
        return result;
    }
    QrSymbolEncoding code = EncodeQrSymbol(data.bytes, request.encoding, request.level);
    if (!code) {
        result.error = code.error;
        return result;
    }
    ChartLayoutPlacement placement =
        PlaceSymbol(code.symbol.Width(), request.margin, request.width, request.height);
    if (!placement) {
        result.error = placement.error;
        return result;
    }
    result.bitmap = DrawSymbol(code.symbol, placement.layout, request.width, request.height);
    return result;
}

ChartImage RenderChart(const ChartRequest& request) {
    ChartBitmap chart = RenderChartBitmap(request);
    if (!chart) return ChartImage{{}, chart.error};
    return ChartImage{EncodePng(chart.bitmap), {}};
}

}  // namespace chartservice
