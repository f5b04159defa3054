#include "framework/scripting/HostScripting.h"

#include "framework/scripting/ProcessHostScriptRunner.h"

namespace fw {
namespace {

std::shared_ptr<HostScriptRunner>& Installed() {
    static std::shared_ptr<HostScriptRunner> runner;
    return runner;
}

HostScriptRunner& Runner() {
    auto& runner = Installed();
    if (!runner) runner = std::make_shared<ProcessHostScriptRunner>();
    return *runner;
}

}  // namespace

String ScriptFunction(std::int32_t script) { return Runner().ScriptFunction(script); }

void ScriptExecute(std::int32_t script) { Runner().ScriptExecute(script); }

std::int32_t StartParamScript(std::int32_t script) { return Runner().StartParamScript(script); }

void AddIntegerScriptParam(std::int32_t handle, std::int32_t value) {
    Runner().AddIntegerScriptParam(handle, value);
}

void AddStringScriptParam(std::int32_t handle, const String& value) {
    Runner().AddStringScriptParam(handle, value);
}

String CompleteParamScriptFunction(std::int32_t handle) {
    return Runner().CompleteParamScriptFunction(handle);
}

void CompleteParamScriptExecute(std::int32_t handle) {
    Runner().CompleteParamScriptExecute(handle);
}

std::shared_ptr<HostScriptRunner> SetHostScriptRunner(std::shared_ptr<HostScriptRunner> runner) {
    std::shared_ptr<HostScriptRunner> previous = std::move(Installed());
    Installed() = std::move(runner);
    return previous;
}

}  // namespace fw
