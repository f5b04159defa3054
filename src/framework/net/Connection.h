#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include <sys/socket.h>

#include "framework/net/HTTPError.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// One TCP connection over a non-blocking POSIX socket, to the first address of a host that
// accepts it. Nothing here blocks except Resolve (the system resolver, for as long as it takes)
// and Wait, and Wait no longer than it is told.
class Connection {
  public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    struct Endpoint {
        sockaddr_storage address{};
        socklen_t length = 0;
    };

    // The addresses of a host, in the resolver's order; none when the name gives none. Blocks
    // until the resolver answers, with no deadline of ours.
    static std::vector<Endpoint> Resolve(const String& host, std::uint16_t port);

    // Resolves the host (blocking, as Resolve) and starts connecting to its first address.
    // NameNotResolved when the name gives no address; ConnectFailed when no address takes a
    // connection attempt.
    HTTPError Start(const String& host, std::uint16_t port);

    // Starts connecting to the first of `endpoints`; while connecting, one that refuses is
    // given up for the next. ConnectFailed when none takes a connection attempt.
    HTTPError Start(std::vector<Endpoint> endpoints);

    bool IsUp() const { return state_ == State::Up; }

    struct Readiness {
        bool cameUp = false;                  // the connection came up during this wait
        bool readable = false;                // bytes, or the connection's end, wait to be read
        HTTPError failure = HTTPError::None;  // every address refused: ConnectFailed
    };

    // Blocks in poll() until the socket is ready or `timeoutMs` has passed. While connecting,
    // an address that refuses is given up for the next one. Unsent bytes go out as the socket
    // takes them.
    Readiness Wait(int timeoutMs);

    // Sends what the socket takes at once and keeps the rest for Wait. Bytes that a broken
    // connection will not take are dropped: the end then shows in Read.
    void Send(std::string_view bytes);

    struct Received {
        std::size_t size = 0;  // 0 and not ended: nothing waits just now
        bool ended = false;    // closed by the peer, or broken
    };

    Received Read(char* buffer, std::size_t capacity);

    void Close();

  private:
    enum class State { Closed, Connecting, Up };

    bool ConnectToNextAddress();
    void FinishConnecting(Readiness& readiness);
    void SendWaitingBytes();

    std::vector<Endpoint> endpoints_;
    std::size_t next_ = 0;
    int socket_ = -1;
    State state_ = State::Closed;
    String unsent_;
};

}  // namespace fw
