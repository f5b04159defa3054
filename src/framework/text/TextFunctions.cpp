#include "framework/text/TextFunctions.h"

#include <locale.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace fw {

String ReplaceAll(const String& source, const String& oldText, const String& newText) {
    if (oldText.empty()) return source;
    String result;
    result.reserve(source.size());
    String::size_type from = 0;
    for (auto at = source.find(oldText); at != String::npos; at = source.find(oldText, from)) {
        result.append(source, from, at - from);
        result.append(newText);
        from = at + oldText.size();
    }
    result.append(source, from);
    return result;
}

std::vector<String> Split(const String& source, const String& separator) {
    if (source.empty()) return {};
    if (separator.empty()) return {source};
    std::vector<String> pieces;
    String::size_type from = 0;
    for (auto at = source.find(separator); at != String::npos; at = source.find(separator, from)) {
        pieces.push_back(source.substr(from, at - from));
        from = at + separator.size();
    }
    pieces.push_back(source.substr(from));
    return pieces;
}

String Chr(std::uint32_t codePoint) {
    String text;
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
        return {};
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x110000) {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return text;
}

String Str(std::int32_t value) { return std::to_string(value); }

double Val(const String& text) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t') ++begin;
    // strtod would also read hexadecimal, "inf" and "nan"; only decimal numbers count here.
    const char* digits = begin + ((*begin == '+' || *begin == '-') ? 1 : 0);
    bool decimal = (*digits >= '0' && *digits <= '9') ||
                   (*digits == '.' && digits[1] >= '0' && digits[1] <= '9');
    if (!decimal || (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))) return 0;
    // The decimal mark is always the point: the C library's locale may say otherwise (Qt
    // takes the user's, and a German user's mark is the comma).
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return ::strtod_l(begin, nullptr, c);
}

std::int32_t DoubleToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (value <= lowest) return std::numeric_limits<std::int32_t>::min();
    if (value >= highest) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

}  // namespace fw
