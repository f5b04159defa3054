#pragma once

#include <memory>
#include <string>

#include "chartservice/BoundedSocketStream.h"

namespace chartservice {

// The port a server listens on, or why it could not listen.
struct ServerBinding {
    int port = 0;
    std::string error;  // empty when listening

    explicit operator bool() const { return error.empty(); }
};

// The chart service over HTTP (cpp-httplib): GET or HEAD /chart answers as AnswerChartQuery
// says; any other path gets 404, a request with a body 413, a request line longer than the
// limits allow 414, a larger header block 431, a request that does not arrive in time 408, a
// failure inside the service 500; every such answer carries a one-line text/plain reason. Each
// connection carries one request and is then closed. Requests are served in parallel on
// httplib's thread pool.
class ChartServer {
  public:
    explicit ChartServer(StreamLimits limits = {});
    ~ChartServer();
    ChartServer(const ChartServer&) = delete;
    ChartServer& operator=(const ChartServer&) = delete;

    // Starts listening on the host (a name or a numeric address) and port; port 0 takes a free
    // one. Connections wait in the queue until Run. Refused, with the system's reason, when the
    // address cannot be had, also when another socket already listens on it.
    ServerBinding Bind(const std::string& host, int port);

    // Serves until Stop; returns at once when Bind has not succeeded or Stop came first.
    // Connections taken before Stop are served first, so a client still sending its request
    // can hold the return up to the read deadline.
    void Run();

    // Makes Run return; may be called from any thread, at any time, more than once.
    void Stop();

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace chartservice
