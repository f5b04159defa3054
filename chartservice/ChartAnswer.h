#pragma once

#include <string>
#include <string_view>

namespace chartservice {

// What the service sends back for one chart query.
struct ChartAnswer {
    int status = 0;
    std::string contentType;
    std::string body;
};

// The answer to GET /chart with the raw query (after "?"): 200 with the PNG (image/png), or
// 400 with the one-line reason of ParseChartRequest or RenderChart (text/plain, ended by LF).
// Throws what RenderChart throws, for a failure that is not the request's fault.
ChartAnswer AnswerChartQuery(std::string_view query);

}  // namespace chartservice
