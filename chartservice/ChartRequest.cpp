#include "chartservice/ChartRequest.h"

#include <array>
#include <optional>

#include "chartservice/Decimal.h"
#include "chartservice/QueryString.h"

namespace chartservice {
namespace {

constexpr std::array<std::string_view, 5> kKeys{"cht", "chs", "choe", "chl", "chld"};
constexpr int kMaxMargin = 1000;

// A value per known key, in the order of kKeys; nothing for a key the query does not give.
using KnownValues = std::array<std::optional<std::string>, kKeys.size()>;

std::optional<std::size_t> KeyIndex(std::string_view key) {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i] == key) return i;
    }
    return std::nullopt;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string ParseSize(std::string_view size, ChartRequest& request) {
    std::size_t x = size.find('x');
    if (x == std::string_view::npos) return "chs must be WIDTHxHEIGHT";
    std::string_view width = size.substr(0, x);
    std::string_view height = size.substr(x + 1);
    if (!AllDigits(width) || !AllDigits(height)) return "chs must be WIDTHxHEIGHT";
    std::optional<int> w = ParseDecimal(width, kMaxChartSide);
    std::optional<int> h = ParseDecimal(height, kMaxChartSide);
    if (!w || !h || *w < kMinChartSide || *h < kMinChartSide) {
        return "chs must be 1 to 1000 pixels each way";
    }
    request.width = *w;
    request.height = *h;
    return {};
}

std::optional<ErrorCorrection> LevelNamed(std::string_view letter) {
    if (letter == "L") return ErrorCorrection::L;
    if (letter == "M") return ErrorCorrection::M;
    if (letter == "Q") return ErrorCorrection::Q;
    if (letter == "H") return ErrorCorrection::H;
    return std::nullopt;
}

std::string ParseLevel(std::string_view levelAndMargin, ChartRequest& request) {
    if (levelAndMargin.empty()) return {};
    std::size_t bar = levelAndMargin.find('|');
    std::optional<ErrorCorrection> level = LevelNamed(levelAndMargin.substr(0, bar));
    if (!level) return "chld must be L, M, Q or H, optionally followed by |MARGIN";
    request.level = *level;
    if (bar == std::string_view::npos) return {};
    std::string_view margin = levelAndMargin.substr(bar + 1);
    if (!AllDigits(margin)) return "chld's margin must be a number of modules";
    std::optional<int> modules = ParseDecimal(margin, kMaxMargin);
    if (!modules) return "chld's margin must be 0 to 1000 modules";
    request.margin = *modules;
    return {};
}

std::string CheckValues(const KnownValues& values, ChartRequest& request) {
    const std::optional<std::string>& type = values[0];
    const std::optional<std::string>& size = values[1];
    const std::optional<std::string>& encoding = values[2];
    const std::optional<std::string>& text = values[3];
    const std::optional<std::string>& level = values[4];
    if (!type || type->empty()) return "cht is missing";
    if (*type != "qr") return "cht must be qr";
    if (!size || size->empty()) return "chs is missing";
    if (std::string error = ParseSize(*size, request); !error.empty()) return error;
    if (encoding && !encoding->empty()) {
        std::optional<TextEncoding> named = TextEncodingNamed(*encoding);
        if (!named) return "choe must be UTF-8, Shift_JIS or ISO-8859-1";
        request.encoding = *named;
    }
    if (!text || text->empty()) return "chl is missing";
    if (!IsValidUtf8(*text)) return "chl is not valid UTF-8";
    request.text = *text;
    return level ? ParseLevel(*level, request) : std::string();
}

}  // namespace

ChartRequestParse ParseChartRequest(std::string_view query) {
    ChartRequestParse parse;
    QueryParse parameters = ParseQueryString(query);
    if (!parameters) {
        parse.error = parameters.error;
        return parse;
    }
    KnownValues values;
    for (QueryParameter& parameter : parameters.parameters) {
        std::optional<std::size_t> index = KeyIndex(parameter.key);
        if (!index) continue;
        if (values[*index]) {
            parse.error = parameter.key + " is given twice";
            return parse;
        }
        values[*index] = std::move(parameter.value);
    }
    parse.error = CheckValues(values, parse.request);
    if (!parse) parse.request = ChartRequest();
    return parse;
}

}  // namespace chartservice
