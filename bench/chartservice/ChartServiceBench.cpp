// The chart service's throughput: clients on loopback, each request on a connection of its
// own as the palette makes it, against the server that qrchartd runs.
#include <benchmark/benchmark.h>
#include "chartservice/LoopbackChartServer.h"
#include "chartservice/LoopbackHttp.h"

namespace {

// One server for the whole run.
int ServerPort() {
    static chartservice_test::LoopbackChartServer server;
    return server.Port();
}

// As long as a typical item: a URL with a Japanese label, percent-encoded.
const char* const kText =
    "https%3A%2F%2Fexample.com%2Fitem%3Fid%3D12345%20%E5%95%86%E5%93%81%E3%82%B3%E3%83%BC%E3%83%89";

void BM_ChartRequests(benchmark::State& state) {
    std::string side = std::to_string(state.range(0));
    std::string target =
        "/chart?cht=qr&chs=" + side + "x" + side + "&choe=UTF-8&chl=" + kText + "&chld=M";
    for (auto _ : state) {
        auto reply = chartservice_test::Get(ServerPort(), target);
        if (reply.status != 200) {
            state.SkipWithError("a request failed");
            break;
        }
        benchmark::DoNotOptimize(reply.body.data());
    }
    state.SetItemsProcessed(state.iterations());
}

// 200 pixels is the palette's usual size, 1000 the largest the service draws.
BENCHMARK(BM_ChartRequests)->Arg(200)->Arg(1000)->Threads(8)->UseRealTime();

}  // namespace
