#include "chartservice/ZbarReader.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

extern char** environ;

namespace chartservice_test {
namespace {

// A PNG file in the temporary folder, removed when this goes.
class TemporaryPng {
  public:
    explicit TemporaryPng(const std::string& bytes) {
        std::string pattern = (std::filesystem::temp_directory_path() / "qrchart-XXXXXX.png");
        int fd = ::mkstemps(pattern.data(), 4);
        if (fd < 0) return;
        ::close(fd);
        path_ = pattern;
        std::ofstream(path_, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TemporaryPng() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace

std::optional<std::string> ReadQrCode(const std::string& png) {
    TemporaryPng file(png);
    if (file.Path().empty()) return std::nullopt;
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    // zbar's image loader chatters about a missing D-Bus on standard error.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> words{"zbarimg", "--raw", "-q", "-Sbinary", file.Path()};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    int spawned = posix_spawnp(&pid, "zbarimg", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    std::string printed;
    char buffer[4096];
    for (ssize_t n; spawned == 0 && (n = ::read(output[0], buffer, sizeof buffer)) > 0;) {
        printed.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(output[0]);
    if (spawned != 0) return std::nullopt;
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return printed;
}

}  // namespace chartservice_test
