#include "BareCalls.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <vector>

#include "chartservice/LoopbackHttp.h"

extern char** environ;

namespace bare_calls {
namespace {

double Milliseconds(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

double CpuMs(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

}  // namespace

void Spawn(const std::string& program) {
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (error != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program + " failed");
    }
}

void SpawnTrue() { Spawn("/bin/true"); }

void ChartGet(int port, const std::string& target) {
    const chartservice_test::HttpReply reply = chartservice_test::Get(port, target);
    if (reply.status != 200 || reply.body.empty()) {
        throw std::runtime_error("the chart service gave " + std::to_string(reply.status));
    }
}

double MedianMs(int count, const std::function<void()>& call) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const auto start = std::chrono::steady_clock::now();
        call();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(times.begin(), times.begin() + count / 2, times.end());
    return times[static_cast<std::size_t>(count / 2)];
}

double SelfCpuMs() { return CpuMs(RUSAGE_SELF); }

double ChildrenCpuMs() { return CpuMs(RUSAGE_CHILDREN); }

double ProcessCpuMs() { return SelfCpuMs() + ChildrenCpuMs(); }

}  // namespace bare_calls
