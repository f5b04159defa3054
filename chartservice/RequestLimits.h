#pragma once

#include <chrono>
#include <cstddef>

namespace chartservice {

// What one connection may send before its request is served, and how long it may take.
struct RequestLimits {
    // The longest text a code holds (2,953 bytes) percent-encoded in every byte is 8,859
    // bytes; this leaves room for the other parameters and more.
    std::size_t requestLineBytes = 16 * 1024;
    std::size_t headerBlockBytes = 24 * 1024;  // request line, headers and the empty line
    std::size_t headerLines = 100;
    std::chrono::milliseconds deadline{5000};  // for the whole header block, from the accept
};

}  // namespace chartservice
