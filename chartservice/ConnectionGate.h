#pragma once

#include <sys/socket.h>

#include <chrono>
#include <functional>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "chartservice/RequestLimits.h"

namespace chartservice {

// Accepts connections and holds each, on one thread, until its whole header block has arrived
// within the limits and the deadline counted from its accept; only then is it handed over, the
// bytes still unread in the socket. A held connection costs a descriptor and a few bytes here,
// no thread, however slowly it sends. A block that breaks the limits or the form is refused
// here with its status (400, 413, 414, 431) and a one-line reason, one that does not arrive in
// time gets 408, and a peer that ends its side before the block is closed without a word.
class ConnectionGate {
  public:
    // Takes the connection's socket (non-blocking), the peer's address and how many bytes it
    // has sent so far (the header block and what followed it); owns the socket.
    using Handover = std::function<void(int socket, const sockaddr* peer, socklen_t length,
                                        std::size_t received)>;

    // `listener` is a listening, non-blocking socket; Run ends once `stopSignal` (an eventfd
    // or pipe end) is readable. Both stay the caller's.
    ConnectionGate(int listener, int stopSignal, RequestLimits limits, Handover handover);
    // Closes what is still held.
    ~ConnectionGate();
    ConnectionGate(const ConnectionGate&) = delete;
    ConnectionGate& operator=(const ConnectionGate&) = delete;

    // Serves until the stop signal; false when epoll could not be set up or failed.
    bool Run();

  private:
    using Clock = std::chrono::steady_clock;

    struct Held {
        sockaddr_storage peer{};
        socklen_t length = sizeof peer;
        bool answered = false;  // a refusal went out; what still comes is read and dropped
        Clock::time_point deadline;
    };

    bool Watch(int socket, unsigned events);
    void AcceptAll();
    void ResumeAccepting();
    void Hold(int socket, const Held& held);
    void OnReady(int socket, unsigned events);
    void Screen(int socket, unsigned events);
    void Refuse(int socket, int status);
    void Drain(int socket);
    void ExpireDeadlines();
    int MillisecondsToNextWake() const;
    Held Forget(int socket);
    void HandOver(int socket, std::size_t received);
    void Close(int socket);
    void SetDeadline(int socket, Clock::time_point deadline);

    int listener_;
    int stopSignal_;
    RequestLimits limits_;
    Handover handover_;
    int epoll_ = -1;
    std::optional<Clock::time_point> acceptResumes_;  // while out of descriptors
    std::unordered_map<int, Held> held_;
    std::set<std::pair<Clock::time_point, int>> deadlines_;
    std::vector<char> peeked_;
};

}  // namespace chartservice
