#include "framework/scripting/ProcessHostScriptRunner.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "framework/scripting/ScriptProcess.h"

namespace fw {

std::string ProcessHostScriptRunner::DefaultScriptFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return (executable.parent_path() / "hostscripts").string();
}

ProcessHostScriptRunner::ProcessHostScriptRunner(Settings settings)
    : settings_(std::move(settings)) {}

String ProcessHostScriptRunner::ScriptFunction(std::int32_t script) {
    return Run({.script = script, .withResult = true});
}

void ProcessHostScriptRunner::ScriptExecute(std::int32_t script) { Run({.script = script}); }

std::int32_t ProcessHostScriptRunner::StartParamScript(std::int32_t script) {
    return prepared_.Start(script);
}

void ProcessHostScriptRunner::AddIntegerScriptParam(std::int32_t handle, std::int32_t value) {
    prepared_.Append(handle, value);
}

void ProcessHostScriptRunner::AddStringScriptParam(std::int32_t handle, const String& value) {
    prepared_.Append(handle, value);
}

String ProcessHostScriptRunner::CompleteParamScriptFunction(std::int32_t handle) {
    return Run(prepared_.Take(handle));
}

void ProcessHostScriptRunner::CompleteParamScriptExecute(std::int32_t handle) {
    Run(prepared_.Take(handle));
}

String ProcessHostScriptRunner::Run(const ScriptCall& call) const {
    const std::string name = Str(call.script);
    if (settings_.folder.empty()) {
        std::cerr << "vemo: host script " << name << ": no script folder (the executable's "
                  << "location is unknown)" << std::endl;
        return {};
    }
    const std::string path = settings_.folder + "/" + name;
    std::vector<std::string> arguments;
    for (const Variant& argument : call.arguments) arguments.push_back(VariantToString(argument));
    const ScriptProcessResult result = RunScriptProcess(path, arguments, settings_.timeout);
    if (!result) {
        std::cerr << "vemo: host script " << name << " (" << path << "): " << result.Failure()
                  << std::endl;
    }
    return result.Output();
}

}  // namespace fw
