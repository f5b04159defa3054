#include "BareCalls.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <vector>

#include "ProgramRun.h"
#include "chartservice/LoopbackHttp.h"

namespace bare_calls {
namespace {

double Milliseconds(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

double CpuMs(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

}  // namespace

void SpawnTrue() { bench::RunProgram("/bin/true"); }

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
