#pragma once

#include <optional>
#include <string_view>

namespace chartservice {

// The value of a text of decimal digits (no sign, no blanks) that is at most `max`; nothing
// for an empty text, any other character or a larger value, however many digits it has.
inline std::optional<int> ParseDecimal(std::string_view digits, int max) {
    if (digits.empty()) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > max) return std::nullopt;
    }
    return value;
}

}  // namespace chartservice
