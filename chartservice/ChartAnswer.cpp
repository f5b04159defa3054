#include "chartservice/ChartAnswer.h"

#include "chartservice/ChartRenderer.h"
#include "chartservice/ChartRequest.h"

namespace chartservice {
namespace {

ChartAnswer Refusal(const std::string& reason) { return {400, "text/plain", reason + "\n"}; }

}  // namespace

ChartAnswer AnswerChartQuery(std::string_view query) {
    ChartRequestParse parse = ParseChartRequest(query);
    if (!parse) return Refusal(parse.error);
    ChartImage image = RenderChart(parse.request);
    if (!image) return Refusal(image.error);
    return {200, "image/png", std::move(image.png)};
}

}  // namespace chartservice
