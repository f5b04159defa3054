#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vemo_test {

// The server's side of one accepted connection, as the steps of a script see it.
class Peer {
  public:
    using Recorder = std::function<void(const std::string& request)>;
    Peer(int socket, int stopSignal, Recorder record)
        : socket_(socket), stopSignal_(stopSignal), record_(std::move(record)) {}

    // Reads until the request's empty line (CR LF CR LF), the client's end, 64 KiB or the
    // server's stop; records what arrived and gives it back.
    std::string ReadRequest();
    // False when the client is gone or the server stops.
    bool Send(const std::string& bytes);
    // False when the server stops during the pause.
    bool Pause(std::chrono::milliseconds pause);
    // Ends the connection with a reset rather than an orderly close.
    void Reset();

  private:
    bool WaitFor(short events, int timeoutMs);

    int socket_;
    int stopSignal_;
    Recorder record_;
};

// A step of a script: false ends the script early.
using Step = std::function<bool(Peer&)>;
using Script = std::vector<Step>;

Step ReadRequest();
Step Send(std::string bytes);
// `bytes` in pieces of `pieceSize`, with `pause` before every piece after the first.
Step SendInPieces(std::string bytes, std::size_t pieceSize, std::chrono::milliseconds pause);
Step Pause(std::chrono::milliseconds pause);
// Keeps the connection open, silent, until the server stops.
Step HoldOpen();
// `count` bytes of PatternByte, sent piece by piece without holding them all.
Step StreamPattern(std::uint64_t count);
Step Reset();

// The byte at `offset` of StreamPattern's stream: not periodic within a short span, so a lost,
// doubled or reordered piece shows.
char PatternByte(std::uint64_t offset);

// "HTTP/1.0 <status line>" CR LF, the headers, an empty line, then the body.
std::string Answer(const std::string& statusLine, const std::vector<std::string>& headers,
                   const std::string& body);

// A TCP server on 127.0.0.1 with a port of its own. It serves connections one after the
// other: the n-th runs the n-th script (the last one for all after it), and the connection is
// closed when its script ends. It stops when the object goes.
class ScriptedServer {
  public:
    explicit ScriptedServer(std::vector<Script> scripts);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    std::uint16_t Port() const { return port_; }
    std::string HostAndPort() const;
    // "http://127.0.0.1:<port>" and the path and query.
    std::string Url(const std::string& pathAndQuery) const;

    // What each connection's ReadRequest received, in order.
    std::vector<std::string> Requests() const;
    int ConnectionsAccepted() const { return accepted_; }

  private:
    void Serve();
    void RunScript(int socket);

    std::vector<Script> scripts_;
    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    std::uint16_t port_ = 0;
    std::atomic<int> accepted_ = 0;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens, so a connection to it is refused.
std::uint16_t ClosedPort();

// A listening socket whose queue is full and which never accepts, so a connection to it never
// comes up.
class FullListener {
  public:
    FullListener();
    ~FullListener();
    FullListener(const FullListener&) = delete;
    FullListener& operator=(const FullListener&) = delete;

    std::string Url(const std::string& pathAndQuery) const;

  private:
    int listener_ = -1;
    int filler_ = -1;
    std::uint16_t port_ = 0;
};

}  // namespace vemo_test
