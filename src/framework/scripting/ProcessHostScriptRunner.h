#pragma once

#include <chrono>
#include <string>

#include "framework/scripting/HostScriptRunner.h"
#include "framework/scripting/PreparedScriptCalls.h"

namespace fw {

// Runs host script n as the executable file named n (its decimal number) in the script
// folder, through RunScriptProcess; integer arguments go as decimal text. The result is the
// script's standard output, byte for byte. A script that is missing, not executable, fails or
// does not finish within the timeout gives the empty text, and one line on standard error
// names the script and what happened. The Execute operations wait for the script too.
class ProcessHostScriptRunner final : public HostScriptRunner {
  public:
    struct Settings {
        std::string folder = DefaultScriptFolder();
        std::chrono::milliseconds timeout = std::chrono::seconds(30);
    };

    // The folder "hostscripts" beside the running executable (found from /proc/self/exe, never
    // from the current folder or PATH); empty when the executable's path cannot be read.
    static std::string DefaultScriptFolder();

    ProcessHostScriptRunner() : ProcessHostScriptRunner(Settings{}) {}
    explicit ProcessHostScriptRunner(Settings settings);

    String ScriptFunction(std::int32_t script) override;
    void ScriptExecute(std::int32_t script) override;
    std::int32_t StartParamScript(std::int32_t script) override;
    void AddIntegerScriptParam(std::int32_t handle, std::int32_t value) override;
    void AddStringScriptParam(std::int32_t handle, const String& value) override;
    String CompleteParamScriptFunction(std::int32_t handle) override;
    void CompleteParamScriptExecute(std::int32_t handle) override;

  private:
    String Run(const ScriptCall& call) const;

    Settings settings_;
    PreparedScriptCalls prepared_;
};

}  // namespace fw
