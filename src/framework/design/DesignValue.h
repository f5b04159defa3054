#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <variant>

namespace fw {

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    auto operator<=>(const Color&) const = default;
};

// The four kinds of value that a design-value record carries. The record itself has no type
// tags: the receiving class's property table says which kind each name takes.
enum class DesignType { Int32, Boolean, Color, Text };

using DesignValue = std::variant<std::int32_t, bool, Color, std::string>;

}  // namespace fw
