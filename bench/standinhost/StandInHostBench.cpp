#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "chartservice/ChartRenderer.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(VEMO_BENCH_BIN_DIR) / "hostscripts";

// Runs the program as the palette does (no shell, standard output to a pipe's stand-in) and
// waits for it; throws when it fails.
void Spawn(const std::string& program, const std::vector<std::string>& arguments = {}) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (error != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program + " failed");
    }
}

// A host folder of its own, with a 200-pixel QR code to place, like the palette's downloads.
class HostFolder {
  public:
    HostFolder() {
        char pattern[] = "/tmp/vemo-bench-XXXXXX";
        path_ = ::mkdtemp(pattern);
        ::setenv("VEMO_HOST_DIR", path_.c_str(), 1);
        chartservice::ChartRequest request;
        request.width = request.height = 200;
        request.text = "https://example.com/vemo";
        std::ofstream(Image(), std::ios::binary) << chartservice::RenderChart(request).png;
        std::ofstream(path_ / "frontmost") << "Illustrator\n";
    }
    ~HostFolder() { fs::remove_all(path_); }

    fs::path Image() const { return path_ / "code.png"; }
    fs::path Document() const { return path_ / "document.svg"; }
    void Place() const { Spawn((kScripts / "171").string(), {Image().string(), "20", "20"}); }

  private:
    fs::path path_;
};

// Each measures wall time, and runs until that reaches the minimum: the programs' own CPU time
// is not the benchmark's, and would keep it running for minutes.
void BM_SpawnTrue(benchmark::State& state) {
    for (auto _ : state) Spawn("/bin/true");
}
BENCHMARK(BM_SpawnTrue)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Frontmost169(benchmark::State& state) {
    const HostFolder folder;
    for (auto _ : state) Spawn((kScripts / "169").string());
}
BENCHMARK(BM_Frontmost169)->Unit(benchmark::kMillisecond)->UseRealTime();

// One placement into a document that already holds state.range(0) images.
void BM_Place171(benchmark::State& state) {
    const HostFolder folder;
    for (int i = 0; i < state.range(0); ++i) folder.Place();
    const fs::path saved = folder.Document().string() + ".saved";
    if (state.range(0) > 0) fs::copy_file(folder.Document(), saved);
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(folder.Document());
        if (state.range(0) > 0) fs::copy_file(saved, folder.Document());
        state.ResumeTiming();
        folder.Place();
    }
    state.counters["document_bytes"] = static_cast<double>(fs::file_size(folder.Document()));
}
BENCHMARK(BM_Place171)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
