#pragma once

#include <cstdint>

#include "framework/text/TextFunctions.h"

namespace fw {

// What runs the host scripts: the framework's scripting operations (HostScripting.h) hand
// every call to the one installed runner. The real one starts processes; tests install a
// recording host.
class HostScriptRunner {
  public:
    HostScriptRunner() = default;
    HostScriptRunner(const HostScriptRunner&) = delete;
    HostScriptRunner& operator=(const HostScriptRunner&) = delete;
    virtual ~HostScriptRunner() = default;

    virtual String ScriptFunction(std::int32_t script) = 0;
    virtual void ScriptExecute(std::int32_t script) = 0;
    virtual std::int32_t StartParamScript(std::int32_t script) = 0;
    virtual void AddIntegerScriptParam(std::int32_t handle, std::int32_t value) = 0;
    virtual void AddStringScriptParam(std::int32_t handle, const String& value) = 0;
    virtual String CompleteParamScriptFunction(std::int32_t handle) = 0;
    virtual void CompleteParamScriptExecute(std::int32_t handle) = 0;
};

}  // namespace fw
