#include "chartservice/ConnectionGate.h"

#include <sys/epoll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <string>

#include "chartservice/HeaderBlock.h"
#include "chartservice/Refusal.h"

namespace chartservice {
namespace {

constexpr unsigned kConnectionEvents = EPOLLIN | EPOLLRDHUP | EPOLLET;
// How long what a refused peer still sends is read before its socket closes: closing with
// unread bytes would reset the connection and could destroy the answer before the peer has
// read it.
constexpr std::chrono::milliseconds kLinger{250};
constexpr int kEventsPerWait = 256;
// How often accepting is tried again while the process is out of descriptors.
constexpr std::chrono::milliseconds kAcceptRetry{100};

}  // namespace

ConnectionGate::ConnectionGate(int listener, int stopSignal, RequestLimits limits,
                               Handover handover)
    : listener_(listener),
      stopSignal_(stopSignal),
      limits_(limits),
      handover_(std::move(handover)),
      peeked_(limits.headerBlockBytes + 1) {}

ConnectionGate::~ConnectionGate() {
    for (const auto& [socket, held] : held_) ::close(socket);
    if (epoll_ >= 0) ::close(epoll_);
}

bool ConnectionGate::Watch(int socket, unsigned events) {
    epoll_event event{};
    event.events = events;
    event.data.fd = socket;
    return ::epoll_ctl(epoll_, EPOLL_CTL_ADD, socket, &event) == 0;
}

bool ConnectionGate::Run() {
    epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
    if (epoll_ < 0 || !Watch(listener_, EPOLLIN) || !Watch(stopSignal_, EPOLLIN)) return false;
    std::array<epoll_event, kEventsPerWait> events;
    for (;;) {
        int ready = ::epoll_wait(epoll_, events.data(), kEventsPerWait, MillisecondsToNextWake());
        if (ready < 0 && errno != EINTR) return false;
        for (int i = 0; i < ready; ++i) {
            int socket = events[i].data.fd;
            if (socket == stopSignal_) return true;
            if (socket == listener_) {
                AcceptAll();
            } else {
                OnReady(socket, events[i].events);
            }
        }
        ExpireDeadlines();
        if (acceptResumes_ && Clock::now() >= *acceptResumes_) ResumeAccepting();
    }
}

void ConnectionGate::AcceptAll() {
    for (;;) {
        Held held;
        int socket = ::accept4(listener_, reinterpret_cast<sockaddr*>(&held.peer), &held.length,
                               SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket >= 0) {
            Hold(socket, held);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED) continue;
        if (errno == EMFILE || errno == ENFILE) {
            // Out of descriptors: leave the rest in the backlog for a while.
            epoll_event paused{};
            paused.data.fd = listener_;
            if (::epoll_ctl(epoll_, EPOLL_CTL_MOD, listener_, &paused) == 0) {
                acceptResumes_ = Clock::now() + kAcceptRetry;
            }
        }
        return;
    }
}

void ConnectionGate::Hold(int socket, const Held& held) {
    if (!Watch(socket, kConnectionEvents)) {
        ::close(socket);
        return;
    }
    held_.emplace(socket, held);
    SetDeadline(socket, Clock::now() + limits_.deadline);
    // The request often arrives with the connection.
    Screen(socket, 0);
}

void ConnectionGate::OnReady(int socket, unsigned events) {
    auto found = held_.find(socket);
    if (found == held_.end()) return;
    if (found->second.answered) {
        Drain(socket);
    } else {
        Screen(socket, events);
    }
}

// Looks at what has arrived without taking it, so the server it is handed to reads the request
// from the socket as it came.
void ConnectionGate::Screen(int socket, unsigned events) {
    ssize_t got = ::recv(socket, peeked_.data(), peeked_.size(), MSG_PEEK);
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
    if (got <= 0) {
        Close(socket);
        return;
    }
    auto received = static_cast<std::size_t>(got);
    HeaderBlock block = ScreenHeaderBlock(std::string_view(peeked_.data(), received), limits_);
    if (block == HeaderBlock::Complete) {
        HandOver(socket, received);
    } else if (block != HeaderBlock::Incomplete) {
        Refuse(socket, RefusalStatus(block));
    } else if ((events & (EPOLLRDHUP | EPOLLHUP | EPOLLERR)) != 0) {
        // The peer has ended its side: take what it sent, so the close is a clean one, not a
        // reset.
        Drain(socket);
    }
}

void ConnectionGate::Refuse(int socket, int status) {
    // A few hundred bytes into an empty send buffer: they go out whole or the peer is gone.
    std::string answer = RefusalAnswer(status);
    ::send(socket, answer.data(), answer.size(), MSG_NOSIGNAL);
    ::shutdown(socket, SHUT_WR);
    held_[socket].answered = true;
    SetDeadline(socket, Clock::now() + kLinger);
    Drain(socket);
}

void ConnectionGate::Drain(int socket) {
    std::array<char, 16384> discard;
    for (;;) {
        ssize_t got = ::recv(socket, discard.data(), discard.size(), 0);
        if (got > 0) continue;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        Close(socket);
        return;
    }
}

void ConnectionGate::ExpireDeadlines() {
    Clock::time_point now = Clock::now();
    while (!deadlines_.empty() && deadlines_.begin()->first <= now) {
        int socket = deadlines_.begin()->second;
        if (held_[socket].answered) {
            Close(socket);
        } else {
            Refuse(socket, 408);
        }
    }
}

// Until the next deadline, or the next try to accept while out of descriptors.
int ConnectionGate::MillisecondsToNextWake() const {
    std::optional<Clock::time_point> next = acceptResumes_;
    if (!deadlines_.empty() && (!next || deadlines_.begin()->first < *next)) {
        next = deadlines_.begin()->first;
    }
    if (!next) return -1;
    auto left = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

void ConnectionGate::SetDeadline(int socket, Clock::time_point deadline) {
    Held& held = held_[socket];
    deadlines_.erase({held.deadline, socket});
    held.deadline = deadline;
    deadlines_.emplace(deadline, socket);
}

void ConnectionGate::ResumeAccepting() {
    epoll_event resumed{};
    resumed.events = EPOLLIN;
    resumed.data.fd = listener_;
    if (::epoll_ctl(epoll_, EPOLL_CTL_MOD, listener_, &resumed) == 0) acceptResumes_.reset();
}

// Stops holding the socket without closing it.
ConnectionGate::Held ConnectionGate::Forget(int socket) {
    ::epoll_ctl(epoll_, EPOLL_CTL_DEL, socket, nullptr);
    auto found = held_.find(socket);
    Held held = found->second;
    deadlines_.erase({held.deadline, socket});
    held_.erase(found);
    return held;
}

void ConnectionGate::HandOver(int socket, std::size_t received) {
    Held held = Forget(socket);
    handover_(socket, reinterpret_cast<const sockaddr*>(&held.peer), held.length, received);
}

void ConnectionGate::Close(int socket) {
    Forget(socket);
    ::close(socket);
}

}  // namespace chartservice
