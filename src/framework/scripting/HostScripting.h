#pragma once

#include <cstdint>
#include <memory>

#include "framework/scripting/HostScriptRunner.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// Host scripts, run by number through the installed HostScriptRunner. By default that is a
// ProcessHostScriptRunner on the script folder beside the executable: a script that is
// missing, not executable, fails or does not finish in time gives the empty text and one line
// on standard error. Every call waits until the script has ended.

// Runs the script without arguments; its standard output.
String ScriptFunction(std::int32_t script);
// Runs the script without arguments; its output is dropped.
void ScriptExecute(std::int32_t script);

// Starts a prepared call of the script and gives its handle. The Add operations append one
// argument each; a Complete operation runs the call with its arguments in the order appended
// and ends the handle. A handle that names no prepared call raises RuntimeException.
std::int32_t StartParamScript(std::int32_t script);
void AddIntegerScriptParam(std::int32_t handle, std::int32_t value);
void AddStringScriptParam(std::int32_t handle, const String& value);
String CompleteParamScriptFunction(std::int32_t handle);
void CompleteParamScriptExecute(std::int32_t handle);

// Installs the runner that the operations above use and gives back the one it replaces (empty
// while the default was never made). An empty runner restores the default.
std::shared_ptr<HostScriptRunner> SetHostScriptRunner(std::shared_ptr<HostScriptRunner> runner);

}  // namespace fw
