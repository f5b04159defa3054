#include "framework/scripting/PreparedScriptCalls.h"

#include "framework/runtime/RuntimeException.h"

namespace fw {

std::int32_t PreparedScriptCalls::Start(std::int32_t script) {
    const std::int32_t handle = ++lastHandle_;
    calls_[handle] = ScriptCall{.script = script};
    return handle;
}

void PreparedScriptCalls::Append(std::int32_t handle, Variant argument) {
    Find(handle).arguments.push_back(std::move(argument));
}

ScriptCall PreparedScriptCalls::Take(std::int32_t handle) {
    ScriptCall call = std::move(Find(handle));
    calls_.erase(handle);
    return call;
}

ScriptCall& PreparedScriptCalls::Find(std::int32_t handle) {
    const auto found = calls_.find(handle);
    if (found == calls_.end()) {
        throw RuntimeException("no prepared host-script call has the handle " + Str(handle));
    }
    return found->second;
}

}  // namespace fw
