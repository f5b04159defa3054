#include "chartservice/QueryString.h"

#include <optional>

namespace chartservice {
namespace {

std::optional<int> HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return std::nullopt;
}

// Decodes one key or value; `offset` is where it starts in the query, for the error.
bool PercentDecode(std::string_view text, std::size_t offset, std::string& out,
                   std::string& error) {
    out.clear();
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        std::optional<int> high = i + 1 < text.size() ? HexValue(text[i + 1]) : std::nullopt;
        std::optional<int> low = i + 2 < text.size() ? HexValue(text[i + 2]) : std::nullopt;
        if (!high || !low) {
            error = "malformed percent-encoding at byte " + std::to_string(offset + i) +
                    " of the query";
            return false;
        }
        out.push_back(static_cast<char>(*high * 16 + *low));
        i += 2;
    }
    return true;
}

}  // namespace

QueryParse ParseQueryString(std::string_view query) {
    QueryParse parse;
    std::size_t start = 0;
    while (start <= query.size()) {
        std::size_t end = query.find('&', start);
        if (end == std::string_view::npos) end = query.size();
        std::string_view pair = query.substr(start, end - start);
        if (!pair.empty()) {
            std::size_t equals = pair.find('=');
            std::string_view key = pair.substr(0, equals);
            std::string_view value =
                equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1);
            QueryParameter parameter;
            if (!PercentDecode(key, start, parameter.key, parse.error) ||
                !PercentDecode(value, start + key.size() + 1, parameter.value, parse.error)) {
                parse.parameters.clear();
                return parse;
            }
            parse.parameters.push_back(std::move(parameter));
        }
        start = end + 1;
    }
    return parse;
}

}  // namespace chartservice
