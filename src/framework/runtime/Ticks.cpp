#include "framework/runtime/Ticks.h"

#include <chrono>

namespace fw {

std::int64_t Ticks() {
    using Tick = std::chrono::duration<std::int64_t, std::ratio<1, 60>>;
    return std::chrono::duration_cast<Tick>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace fw
