#include "support/ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

namespace vemo_test {
namespace {

void RunChild(const ChildBody& body, int readyPipe, bool waitWhenReady) {
    auto ready = [&] {
        char signal = 'r';
        if (::write(readyPipe, &signal, 1) != 1) ::_exit(125);
        // Wait here to be killed.
        while (waitWhenReady) ::pause();
    };
    int code = 126;
    try {
        code = body(ready);
    } catch (...) {
    }
    ::_exit(code);
}

// What the parent does once the child is ready.
enum class OnReady { kNothing, kKillThere, kKillLater };

ChildOutcome Run(const ChildBody& body, OnReady onReady, std::chrono::microseconds delay = {}) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
    pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        ::close(pipeEnds[0]);
        RunChild(body, pipeEnds[1], onReady == OnReady::kKillThere);
    }
    ::close(pipeEnds[1]);
    char signal;
    bool reachedReady = ::read(pipeEnds[0], &signal, 1) == 1;
    ::close(pipeEnds[0]);
    if (onReady != OnReady::kNothing && reachedReady) {
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ChildOutcome outcome;
    outcome.exited = WIFEXITED(status);
    if (outcome.exited) outcome.code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    return outcome;
}

}  // namespace

ChildOutcome RunInChild(const ChildBody& body, bool killWhenReady) {
    return Run(body, killWhenReady ? OnReady::kKillThere : OnReady::kNothing);
}

ChildOutcome RunInChildKilledAfter(const ChildBody& body, std::chrono::microseconds delay) {
    return Run(body, OnReady::kKillLater, delay);
}

}  // namespace vemo_test
