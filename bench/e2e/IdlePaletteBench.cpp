// The palette left idle with its front-application watch running: CPU of this process and of
// the scripts it ran, over wall time, beside the CPU of bare spawns measured in the same run.
// Run: build-bench/bin/idlepalette_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "BareCalls.h"
#include "CountingScriptRunner.h"
#include "PaletteSession.h"
#include "ProgramRun.h"
#include "support/TempFolder.h"

namespace {

constexpr int kFrontmostScript = 169;
constexpr int kBaselineSpawns = 200;
// Long enough that the first ticks after the start (the window being laid out) do not count.
constexpr int kSettleMs = 1500;
// Fifteen ticks of the watch, so that one slow tick does not make the figure.
constexpr int kIdleMs = 15000;

// Lets the event loop run, without a spin, for that long.
void RunLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// The CPU of one bare spawn of the program, this process's side and the child's, in ms.
double SpawnCpuMs(const std::string& program) {
    const double before = bare_calls::ProcessCpuMs();
    for (int i = 0; i < kBaselineSpawns; ++i) bench::RunProgram(program);
    return (bare_calls::ProcessCpuMs() - before) / kBaselineSpawns;
}

struct IdleFigures {
    double selfCpuMs = 0;
    double childrenCpuMs = 0;
    double wallMs = 0;
    int ticks = 0;
};

// state.range(0): 1 when the host folder's frontmost names the drawing application, 0 when the
// host folder is absent.
void BM_IdlePalette(benchmark::State& state) {
    const bool frontmost = state.range(0) == 1;
    double spawnCpuMs = 0;
    double frontmostCpuMs = 0;
    IdleFigures figures;
    for (auto _ : state) {
        auto runner = std::make_shared<CountingScriptRunner>();
        // No chart request is made while idle: no chart service runs.
        PaletteSession session(0, runner);
        if (frontmost) {
            vemo_test::WriteWholeFile(session.Host("frontmost"), "Illustrator\n");
        } else {
            std::filesystem::remove_all(session.Host(""));
        }
        spawnCpuMs = SpawnCpuMs("/bin/true");
        frontmostCpuMs = SpawnCpuMs(fw::ProcessHostScriptRunner::DefaultScriptFolder() + "/169");
        bool shown = false;
        const int status = session.Run([&](Window1& palette) {
            RunLoopFor(kSettleMs);
            const int ticksBefore = runner->RunsOf(kFrontmostScript);
            const double selfBefore = bare_calls::SelfCpuMs();
            const double childrenBefore = bare_calls::ChildrenCpuMs();
            const auto start = std::chrono::steady_clock::now();
            RunLoopFor(kIdleMs);
            figures.wallMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            figures.selfCpuMs = bare_calls::SelfCpuMs() - selfBefore;
            figures.childrenCpuMs = bare_calls::ChildrenCpuMs() - childrenBefore;
            figures.ticks = runner->RunsOf(kFrontmostScript) - ticksBefore;
            shown = palette.Visible();
        });
        state.SetIterationTime(figures.wallMs / 1e3);
        if (status != 0 || !shown || figures.ticks == 0) {
            state.SkipWithError("the palette did not stay shown with its watch running");
            break;
        }
    }
    const double cpuMs = figures.selfCpuMs + figures.childrenCpuMs;
    state.counters["core_percent"] = 100 * cpuMs / figures.wallMs;
    state.counters["ticks"] = figures.ticks;
    state.counters["tick_cpu_ms"] = cpuMs / figures.ticks;
    state.counters["tick_palette_ms"] = figures.selfCpuMs / figures.ticks;
    state.counters["tick_script_ms"] = figures.childrenCpuMs / figures.ticks;
    state.counters["spawn_cpu_ms"] = spawnCpuMs;
    state.counters["bare169_cpu_ms"] = frontmostCpuMs;
}
BENCHMARK(BM_IdlePalette)
    ->ArgName("frontmost")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// The floor of the watch: 169 started bare once a second, with no palette and no event loop,
// so every start is as cold as a tick's.
void BM_Bare169EverySecond(benchmark::State& state) {
    vemo_test::TempFolder host;
    ::setenv("VEMO_HOST_DIR", host.Path().c_str(), 1);
    vemo_test::WriteWholeFile((host / "frontmost").string(), "Illustrator\n");
    const std::string program = fw::ProcessHostScriptRunner::DefaultScriptFolder() + "/169";
    const int calls = kIdleMs / 1000;
    double cpuMs = 0;
    for (auto _ : state) {
        const double before = bare_calls::ProcessCpuMs();
        auto next = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i) {
            bench::RunProgram(program);
            next += std::chrono::seconds(1);
            std::this_thread::sleep_until(next);
        }
        cpuMs = bare_calls::ProcessCpuMs() - before;
    }
    ::unsetenv("VEMO_HOST_DIR");
    state.counters["core_percent"] = 100 * cpuMs / kIdleMs;
    state.counters["call_cpu_ms"] = cpuMs / calls;
}
BENCHMARK(BM_Bare169EverySecond)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace
