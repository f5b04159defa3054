#pragma once

#include <string>

namespace standinhost {

// A position given to 171: a decimal number (an optional sign, digits with an optional
// fraction: 12, -3, +5, 1.5, .5, 5.), blanks and line ends around it aside, at most 1e9 from 0.
class Coordinate {
  public:
    // The value; anything else is 0 and not a number.
    static Coordinate Parse(const std::string& text);

    bool IsNumber() const { return number_; }
    // The value as plain decimal text, for the document ("0.5" for ".5", "5" for "5.").
    const std::string& Text() const { return text_; }
    double Value() const { return value_; }

  private:
    Coordinate(bool number, std::string text, double value);

    bool number_;
    std::string text_;
    double value_;
};

}  // namespace standinhost
