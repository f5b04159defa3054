#pragma once

#include <cstdint>
#include <map>

#include "framework/scripting/ScriptCall.h"

namespace fw {

// The calls that are being given their arguments, by handle. Handles count up from 1 and are
// never reused within one table.
class PreparedScriptCalls {
  public:
    std::int32_t Start(std::int32_t script);
    // Raises RuntimeException for a handle that names no prepared call.
    void Append(std::int32_t handle, Variant argument);
    // Removes the call from the table and gives it back; raises RuntimeException for a handle
    // that names no prepared call (one already taken included).
    ScriptCall Take(std::int32_t handle);

  private:
    ScriptCall& Find(std::int32_t handle);

    std::map<std::int32_t, ScriptCall> calls_;
    std::int32_t lastHandle_ = 0;
};

}  // namespace fw
