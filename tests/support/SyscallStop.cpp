#include "support/SyscallStop.h"

#include <signal.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace vemo_test {
namespace {

// Whether the stopped child is at the point: entering one of its calls, or coming back from
// its write (`armed` says that the child entered that write at its last stop).
bool AtPoint(pid_t child, const SyscallPoint& point, bool& armed) {
    __ptrace_syscall_info info{};
    if (::ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof info, &info) <= 0) return false;
    if (info.op != PTRACE_SYSCALL_INFO_ENTRY) return std::exchange(armed, false);
    const long number = static_cast<long>(info.entry.nr);
    if (std::count(point.entering.begin(), point.entering.end(), number) > 0) return true;
    if (number != SYS_write || point.written.empty() ||
        info.entry.args[2] != point.written.size()) {
        return false;
    }
    std::string bytes(point.written.size(), '\0');
    const iovec local{bytes.data(), bytes.size()};
    const iovec remote{reinterpret_cast<void*>(info.entry.args[1]), bytes.size()};
    armed =
        ::process_vm_readv(child, &local, 1, &remote, 1, 0) == static_cast<ssize_t>(bytes.size()) &&
        bytes == point.written;
    return false;
}

}  // namespace

int RunSignalledAt(const std::string& program, const std::vector<std::string>& arguments,
                   const SyscallPoint& point, int signal) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) ::_exit(126);
        ::raise(SIGSTOP);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status) ||
        ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL) !=
            0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return -1;
    }
    int deliver = 0;
    bool armed = false;
    for (;;) {
        if (::ptrace(PTRACE_SYSCALL, child, nullptr, deliver) != 0 ||
            ::waitpid(child, &status, 0) != child) {
            return -1;
        }
        if (!WIFSTOPPED(status)) return status;
        const bool atSyscall = WSTOPSIG(status) == (SIGTRAP | 0x80);
        if (atSyscall && AtPoint(child, point, armed)) break;
        // The trap after exec is the tracing's own; any other signal is the child's.
        deliver = atSyscall || WSTOPSIG(status) == SIGTRAP ? 0 : WSTOPSIG(status);
    }
    ::kill(child, signal);
    ::ptrace(PTRACE_DETACH, child, nullptr, 0);
    if (::waitpid(child, &status, 0) != child) return -1;
    return status;
}

}  // namespace vemo_test
