#pragma once

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

}  // namespace vemo_test
