#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace chartservice_bench {

// 200 connections that each send one byte a second, replaced as the server closes them, for
// 15 s against the qrchartd program; meanwhile a ninth client sends good requests one after
// the other. Counters: the good requests' latency (p50, p99, max in ms), how many were answered
// and how many failed, how many slow connections the server closed, and the server's memory
// (VmRSS at the end and VmHWM, the peak, in MB).
void BM_SlowClientAttack(benchmark::State& state, const std::string& program);

}  // namespace chartservice_bench
