#pragma once

#include <stdexcept>
#include <thread>

#include "chartservice/ChartServer.h"

namespace chartservice_test {

// A chart server in this process on a free port of 127.0.0.1, run on a thread of its own
// until this goes. Throws std::runtime_error when it cannot listen.
class LoopbackChartServer {
  public:
    explicit LoopbackChartServer(chartservice::RequestLimits limits = {}) : server_(limits) {
        auto binding = server_.Bind("127.0.0.1", 0);
        if (!binding) throw std::runtime_error(binding.error);
        port_ = binding.port;
        thread_ = std::thread([this] { server_.Run(); });
    }
    ~LoopbackChartServer() {
        server_.Stop();
        thread_.join();
    }
    LoopbackChartServer(const LoopbackChartServer&) = delete;
    LoopbackChartServer& operator=(const LoopbackChartServer&) = delete;

    int Port() const { return port_; }

  private:
    chartservice::ChartServer server_;
    int port_ = 0;
    std::thread thread_;
};

}  // namespace chartservice_test
