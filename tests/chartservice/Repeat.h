#pragma once

#include <string>
#include <string_view>

namespace chartservice_test {

// The piece `times` times over.
inline std::string Repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

}  // namespace chartservice_test
