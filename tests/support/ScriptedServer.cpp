#include "support/ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fcntl.h>
#include <algorithm>

#include <cerrno>
#include <stdexcept>

namespace vemo_test {
namespace {

constexpr std::size_t kRequestLimit = 64 * 1024;

int ListenOnLoopback(int backlog, std::uint16_t& port) {
    int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener < 0) throw std::runtime_error("socket failed");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener, backlog) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(listener);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port = ntohs(address.sin_port);
    return listener;
}

std::string LoopbackUrl(std::uint16_t port, const std::string& pathAndQuery) {
    return "http://127.0.0.1:" + std::to_string(port) + pathAndQuery;
}

}  // namespace

bool Peer::WaitFor(short events, int timeoutMs) {
    pollfd watched[2] = {{socket_, events, 0}, {stopSignal_, POLLIN, 0}};
    int ready = ::poll(watched, 2, timeoutMs);
    return ready > 0 && watched[1].revents == 0 && watched[0].revents != 0;
}

std::string Peer::ReadRequest() {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < kRequestLimit &&
           WaitFor(POLLIN, -1)) {
        ssize_t size = ::recv(socket_, buffer, sizeof buffer, 0);
        if (size <= 0) break;
        request.append(buffer, static_cast<std::size_t>(size));
    }
    record_(request);
    return request;
}

bool Peer::Send(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (!WaitFor(POLLOUT, -1)) return false;
        ssize_t size = ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (size < 0 && errno == EINTR) continue;
        if (size <= 0) return false;
        sent += static_cast<std::size_t>(size);
    }
    return true;
}

bool Peer::Pause(std::chrono::milliseconds pause) {
    pollfd stop{stopSignal_, POLLIN, 0};
    return ::poll(&stop, 1, static_cast<int>(pause.count())) == 0;
}

void Peer::Reset() {
    linger abortive{1, 0};
    ::setsockopt(socket_, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
}

Step ReadRequest() {
    return [](Peer& peer) {
        peer.ReadRequest();
        return true;
    };
}

Step Send(std::string bytes) {
    return [bytes = std::move(bytes)](Peer& peer) { return peer.Send(bytes); };
}

Step SendInPieces(std::string bytes, std::size_t pieceSize, std::chrono::milliseconds pause) {
    return [=](Peer& peer) {
        for (std::size_t at = 0; at < bytes.size(); at += pieceSize) {
            if (at > 0 && !peer.Pause(pause)) return false;
            if (!peer.Send(bytes.substr(at, pieceSize))) return false;
        }
        return true;
    };
}

Step Pause(std::chrono::milliseconds pause) {
    return [pause](Peer& peer) { return peer.Pause(pause); };
}

Step HoldOpen() {
    return [](Peer& peer) { return peer.Pause(std::chrono::hours(1)); };
}

char PatternByte(std::uint64_t offset) {
    return static_cast<char>((offset * 7 + offset / 65521) & 0xFF);
}

Step StreamPattern(std::uint64_t count) {
    return [count](Peer& peer) {
        std::string piece(64 * 1024, '\0');
        for (std::uint64_t at = 0; at < count; at += piece.size()) {
            std::size_t size =
                static_cast<std::size_t>(std::min<std::uint64_t>(64 * 1024, count - at));
            piece.resize(size);
            for (std::size_t i = 0; i < size; ++i) piece[i] = PatternByte(at + i);
            if (!peer.Send(piece)) return false;
        }
        return true;
    };
}

Step Reset() {
    return [](Peer& peer) {
        peer.Reset();
        return false;
    };
}

std::string Answer(const std::string& statusLine, const std::vector<std::string>& headers,
                   const std::string& body) {
    std::string answer = "HTTP/1.0 " + statusLine + "\r\n";
    for (const auto& header : headers) answer += header + "\r\n";
    return answer + "\r\n" + body;
}

ScriptedServer::ScriptedServer(std::vector<Script> scripts) : scripts_(std::move(scripts)) {
    if (scripts_.empty()) scripts_.emplace_back();
    listener_ = ListenOnLoopback(16, port_);
    if (::pipe2(stopPipe_, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    thread_ = std::thread([this] { Serve(); });
}

ScriptedServer::~ScriptedServer() {
    char stop = 's';
    if (::write(stopPipe_[1], &stop, 1) != 1) std::terminate();
    thread_.join();
    ::close(listener_);
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
}

std::string ScriptedServer::HostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }

std::string ScriptedServer::Url(const std::string& pathAndQuery) const {
    return LoopbackUrl(port_, pathAndQuery);
}

std::vector<std::string> ScriptedServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void ScriptedServer::Serve() {
    for (;;) {
        pollfd watched[2] = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::poll(watched, 2, -1) < 0 && errno != EINTR) return;
        if (watched[1].revents != 0) return;
        if (watched[0].revents == 0) continue;
        int socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0) continue;
        RunScript(socket);
        ::close(socket);
    }
}

void ScriptedServer::RunScript(int socket) {
    int index = accepted_++;
    const Script& script = scripts_[std::min<std::size_t>(index, scripts_.size() - 1)];
    Peer peer(socket, stopPipe_[0], [this](const std::string& request) {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
    });
    for (const Step& step : script) {
        if (!step(peer)) break;
    }
}

std::uint16_t ClosedPort() {
    std::uint16_t port = 0;
    ::close(ListenOnLoopback(1, port));
    return port;
}

FullListener::FullListener() {
    listener_ = ListenOnLoopback(0, port_);
    // A queue of no length still takes one connection; this one fills it.
    filler_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port_);
    if (::connect(filler_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error("cannot fill the listener's queue");
    }
}

FullListener::~FullListener() {
    ::close(filler_);
    ::close(listener_);
}

std::string FullListener::Url(const std::string& pathAndQuery) const {
    return LoopbackUrl(port_, pathAndQuery);
}

}  // namespace vemo_test
