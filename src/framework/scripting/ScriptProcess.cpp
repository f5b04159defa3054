#include "framework/scripting/ScriptProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

extern char** environ;

namespace fw {

ScriptProcessResult::ScriptProcessResult(bool finished, String output, std::string failure)
    : finished_(finished), output_(std::move(output)), failure_(std::move(failure)) {}

ScriptProcessResult ScriptProcessResult::Finished(String output) {
    return ScriptProcessResult(true, std::move(output), {});
}

ScriptProcessResult ScriptProcessResult::Failed(std::string reason) {
    return ScriptProcessResult(false, {}, std::move(reason));
}

namespace {

using Clock = std::chrono::steady_clock;

// Closes the descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor() { Close(); }

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

  private:
    int fd_;
};

std::string DescribeTimeout(std::chrono::milliseconds timeout) {
    const auto count = timeout.count();
    if (count % 1000 == 0) return std::to_string(count / 1000) + " s";
    return std::to_string(count) + " ms";
}

std::string DescribeStatus(int status) {
    if (WIFEXITED(status)) return "exited with status " + std::to_string(WEXITSTATUS(status));
    const int signal = WTERMSIG(status);
    return "was killed by signal " + std::to_string(signal) + " (" + ::strsignal(signal) + ")";
}

// Why the file cannot be run, or the empty text when it looks runnable.
std::string CheckRunnable(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) return "missing";
        return std::string("cannot be looked at: ") + std::strerror(errno);
    }
    if (!S_ISREG(info.st_mode) || ::access(path.c_str(), X_OK) != 0) return "not executable";
    return {};
}

// A started script, or why it could not be started.
struct Child {
    pid_t pid = -1;
    int error = 0;  // from posix_spawn; 0 when the child runs
};

Child Spawn(const std::string& path, const std::vector<std::string>& arguments, int outputFd) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
    // Descriptors that someone opened without close-on-exec must not reach the script.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

    // Its own process group, so that a hung script is killed with everything it started;
    // signals that we ignore or block are not handed down.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes, 0);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);

    Child child;
    child.error =
        ::posix_spawn(&child.pid, path.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// A descriptor that becomes readable when the process ends; -1 where the kernel has none.
// Through syscall(), as not every C library declares pidfd_open.
int OpenProcessDescriptor(pid_t pid) { return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)); }

// Waits for the child to end and for its standard output to close, reading that output, until
// the deadline.
class ChildWatch {
  public:
    ChildWatch(pid_t pid, Descriptor output)
        : pid_(pid), output_(std::move(output)), exit_(OpenProcessDescriptor(pid)) {}

    // Whether both happened before the deadline.
    bool WaitUntil(Clock::time_point deadline) {
        while (output_.IsOpen() || !ended_) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return false;
            PollOnce(static_cast<int>(left.count()));
        }
        return true;
    }

    // SIGTERM to the whole group, so that the script may clean up; SIGKILL once the grace
    // has passed, for what still runs (or ignores SIGTERM).
    void Kill() {
        ::kill(-pid_, SIGTERM);
        const auto graceEnd = Clock::now() + kTermGrace;
        while (!ended_) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(graceEnd - Clock::now());
            if (left.count() <= 0) break;
            PollOnce(static_cast<int>(left.count()));
        }
        ::kill(-pid_, SIGKILL);
        while (!ended_) Reap(0);
    }

    const String& Output() const { return text_; }
    // The wait status; none when the child was reaped by someone else.
    const std::optional<int>& Status() const { return status_; }

  private:
    // Without a process descriptor (an old kernel), the end is checked every few milliseconds.
    static constexpr int kReapCheckMs = 10;
    static constexpr std::chrono::milliseconds kTermGrace{500};

    void PollOnce(int timeoutMs) {
        pollfd fds[2];
        nfds_t count = 0;
        if (output_.IsOpen()) fds[count++] = {output_.Get(), POLLIN, 0};
        if (!ended_ && exit_.IsOpen()) fds[count++] = {exit_.Get(), POLLIN, 0};
        if (!ended_ && !exit_.IsOpen()) timeoutMs = std::min(timeoutMs, kReapCheckMs);
        if (::poll(fds, count, timeoutMs) < 0) return;  // EINTR: the caller loops
        if (output_.IsOpen() && fds[0].revents != 0) ReadOutput();
        if (!ended_) Reap(WNOHANG);
    }

    void ReadOutput() {
        char buffer[65536];
        const ssize_t got = ::read(output_.Get(), buffer, sizeof buffer);
        if (got > 0) {
            text_.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            output_.Close();
        }
    }

    void Reap(int options) {
        int status = 0;
        const pid_t done = ::waitpid(pid_, &status, options);
        if (done == pid_) {
            status_ = status;
            ended_ = true;
        } else if (done < 0 && errno != EINTR) {
            ended_ = true;  // reaped elsewhere (SIGCHLD ignored): its status is lost
        }
    }

    pid_t pid_;
    Descriptor output_;
    Descriptor exit_;
    String text_;
    std::optional<int> status_;
    bool ended_ = false;
};

}  // namespace

ScriptProcessResult RunScriptProcess(const std::string& path,
                                     const std::vector<std::string>& arguments,
                                     std::chrono::milliseconds timeout) {
    if (std::string reason = CheckRunnable(path); !reason.empty()) {
        return ScriptProcessResult::Failed(std::move(reason));
    }
    const auto deadline = Clock::now() + timeout;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return ScriptProcessResult::Failed(std::string("no pipe: ") + std::strerror(errno));
    }
    Descriptor readEnd(pipeFds[0]);
    Descriptor writeEnd(pipeFds[1]);
    const Child child = Spawn(path, arguments, writeEnd.Get());
    writeEnd.Close();
    if (child.error != 0) {
        return ScriptProcessResult::Failed(std::string("could not be started: ") +
                                           std::strerror(child.error));
    }
    ChildWatch watch(child.pid, std::move(readEnd));
    if (!watch.WaitUntil(deadline)) {
        watch.Kill();
        return ScriptProcessResult::Failed("did not finish within " + DescribeTimeout(timeout) +
                                           " and was killed");
    }
    if (!watch.Status()) return ScriptProcessResult::Failed("ended with an unknown status");
    if (const int status = *watch.Status(); !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return ScriptProcessResult::Failed(DescribeStatus(status));
    }
    return ScriptProcessResult::Finished(watch.Output());
}

}  // namespace fw
