#include "framework/net/Connection.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace fw {

Connection::~Connection() { Close(); }

std::vector<Connection::Endpoint> Connection::Resolve(const String& host, std::uint16_t port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    std::vector<Endpoint> endpoints;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return endpoints;
    }
    for (const addrinfo* entry = found; entry; entry = entry->ai_next) {
        Endpoint endpoint;
        if (entry->ai_addrlen > sizeof endpoint.address) continue;
        std::memcpy(&endpoint.address, entry->ai_addr, entry->ai_addrlen);
        endpoint.length = entry->ai_addrlen;
        endpoints.push_back(endpoint);
    }
    ::freeaddrinfo(found);
    return endpoints;
}

HTTPError Connection::Start(const String& host, std::uint16_t port) {
    std::vector<Endpoint> endpoints = Resolve(host, port);
    if (endpoints.empty()) return HTTPError::NameNotResolved;
    return Start(std::move(endpoints));
}

HTTPError Connection::Start(std::vector<Endpoint> endpoints) {
    endpoints_ = std::move(endpoints);
    next_ = 0;
    return ConnectToNextAddress() ? HTTPError::None : HTTPError::ConnectFailed;
}

bool Connection::ConnectToNextAddress() {
    Close();
    while (next_ < endpoints_.size()) {
        const Endpoint& endpoint = endpoints_[next_++];
        socket_ =
            ::socket(endpoint.address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (socket_ < 0) continue;
        int started = ::connect(socket_, reinterpret_cast<const sockaddr*>(&endpoint.address),
                                endpoint.length);
        if (started == 0 || errno == EINPROGRESS) {
            // Even a connection made at once is reported by the next Wait, as writable.
            state_ = State::Connecting;
            return true;
        }
        Close();
    }
    return false;
}

Connection::Readiness Connection::Wait(int timeoutMs) {
    Readiness readiness;
    if (state_ == State::Closed) return readiness;
    pollfd watched{socket_, POLLOUT, 0};
    if (state_ == State::Up) watched.events = unsent_.empty() ? POLLIN : POLLIN | POLLOUT;
    if (::poll(&watched, 1, timeoutMs) <= 0) return readiness;
    if (state_ == State::Connecting) {
        FinishConnecting(readiness);
        return readiness;
    }
    if (watched.revents & POLLOUT) SendWaitingBytes();
    readiness.readable = (watched.revents & (POLLIN | POLLHUP | POLLERR)) != 0;
    return readiness;
}

void Connection::FinishConnecting(Readiness& readiness) {
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(socket_, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
        state_ = State::Up;
        readiness.cameUp = true;
    } else if (!ConnectToNextAddress()) {
        readiness.failure = HTTPError::ConnectFailed;
    }
}

void Connection::Send(std::string_view bytes) {
    unsent_.append(bytes);
    SendWaitingBytes();
}

void Connection::SendWaitingBytes() {
    while (!unsent_.empty()) {
        ssize_t sent = ::send(socket_, unsent_.data(), unsent_.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        if (sent <= 0) {
            unsent_.clear();
            return;
        }
        unsent_.erase(0, static_cast<std::size_t>(sent));
    }
}

Connection::Received Connection::Read(char* buffer, std::size_t capacity) {
    if (state_ != State::Up) return {0, true};
    for (;;) {
        ssize_t size = ::recv(socket_, buffer, capacity, 0);
        if (size > 0) return {static_cast<std::size_t>(size), false};
        if (size == 0) return {0, true};
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return {0, false};
        return {0, true};
    }
}

void Connection::Close() {
    if (socket_ >= 0) ::close(socket_);
    socket_ = -1;
    state_ = State::Closed;
    unsent_.clear();
}

}  // namespace fw
