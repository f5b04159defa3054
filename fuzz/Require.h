#pragma once

#include <cstdio>
#include <cstdlib>

namespace vemo_fuzz {

// Stops the run with the broken rule on stderr. Fuzz targets check their contracts with this
// rather than assert(), which release builds compile out.
inline void Require(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "contract broken: %s\n", rule);
    std::abort();
}

}  // namespace vemo_fuzz
