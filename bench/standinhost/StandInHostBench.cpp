#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ProgramRun.h"
#include "chartservice/ChartRenderer.h"

namespace {

namespace fs = std::filesystem;
using bench::RunProgram;

const fs::path kScripts = fs::path(VEMO_BENCH_BIN_DIR) / "hostscripts";

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
    void Place() const { RunProgram((kScripts / "171").string(), {Image().string(), "20", "20"}); }

  private:
    fs::path path_;
};

// Each measures wall time, and runs until that reaches the minimum: the programs' own CPU time
// is not the benchmark's, and would keep it running for minutes.
void BM_SpawnTrue(benchmark::State& state) {
    for (auto _ : state) RunProgram("/bin/true");
}
BENCHMARK(BM_SpawnTrue)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Frontmost169(benchmark::State& state) {
    const HostFolder folder;
    for (auto _ : state) RunProgram((kScripts / "169").string());
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
