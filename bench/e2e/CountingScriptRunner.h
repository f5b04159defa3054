#pragma once

#include <cstdint>
#include <map>

#include "framework/scripting/ProcessHostScriptRunner.h"

// The real process runner, counting the runs of each script, so a benchmark can tell how many
// watch ticks or placements its figure covers.
class CountingScriptRunner final : public fw::HostScriptRunner {
  public:
    // How many times the script has been run so far.
    int RunsOf(std::int32_t script) const {
        const auto found = runs_.find(script);
        return found == runs_.end() ? 0 : found->second;
    }

    fw::String ScriptFunction(std::int32_t script) override {
        ++runs_[script];
        return real_.ScriptFunction(script);
    }
    void ScriptExecute(std::int32_t script) override {
        ++runs_[script];
        real_.ScriptExecute(script);
    }
    std::int32_t StartParamScript(std::int32_t script) override {
        ++runs_[script];
        return real_.StartParamScript(script);
    }
    void AddIntegerScriptParam(std::int32_t handle, std::int32_t value) override {
        real_.AddIntegerScriptParam(handle, value);
    }
    void AddStringScriptParam(std::int32_t handle, const fw::String& value) override {
        real_.AddStringScriptParam(handle, value);
    }
    fw::String CompleteParamScriptFunction(std::int32_t handle) override {
        return real_.CompleteParamScriptFunction(handle);
    }
    void CompleteParamScriptExecute(std::int32_t handle) override {
        real_.CompleteParamScriptExecute(handle);
    }

  private:
    fw::ProcessHostScriptRunner real_;
    std::map<std::int32_t, int> runs_;
};
