#pragma once

#include <string>
#include <string_view>

#include "chartservice/QrSymbol.h"
#include "chartservice/TextEncoding.h"

namespace chartservice {

// The sizes a chart may ask for, in pixels each way.
inline constexpr int kMinChartSide = 1;
inline constexpr int kMaxChartSide = 1000;

// A validated request for a QR chart.
struct ChartRequest {
    int width = 0;   // pixels
    int height = 0;  // pixels
    TextEncoding encoding = TextEncoding::Utf8;
    std::string text;  // UTF-8, as the query gave it
    ErrorCorrection level = ErrorCorrection::L;
    int margin = 4;  // modules of white around the code

    bool operator==(const ChartRequest&) const = default;
};

// The request, or the one-line reason it was refused.
struct ChartRequestParse {
    ChartRequest request;
    std::string error;  // empty when the query asks for a chart that can be drawn

    explicit operator bool() const { return error.empty(); }
};

// Reads a chart query (the raw part after "?", see ParseQueryString):
// - cht: required, "qr";
// - chs: required, WIDTHxHEIGHT, decimal digits, both 1 to 1000;
// - choe: "UTF-8" (also when empty or absent), "Shift_JIS" or "ISO-8859-1";
// - chl: required, not empty, well-formed UTF-8 once percent-decoded;
// - chld: "L" (also when empty or absent), "M", "Q" or "H", optionally followed by "|" and the
//   margin in modules, decimal digits, 0 to 1000 (default 4).
// Other keys are ignored. Refused, with a reason that names the key: a malformed query, a key
// given twice, a required value missing, a value out of its set or range. Whether the text
// can be encoded and fits the size is not checked here (see RenderChart).
ChartRequestParse ParseChartRequest(std::string_view query);

}  // namespace chartservice
