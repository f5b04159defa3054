#include "SlowClientAttack.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <vector>

#include "chartservice/LoopbackHttp.h"
#include "chartservice/QrchartdProcess.h"
#include "chartservice/TricklingClients.h"

namespace chartservice_bench {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kSlowConnections = 200;
constexpr auto kAttack = 15s;

// A field of /proc/PID/status in kB ("VmRSS", "VmHWM"), or -1.
double StatusKilobytes(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string name;
    while (status >> name) {
        if (name == field + ":") {
            double kilobytes = -1;
            status >> kilobytes;
            return kilobytes;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

double Percentile(const std::vector<double>& sorted, double fraction) {
    if (sorted.empty()) return -1;
    auto index = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
    return sorted[index];
}

}  // namespace

void BM_SlowClientAttack(benchmark::State& state, const std::string& program) {
    chartservice_test::QrchartdProcess server(program, {"--port", "0"});
    if (server.Port() == 0) {
        state.SkipWithError("qrchartd did not start");
        return;
    }
    const std::string target = "/chart?cht=qr&chs=200x200&chl=good";
    std::vector<double> latencies;
    int failed = 0;
    int closedBySlowServer = 0;
    for (auto _ : state) {
        chartservice_test::TricklingClients slow(server.Port(), kSlowConnections, 1s, true);
        Clock::time_point end = Clock::now() + kAttack;
        while (Clock::now() < end) {
            Clock::time_point start = Clock::now();
            auto reply = chartservice_test::Get(server.Port(), target);
            std::chrono::duration<double, std::milli> took = Clock::now() - start;
            if (reply.status == 200) {
                latencies.push_back(took.count());
            } else {
                ++failed;
            }
        }
        closedBySlowServer = slow.ClosedCount();
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["p50_ms"] = Percentile(latencies, 0.50);
    state.counters["p99_ms"] = Percentile(latencies, 0.99);
    state.counters["max_ms"] = latencies.empty() ? -1 : latencies.back();
    state.counters["answered"] = static_cast<double>(latencies.size());
    state.counters["failed"] = failed;
    state.counters["slow_closed"] = closedBySlowServer;
    state.counters["rss_mb"] = StatusKilobytes(server.Pid(), "VmRSS") / 1024;
    state.counters["hwm_mb"] = StatusKilobytes(server.Pid(), "VmHWM") / 1024;
}

}  // namespace chartservice_bench
