#include "BareLoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <string_view>

namespace chartservice_bench {
namespace {

constexpr std::string_view kAnswer =
    "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 2\r\nConnection: "
    "close\r\n\r\nok";

void Answer(int socket) {
    std::string received;
    char buffer[4096];
    while (received.find("\r\n\r\n") == std::string::npos) {
        ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) return;
        received.append(buffer, static_cast<std::size_t>(got));
    }
    ::send(socket, kAnswer.data(), kAnswer.size(), MSG_NOSIGNAL);
}

}  // namespace

BareLoopbackServer::BareLoopbackServer(int threads) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 ||
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, SOMAXCONN) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("the bare loopback server cannot listen");
    }
    port_ = ntohs(address.sin_port);
    for (int i = 0; i < threads; ++i) threads_.emplace_back([this] { Serve(); });
}

BareLoopbackServer::~BareLoopbackServer() {
    // Ends the accepts that wait.
    ::shutdown(listener_, SHUT_RDWR);
    for (std::thread& thread : threads_) thread.join();
    ::close(listener_);
}

void BareLoopbackServer::Serve() {
    for (;;) {
        int socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return;
        }
        Answer(socket);
        ::close(socket);
    }
}

}  // namespace chartservice_bench
