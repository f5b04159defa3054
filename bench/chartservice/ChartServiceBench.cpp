// The chart service's throughput and its good requests' latency under a slow-client attack:
// clients on loopback, each request on a connection of its own as the palette makes it.
// Run: chartservice_bench [--peer_qrchartd=PATH], PATH another qrchartd build (an earlier one,
// say) measured beside this build's in the same run.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "BareLoopbackServer.h"
#include "SlowClientAttack.h"
#include "TakeFlag.h"
#include "chartservice/LoopbackChartServer.h"
#include "chartservice/LoopbackHttp.h"
#include "chartservice/QrchartdProcess.h"

namespace {

using chartservice_bench::BareLoopbackServer;

// As long as a typical item: a URL with a Japanese label, percent-encoded.
const char* const kText =
    "https%3A%2F%2Fexample.com%2Fitem%3Fid%3D12345%20%E5%95%86%E5%93%81%E3%82%B3%E3%83%BC%E3%83%"
    "89";

std::string ChartTarget(int side) {
    std::string pixels = std::to_string(side);
    return "/chart?cht=qr&chs=" + pixels + "x" + pixels + "&choe=UTF-8&chl=" + kText + "&chld=M";
}

// Requests the target on the port until the state ends; what every server here is measured by.
void RequestEach(benchmark::State& state, int port, const std::string& target) {
    for (auto _ : state) {
        auto reply = chartservice_test::Get(port, target);
        if (reply.status != 200) {
            state.SkipWithError("a request failed");
            break;
        }
        benchmark::DoNotOptimize(reply.body.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_BareLoopback(benchmark::State& state) {
    static BareLoopbackServer server(8);
    RequestEach(state, server.Port(), ChartTarget(200));
}

// The chart server in this process, as qrchartd runs it.
void BM_ChartRequests(benchmark::State& state) {
    static chartservice_test::LoopbackChartServer server;
    RequestEach(state, server.Port(), ChartTarget(static_cast<int>(state.range(0))));
}

// A qrchartd process of that program, one for the whole run; the benchmark's threads all ask.
int QrchartdPort(const std::string& program) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<chartservice_test::QrchartdProcess>> running;
    std::lock_guard lock(mutex);
    auto& process = running[program];
    if (!process) {
        process = std::make_unique<chartservice_test::QrchartdProcess>(
            program, std::vector<std::string>{"--port", "0"});
    }
    return process->Port();
}

void BM_QrchartdRequests(benchmark::State& state, const std::string& program) {
    RequestEach(state, QrchartdPort(program), ChartTarget(static_cast<int>(state.range(0))));
}

void RegisterFor(const std::string& name, const std::string& program) {
    benchmark::RegisterBenchmark(("BM_QrchartdRequests/" + name).c_str(), BM_QrchartdRequests,
                                 program)
        ->Arg(200)
        ->Threads(8)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("BM_SlowClientAttack/" + name).c_str(),
                                 chartservice_bench::BM_SlowClientAttack, program)
        ->Iterations(1)
        ->Unit(benchmark::kSecond)
        ->UseRealTime();
}

// 200 pixels is the palette's usual size, 1000 the largest the service draws.
BENCHMARK(BM_BareLoopback)->Threads(8)->UseRealTime();
BENCHMARK(BM_ChartRequests)->Arg(200)->Arg(1000)->Threads(8)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::string> peer = TakeFlag(argc, argv, "--peer_qrchartd=");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RegisterFor("this", QRCHARTD_PATH);
    if (peer) RegisterFor("peer", *peer);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
