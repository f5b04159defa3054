#pragma once

#include <memory>
#include <string>

#include "chartservice/RequestLimits.h"

namespace chartservice {

// The port a server listens on, or why it could not listen.
struct ServerBinding {
    int port = 0;
    std::string error;  // empty when listening

    explicit operator bool() const { return error.empty(); }
};

// The chart service over HTTP: GET or HEAD /chart answers as AnswerChartQuery says, whatever
// other headers (Range, If-Range and the like) the request carries; any other path gets 404, a
// request with a body 413, a request line longer than the limits allow 414, a larger header
// block 431, a malformed one 400, a request that does not arrive within the deadline from its
// accept 408, a failure inside the service 500; every such answer carries a one-line
// text/plain reason. Each connection carries one request and is then closed.
//
// One thread holds the connections until their header blocks are whole (ConnectionGate), so
// slow clients cost descriptors, not workers; whole requests are served by libmicrohttpd on
// a pool of epoll threads.
class ChartServer {
  public:
    explicit ChartServer(RequestLimits limits = {});
    ~ChartServer();
    ChartServer(const ChartServer&) = delete;
    ChartServer& operator=(const ChartServer&) = delete;

    // Starts listening on the host (a name or a numeric address) and port; port 0 takes a free
    // one. Connections wait in the queue until Run. Refused, with the system's reason, when the
    // address cannot be had, also when another socket already listens on it.
    ServerBinding Bind(const std::string& host, int port);

    // Serves until Stop; returns at once when Bind has not succeeded or Stop came first.
    // Requests still in progress at Stop are cut off.
    void Run();

    // Makes Run return; may be called from any thread, at any time, more than once.
    void Stop();

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace chartservice
