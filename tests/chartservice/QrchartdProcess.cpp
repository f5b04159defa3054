#include "chartservice/QrchartdProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

extern char** environ;

namespace chartservice_test {
namespace {

constexpr auto kPatience = std::chrono::seconds(10);

// Reads up to the first LF, or what came until the pipe closed or the time ran out.
std::string ReadLine(int fd) {
    std::string line;
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd entry{fd, POLLIN, 0};
        if (::poll(&entry, 1, 100) <= 0) continue;
        char c;
        if (::read(fd, &c, 1) != 1 || c == '\n') break;
        line.push_back(c);
    }
    return line;
}

int PortOf(const std::string& line) {
    std::size_t colon = line.rfind(':');
    if (colon == std::string::npos) return 0;
    try {
        return std::stoi(line.substr(colon + 1));
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

QrchartdProcess::QrchartdProcess(const std::vector<std::string>& arguments)
    : QrchartdProcess(QRCHARTD_PATH, arguments) {}

QrchartdProcess::QrchartdProcess(const std::string& program,
                                 const std::vector<std::string>& arguments) {
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (pid_ > 0) readyLine_ = ReadLine(output[0]);
    ::close(output[0]);
    port_ = PortOf(readyLine_);
}

QrchartdProcess::~QrchartdProcess() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

int QrchartdProcess::StopWith(int signal) {
    if (pid_ <= 0) return -1;
    ::kill(pid_, signal);
    return Wait();
}

int QrchartdProcess::Wait() {
    if (pid_ <= 0) return -1;
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return -1;
}

}  // namespace chartservice_test
