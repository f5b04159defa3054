#include "chartservice/BoundedSocketStream.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace chartservice {
namespace {

constexpr std::size_t kChunk = 4096;

// Waits until the socket is ready for `events` or the time is up; false on time-out or error.
bool WaitFor(int socket, short events, int milliseconds) {
    pollfd entry{socket, events, 0};
    for (;;) {
        int ready = ::poll(&entry, 1, std::max(milliseconds, 0));
        if (ready >= 0) return ready > 0;
        if (errno != EINTR) return false;
    }
}

void AddressText(const sockaddr_storage& address, socklen_t length, std::string& ip, int& port) {
    char host[NI_MAXHOST];
    char service[NI_MAXSERV];
    if (::getnameinfo(reinterpret_cast<const sockaddr*>(&address), length, host, sizeof host,
                      service, sizeof service, NI_NUMERICHOST | NI_NUMERICSERV) == 0) {
        ip = host;
        port = std::atoi(service);
    }
}

}  // namespace

BoundedSocketStream::BoundedSocketStream(int socket, StreamLimits limits)
    : socket_(socket),
      limits_(limits),
      deadline_(std::chrono::steady_clock::now() + limits.readDeadline) {}

int BoundedSocketStream::MillisecondsLeft() const {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline_ - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

bool BoundedSocketStream::is_readable() const {
    return bufferStart_ < buffer_.size() || WaitFor(socket_, POLLIN, MillisecondsLeft());
}

bool BoundedSocketStream::is_writable() const {
    return WaitFor(socket_, POLLOUT, static_cast<int>(limits_.writeTimeout.count()));
}

ssize_t BoundedSocketStream::Receive() {
    std::size_t allowed = limits_.maxRequestBytes - std::min(received_, limits_.maxRequestBytes);
    if (allowed == 0 || !WaitFor(socket_, POLLIN, MillisecondsLeft())) return -1;
    if (bufferStart_ == buffer_.size()) {
        buffer_.clear();
        bufferStart_ = 0;
    }
    std::size_t kept = buffer_.size();
    buffer_.resize(kept + std::min<std::size_t>(allowed, kChunk));
    ssize_t got;
    do {
        got = ::recv(socket_, buffer_.data() + kept, buffer_.size() - kept, 0);
    } while (got < 0 && errno == EINTR);
    buffer_.resize(kept + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got > 0) received_ += static_cast<std::size_t>(got);
    return got;
}

HeaderBlock BoundedSocketStream::ReceiveHeaderBlock() {
    for (;;) {
        std::string_view received(buffer_);
        std::size_t lineEnd = received.find('\n');
        if (received.find("\n\r\n") != std::string_view::npos ||
            received.find("\n\n") != std::string_view::npos) {
            return HeaderBlock::Complete;
        }
        if (received_ >= limits_.maxRequestBytes) {
            return lineEnd == std::string_view::npos ? HeaderBlock::LineTooLong
                                                     : HeaderBlock::HeadersTooLong;
        }
        if (MillisecondsLeft() == 0) return HeaderBlock::TimedOut;
        ssize_t got = Receive();
        if (got == 0 || (got < 0 && MillisecondsLeft() > 0)) return HeaderBlock::Ended;
    }
}

ssize_t BoundedSocketStream::read(char* ptr, size_t size) {
    if (bufferStart_ == buffer_.size()) {
        ssize_t got = Receive();
        if (got <= 0) return got;
    }
    std::size_t count = std::min(size, buffer_.size() - bufferStart_);
    std::memcpy(ptr, buffer_.data() + bufferStart_, count);
    bufferStart_ += count;
    return static_cast<ssize_t>(count);
}

ssize_t BoundedSocketStream::write(const char* ptr, size_t size) {
    if (!is_writable()) return -1;
    ssize_t sent;
    do {
        sent = ::send(socket_, ptr, size, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    return sent;
}

void BoundedSocketStream::get_remote_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getpeername(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        AddressText(address, length, ip, port);
    }
}

void BoundedSocketStream::get_local_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        AddressText(address, length, ip, port);
    }
}

}  // namespace chartservice
