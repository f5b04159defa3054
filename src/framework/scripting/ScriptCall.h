#pragma once

#include <cstdint>
#include <vector>

#include "framework/runtime/Variant.h"

namespace fw {

// One run of a host script: its number and its arguments in the order appended, each an
// integer or a text by its VarType.
struct ScriptCall {
    std::int32_t script = 0;
    std::vector<Variant> arguments{};
    bool withResult = false;  // a Function operation, not an Execute

    bool operator==(const ScriptCall&) const = default;
};

}  // namespace fw
