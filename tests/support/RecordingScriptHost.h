#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/scripting/HostScriptRunner.h"
#include "framework/scripting/PreparedScriptCalls.h"
#include "support/ScopedHostScriptRunner.h"

namespace vemo_test {

// A host that runs no script: it logs every scripting operation, keeps every completed call,
// and answers each call with the text given for its script (the empty text when none was).
// Install it with RecordingScriptHostScope:
//
//     RecordingScriptHostScope host;
//     host->Answer(168, "A<Mipo2011>x<Mipo2011>y");
//     ... run the code ...
//     EXPECT_EQ(host->CallsOf(171).size(), 1u);
class RecordingScriptHost : public fw::HostScriptRunner {
  public:
    using Responder = std::function<fw::String(const fw::ScriptCall& call)>;

    // The result of every later call of the script.
    void Answer(std::int32_t script, fw::String result) { answers_[script] = std::move(result); }
    // Answers every later call through `responder` instead (it may look at files, change its
    // answer from call to call, or throw); an empty responder goes back to the fixed answers.
    void AnswerWith(Responder responder) { responder_ = std::move(responder); }

    // Adds a line of the test's own to the log, so that other effects show in their order
    // among the scripting operations.
    void Note(std::string line) { log_.push_back(std::move(line)); }

    // Every operation in order: "ScriptFunction(168)", "ScriptExecute(170)",
    // "StartParamScript(171)", "AddIntegerScriptParam(1, 5)", "AddStringScriptParam(1, \"x\")",
    // "CompleteParamScriptFunction(1)", "CompleteParamScriptExecute(1)", and the notes.
    const std::vector<std::string>& Log() const { return log_; }
    // Every script run, in order, with its arguments as they were appended.
    const std::vector<fw::ScriptCall>& Calls() const { return calls_; }
    std::vector<fw::ScriptCall> CallsOf(std::int32_t script) const {
        std::vector<fw::ScriptCall> found;
        for (const auto& call : calls_) {
            if (call.script == script) found.push_back(call);
        }
        return found;
    }

    fw::String ScriptFunction(std::int32_t script) override {
        Note("ScriptFunction(" + fw::Str(script) + ")");
        return Run({.script = script, .withResult = true});
    }
    void ScriptExecute(std::int32_t script) override {
        Note("ScriptExecute(" + fw::Str(script) + ")");
        Run({.script = script});
    }
    std::int32_t StartParamScript(std::int32_t script) override {
        Note("StartParamScript(" + fw::Str(script) + ")");
        return prepared_.Start(script);
    }
    void AddIntegerScriptParam(std::int32_t handle, std::int32_t value) override {
        Note("AddIntegerScriptParam(" + fw::Str(handle) + ", " + fw::Str(value) + ")");
        prepared_.Append(handle, value);
    }
    void AddStringScriptParam(std::int32_t handle, const fw::String& value) override {
        Note("AddStringScriptParam(" + fw::Str(handle) + ", \"" + value + "\")");
        prepared_.Append(handle, value);
    }
    fw::String CompleteParamScriptFunction(std::int32_t handle) override {
        Note("CompleteParamScriptFunction(" + fw::Str(handle) + ")");
        fw::ScriptCall call = prepared_.Take(handle);
        call.withResult = true;
        return Run(std::move(call));
    }
    void CompleteParamScriptExecute(std::int32_t handle) override {
        Note("CompleteParamScriptExecute(" + fw::Str(handle) + ")");
        Run(prepared_.Take(handle));
    }

  private:
    fw::String Run(fw::ScriptCall call) {
        calls_.push_back(call);
        if (responder_) return responder_(calls_.back());
        const auto answer = answers_.find(call.script);
        return answer == answers_.end() ? fw::String() : answer->second;
    }

    fw::PreparedScriptCalls prepared_;
    std::map<std::int32_t, fw::String> answers_;
    Responder responder_;
    std::vector<std::string> log_;
    std::vector<fw::ScriptCall> calls_;
};

// A RecordingScriptHost installed as the host-script runner while the scope lives.
class RecordingScriptHostScope : public ScopedHostScriptRunner<RecordingScriptHost> {
  public:
    RecordingScriptHostScope() : ScopedHostScriptRunner(std::make_shared<RecordingScriptHost>()) {}
};

}  // namespace vemo_test
