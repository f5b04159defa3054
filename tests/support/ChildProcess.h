#pragma once

#include <chrono>
#include <functional>

namespace vemo_test {

struct ChildOutcome {
    bool exited = false;  // by itself, with `code`
    int code = -1;
    int signal = 0;  // the signal that ended it, when it did not exit by itself
};

// Runs `body` in a forked child process and waits for its end; the child exits with the
// body's result. The body calls `ready` once it reaches the point of interest: with
// `killWhenReady`, the parent then kills it there with SIGKILL, as a crash or power cut would.
using ChildBody = std::function<int(const std::function<void()>& ready)>;
ChildOutcome RunInChild(const ChildBody& body, bool killWhenReady = false);

// Runs `body` in a forked child process that goes on after calling `ready`; the parent kills
// it with SIGKILL `delay` after that, wherever it is then, and waits for its end.
ChildOutcome RunInChildKilledAfter(const ChildBody& body, std::chrono::microseconds delay);

}  // namespace vemo_test
