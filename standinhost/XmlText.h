#pragma once

#include <string>
#include <string_view>

namespace standinhost {

// Text that XML can hold: what it cannot hold at all (bytes that are not UTF-8, control
// characters other than tab, LF and CR, U+FFFE and U+FFFF) is dropped, or, for the last two,
// replaced by U+FFFD.
class XmlText {
  public:
    static std::string Clean(std::string_view text);
};

}  // namespace standinhost
