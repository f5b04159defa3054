#pragma once

#include <chrono>
#include <cstddef>

namespace chartservice {

// What one connection may send before its request is served, and how long it may take.
struct RequestLimits {
    // The longest text a code holds, as the palette sends it, is 2,953 half-width katakana in
    // Shift_JIS: one byte each in the code, three in UTF-8, each sent as "%XX", 26,577 bytes
    // of the request line; this leaves room for the other parameters and more.
    std::size_t requestLineBytes = 32 * 1024;
    std::size_t headerBlockBytes = 40 * 1024;  // request line, headers and the empty line
    std::size_t headerLines = 100;
    std::chrono::milliseconds deadline{5000};  // for the whole header block, from the accept
};

}  // namespace chartservice
