#pragma once

#include <cstdint>

namespace fw {

// The framework's clock: sixtieths of a second since an arbitrary start, never going back.
std::int64_t Ticks();

}  // namespace fw
