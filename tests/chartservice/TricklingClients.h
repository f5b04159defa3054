#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace chartservice_test {

// Connections to 127.0.0.1:port, each sending its request one byte every `interval` on a
// thread of their own, a request that would never end, and reading what the server answers
// until it closes. With `reopen`, a connection the server closes is replaced at once, so
// `count` stay open; without, each is opened once.
class TricklingClients {
  public:
    // What became of one connection.
    struct Connection {
        std::chrono::steady_clock::time_point opened;
        std::optional<std::chrono::steady_clock::time_point> closed;  // by the server
        std::string answer;                                           // what the server sent
    };

    // Opens the first `count` connections before it returns.
    TricklingClients(int port, int count, std::chrono::milliseconds interval, bool reopen);
    // Closes what is still open.
    ~TricklingClients();
    TricklingClients(const TricklingClients&) = delete;
    TricklingClients& operator=(const TricklingClients&) = delete;

    // Every connection opened so far, in order, as it stands now.
    std::vector<Connection> Connections() const;
    // How many of them the server has closed.
    int ClosedCount() const;

  private:
    struct Open {
        int fd;
        std::size_t record;  // index into connections_
        std::size_t sent = 0;
        std::chrono::steady_clock::time_point nextByte;
    };

    bool OpenOne();
    void Trickle();
    // Reads what is there; false once the server has closed.
    bool ReadAnswer(Open& open);

    int port_;
    std::chrono::milliseconds interval_;
    bool reopen_;
    std::vector<Open> open_;  // the trickling thread's only, once it runs
    mutable std::mutex mutex_;
    std::vector<Connection> connections_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace chartservice_test
