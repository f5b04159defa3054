#include "support/ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace vemo_test {
namespace {

void RunChild(const ChildBody& body, int readyPipe, bool killWhenReady) {
    auto ready = [&] {
        char signal = 'r';
        if (::write(readyPipe, &signal, 1) != 1) ::_exit(125);
        // Wait here to be killed.
        while (killWhenReady) ::pause();
    };
    int code = 126;
    try {
        code = body(ready);
    } catch (...) {
    }
    ::_exit(code);
}

}  // namespace

ChildOutcome RunInChild(const ChildBody& body, bool killWhenReady) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
    pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        ::close(pipeEnds[0]);
        RunChild(body, pipeEnds[1], killWhenReady);
    }
    ::close(pipeEnds[1]);
    char signal;
    bool reachedReady = ::read(pipeEnds[0], &signal, 1) == 1;
    ::close(pipeEnds[0]);
    if (killWhenReady && reachedReady) ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ChildOutcome outcome;
    outcome.exited = WIFEXITED(status);
    if (outcome.exited) outcome.code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    return outcome;
}

}  // namespace vemo_test
