#pragma once

#include <thread>
#include <vector>

namespace chartservice_bench {

// The floor under any HTTP server here: threads that take a connection on 127.0.0.1, read up
// to the empty line, send a fixed two-byte answer and close; nothing parsed, nothing drawn.
class BareLoopbackServer {
  public:
    explicit BareLoopbackServer(int threads);
    ~BareLoopbackServer();
    BareLoopbackServer(const BareLoopbackServer&) = delete;
    BareLoopbackServer& operator=(const BareLoopbackServer&) = delete;

    int Port() const { return port_; }

  private:
    void Serve();

    int listener_ = -1;
    int port_ = 0;
    std::vector<std::thread> threads_;
};

}  // namespace chartservice_bench
