#pragma once

#include <cstdint>
#include <variant>

#include "framework/text/TextFunctions.h"

namespace fw {

// The type codes that VarType gives.
inline constexpr std::int32_t TypeInteger = 2;  // a 32-bit signed integer
inline constexpr std::int32_t TypeString = 8;

// A value that holds either a 32-bit integer or a text, and knows which.
class Variant {
  public:
    Variant(std::int32_t value) : value_(value) {}
    Variant(String text) : value_(std::move(text)) {}
    Variant(const char* text) : value_(String(text)) {}
    // Anything else (bool, double, 64-bit integers) would be narrowed without a word.
    template <class T>
    Variant(T) = delete;

    bool operator==(const Variant&) const = default;

  private:
    friend std::int32_t VarType(const Variant& value);
    friend std::int32_t VariantToInt32(const Variant& value);
    friend String VariantToString(const Variant& value);

    std::variant<std::int32_t, String> value_;
};

// TypeInteger or TypeString.
std::int32_t VarType(const Variant& value);

// The integer itself; a text converts as Val reads it, held within the 32-bit range.
std::int32_t VariantToInt32(const Variant& value);

// The text itself; an integer as its decimal text (Str).
String VariantToString(const Variant& value);

}  // namespace fw
