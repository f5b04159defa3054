#pragma once

#include <string>
#include <string_view>

namespace standinhost {

// A value as one field of a placed.log line, which stays one line and prints harmlessly on
// a terminal: backslash, tab, CR and LF as \\ \t \r \n, every other control byte as \xHH.
class LogField {
  public:
    static std::string Escape(std::string_view value);
};

}  // namespace standinhost
