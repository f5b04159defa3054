// A create run of 1000 items through the real palette, qrchartd and host scripts, timed from
// the click to the end of the run, beside a bare spawn and a bare chart GET measured in the
// same run. Run: build-bench/bin/createrun_bench
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <chrono>
#include <sstream>
#include <string>

#include "BareCalls.h"
#include "PaletteSession.h"
#include "chartservice/QrchartdProcess.h"
#include "hostscripts/SvgDocument.h"
#include "support/TempFolder.h"
#include "support/WidgetLookup.h"

namespace {

constexpr int kItems = 1000;
constexpr int kBaselineCalls = 201;
// The popups' rows: UTF-8, level M, 200 pixels.
constexpr int kEncodingRow = 1;
constexpr int kLevelRow = 1;
constexpr int kSizeRow = 2;

// `text<n>` at a place of its own on a grid, as the host hands a selection over.
std::string Selection() {
    std::string selection;
    for (int i = 0; i < kItems; ++i) {
        if (i > 0) selection += "<Mipo2011br>";
        selection += "text" + std::to_string(i) + "<Mipo2011>" + std::to_string(20 + i % 40 * 220) +
                     "<Mipo2011>" + std::to_string(20 + i / 40 * 220);
    }
    return selection;
}

// Why the run's outcome is not every item placed once, or the empty text when it is.
std::string WhatWentWrong(const PaletteSession& session, int status) {
    if (status != 0) return "the palette exited with " + std::to_string(status);
    if (!session.Messages().empty()) return "the palette said: " + session.Messages().front();
    const auto document =
        vemo_test::SvgDocument::Parse(vemo_test::ReadWholeFile(session.Host("document.svg")));
    if (!document.error.empty()) return "document.svg: " + document.error;
    if (document.images.size() != kItems) {
        return "document.svg holds " + std::to_string(document.images.size()) + " images";
    }
    std::istringstream log(vemo_test::ReadWholeFile(session.Host("placed.log")));
    int lines = 0;
    for (std::string line; std::getline(log, line);) ++lines;
    if (lines != kItems) return "placed.log holds " + std::to_string(lines) + " lines";
    return {};
}

// What one click cost: wall time, and CPU of this process and of the scripts it ran.
struct RunFigures {
    double seconds = 0;
    double paletteCpuMs = 0;
    double scriptCpuMs = 0;
};

// Clicks the create button with the rows chosen and waits for the run to end.
RunFigures TimedClick(Window1& palette) {
    palette.RequiredPOP1(0).SetListIndex(kEncodingRow);
    palette.RequiredPOP1(1).SetListIndex(kLevelRow);
    palette.RequiredPOP1(2).SetListIndex(kSizeRow);
    auto* button = qobject_cast<QAbstractButton*>(FindWidget("makeqr"));
    if (!button) return {};
    const double selfBefore = bare_calls::SelfCpuMs();
    const double childrenBefore = bare_calls::ChildrenCpuMs();
    const auto start = std::chrono::steady_clock::now();
    button->click();
    return {
        .seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
        .paletteCpuMs = bare_calls::SelfCpuMs() - selfBefore,
        .scriptCpuMs = bare_calls::ChildrenCpuMs() - childrenBefore};
}

void BM_CreateRun(benchmark::State& state) {
    chartservice_test::QrchartdProcess chart;
    if (chart.Port() <= 0) {
        state.SkipWithError("qrchartd did not start");
        return;
    }
    const std::string target = "/chart?cht=qr&chs=200x200&choe=UTF-8&chl=text500&chld=M";
    const double spawnMs = bare_calls::MedianMs(kBaselineCalls, bare_calls::SpawnTrue);
    const double getMs =
        bare_calls::MedianMs(kBaselineCalls, [&] { bare_calls::ChartGet(chart.Port(), target); });
    const std::string selection = Selection();
    RunFigures run;
    for (auto _ : state) {
        PaletteSession session(chart.Port());
        vemo_test::WriteWholeFile(session.Host("selection.txt"), selection);
        const int status = session.Run([&](Window1& palette) { run = TimedClick(palette); });
        state.SetIterationTime(run.seconds);
        if (const std::string wrong = WhatWentWrong(session, status); !wrong.empty()) {
            state.SkipWithError(wrong.c_str());
            break;
        }
    }
    const double itemMs = run.seconds * 1e3 / kItems;
    state.counters["total_s"] = run.seconds;
    state.counters["item_ms"] = itemMs;
    state.counters["item_palette_cpu_ms"] = run.paletteCpuMs / kItems;
    state.counters["item_script_cpu_ms"] = run.scriptCpuMs / kItems;
    state.counters["spawn_ms"] = spawnMs;
    state.counters["get_ms"] = getMs;
    state.counters["item_per_spawn_get"] = itemMs / (spawnMs + getMs);
}
BENCHMARK(BM_CreateRun)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace
