#include "qrworkflow/ChartHost.h"

#include <utility>

namespace {

fw::String& Host() {
    static fw::String host = VEMO_CHART_HOST;
    return host;
}

}  // namespace

fw::String ChartHost() { return Host(); }

fw::String SetChartHost(const fw::String& host) { return std::exchange(Host(), host); }
