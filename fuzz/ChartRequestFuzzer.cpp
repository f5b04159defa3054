// The chart query parser and the chart render on any bytes: an accepted request is in range,
// and its chart, when it has one, is exactly the asked size.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "chartservice/ChartRenderer.h"
#include "chartservice/ChartRequest.h"
#include "chartservice/PngSize.h"
#include "chartservice/TextEncoding.h"
#include "fuzz/Require.h"

namespace {

using vemo_fuzz::Require;

bool InChartRange(int side) {
    return side >= chartservice::kMinChartSide && side <= chartservice::kMaxChartSide;
}

void CheckRequest(const chartservice::ChartRequest& request) {
    Require(InChartRange(request.width) && InChartRange(request.height),
            "an accepted chart is 1 to 1000 pixels each way");
    Require(request.margin >= 0 && request.margin <= 1000, "the margin is 0 to 1000 modules");
    Require(!request.text.empty() && chartservice::IsValidUtf8(request.text),
            "the text is well-formed UTF-8, not empty");
}

void CheckChart(const chartservice::ChartRequest& request) {
    chartservice::ChartImage chart = chartservice::RenderChart(request);
    if (!chart) {
        Require(chart.png.empty(), "a refused chart has no image");
        return;
    }
    std::optional<chartservice_test::ImageSize> size = chartservice_test::PngSize(chart.png);
    Require(size.has_value(), "the chart is a PNG");
    Require(size->width == request.width && size->height == request.height,
            "the chart is exactly the asked size");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view query(reinterpret_cast<const char*>(data), size);
    chartservice::ChartRequestParse parse = chartservice::ParseChartRequest(query);
    if (!parse) return 0;
    CheckRequest(parse.request);
    CheckChart(parse.request);
    return 0;
}
