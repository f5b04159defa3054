#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "framework/text/TextFunctions.h"

namespace fw {

// How a script process ended: finished (exit status 0) with its standard output, or not,
// with the reason in a few words ("missing", "exited with status 3", ...).
class ScriptProcessResult {
  public:
    static ScriptProcessResult Finished(String output);
    static ScriptProcessResult Failed(std::string reason);

    explicit operator bool() const { return finished_; }
    // Every byte the script wrote to its standard output; empty when it failed.
    const String& Output() const { return output_; }
    const std::string& Failure() const { return failure_; }

  private:
    ScriptProcessResult(bool finished, String output, std::string failure);

    bool finished_;
    String output_;
    std::string failure_;
};

// Runs the executable file at `path` as its own process, each argument its own argv entry and
// no shell in between, with standard input from /dev/null, standard error shared with ours,
// and our environment. Waits until the process has ended and its standard output is closed.
// Fails when the file is missing or not executable, cannot be started, exits with a status
// other than 0 (or one that cannot be known) or is killed by a signal. When `timeout` passes
// first, the run fails: the process and every process it started in its group get SIGTERM,
// so that they may clean up, then SIGKILL once the process has ended or 500 ms have passed.
ScriptProcessResult RunScriptProcess(const std::string& path,
                                     const std::vector<std::string>& arguments,
                                     std::chrono::milliseconds timeout);

}  // namespace fw
