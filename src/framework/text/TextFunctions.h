#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

// The framework's text: UTF-8 bytes. Equality is byte equality, so it is case-sensitive.
using String = std::string;

// Every occurrence of `oldText` replaced by `newText`, left to right, without rescanning what
// was put in. An empty `oldText` leaves the text as it is.
String ReplaceAll(const String& source, const String& oldText, const String& newText);

// The pieces between the separators, in order, empty pieces included. The empty text has no
// pieces at all; a text without the separator is one piece. The separator matches exactly
// (letter case included); an empty separator gives the whole text as one piece.
std::vector<String> Split(const String& source, const String& separator);

// The text of one Unicode code point, UTF-8 encoded; the empty text for a value that is not
// a code point.
String Chr(std::uint32_t codePoint);

// The decimal text of an integer: digits, with "-" before a negative value.
String Str(std::int32_t value);

// The numeric value of a text: leading blanks skipped, then an optional sign, digits, an
// optional fraction (after a point, whatever the locale) and exponent. Text after the number
// is ignored; no number gives 0.
double Val(const String& text);

// A double as a 32-bit signed integer: the fraction dropped, values beyond the range held at
// its ends, NaN as 0.
std::int32_t DoubleToInt32(double value);

// The last index of a list: its size minus one, so -1 for an empty list.
template <class T>
std::int32_t LastIndex(const std::vector<T>& list) {
    return static_cast<std::int32_t>(list.size()) - 1;
}

}  // namespace fw
