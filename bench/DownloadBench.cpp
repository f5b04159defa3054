// Download benchmarks. Run: build/bin/download_bench [--chart_host=HOST[:PORT]]
// DownQR asks the chart server that qrchartd runs, started in this process on loopback, or
// with --chart_host the chart service there.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <optional>

#include "TakeFlag.h"
#include "chartservice/LoopbackChartServer.h"
#include "framework/files/GetFolderItem.h"
#include "framework/gui/Runtime.h"
#include "framework/net/HTTPSocket.h"
#include "framework/runtime/BackgroundTask.h"
#include "qrworkflow/ChartHost.h"
#include "shell/Window1.h"
#include "support/ScriptedServer.h"
#include "support/TempFolder.h"

namespace {

using vemo_test::Answer;
using vemo_test::ReadRequest;
using vemo_test::ScriptedServer;

std::optional<std::string> chartHostArgument;

// The same 64 KiB again and again: the server holds one piece, never the whole answer.
vemo_test::Step StreamRepeated(std::uint64_t count) {
    return [count](vemo_test::Peer& peer) {
        const std::string piece(64 * 1024, 'x');
        for (std::uint64_t sent = 0; sent < count; sent += piece.size()) {
            if (!peer.Send(piece.substr(0, std::min<std::uint64_t>(piece.size(), count - sent)))) {
                return false;
            }
        }
        return true;
    };
}

std::int64_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::int64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

double ThreadCpuMilliseconds() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void BM_DownQR(benchmark::State& state) {
    auto palette = fw::RuntimeNewObject<Window1>();
    vemo_test::TempFolder folder;
    std::string previousFolder = fw::SetDefaultFolder(folder.Path());
    std::optional<chartservice_test::LoopbackChartServer> server;
    if (!chartHostArgument) server.emplace();
    std::string host =
        chartHostArgument ? *chartHostArgument : "127.0.0.1:" + std::to_string(server->Port());
    std::string previousHost = SetChartHost(host);
    for (auto _ : state) {
        if (!palette->DownQR("https://vemo.example/item/12345", 0, "UTF-8", "M", "200")) {
            state.SkipWithError("the download gave no image");
            break;
        }
    }
    SetChartHost(previousHost);
    fw::SetDefaultFolder(previousFolder);
}
BENCHMARK(BM_DownQR)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_StreamedAnswerMemory(benchmark::State& state) {
    const std::uint64_t bodyBytes = static_cast<std::uint64_t>(state.range(0)) << 20;
    vemo_test::TempFolder folder;
    auto file = std::make_shared<fw::FolderItem>(folder / "big.png");
    std::int64_t growth = 0;
    for (auto _ : state) {
        ScriptedServer server({{ReadRequest(), vemo_test::Send(Answer("200 OK", {}, "")),
                                StreamRepeated(bodyBytes)}});
        std::int64_t baseline = ResidentBytes();
        std::int64_t peak = baseline;
        // Sampled once per pass of the download's wait, which is where memory would grow.
        auto previous = fw::SetBackgroundTask([&] { peak = std::max(peak, ResidentBytes()); });
        fw::HTTPSocket socket;
        socket.Constructor();
        bool completed = socket.Get(server.Url("/big"), file, 600);
        fw::SetBackgroundTask(previous);
        if (!completed || socket.BodyBytesReceived() != static_cast<std::int64_t>(bodyBytes)) {
            state.SkipWithError(fw::ToText(socket.ErrorCode()));
            break;
        }
        growth = std::max(growth, peak - baseline);
    }
    state.counters["rss_growth_MiB"] = static_cast<double>(growth) / (1 << 20);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bodyBytes));
}
BENCHMARK(BM_StreamedAnswerMemory)
    ->Arg(1024)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_NeverAnsweringServerCpu(benchmark::State& state) {
    vemo_test::TempFolder folder;
    auto file = std::make_shared<fw::FolderItem>(folder / "temp_0.png");
    double cpu = 0;
    for (auto _ : state) {
        ScriptedServer server({{ReadRequest(), vemo_test::HoldOpen()}});
        fw::HTTPSocket socket;
        socket.Constructor();
        double before = ThreadCpuMilliseconds();
        bool completed = socket.Get(server.Url("/chart"), file, 3);
        cpu = ThreadCpuMilliseconds() - before;
        if (completed || socket.ErrorCode() != fw::HTTPError::AnswerTimedOut) {
            state.SkipWithError("the download did not time out");
            break;
        }
    }
    state.counters["client_cpu_ms"] = cpu;
}
BENCHMARK(BM_NeverAnsweringServerCpu)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    chartHostArgument = TakeFlag(argc, argv, "--chart_host=");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
