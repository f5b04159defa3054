#include "chartservice/LoopbackHttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <chrono>

namespace chartservice_test {
namespace {

constexpr int kPatienceMs = 10000;

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

void SendAll(int fd, std::string_view bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace

int ConnectLoopback(int port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<std::string> HttpReply::Header(std::string_view name) const {
    std::size_t start = 0;
    while (start < headers.size()) {
        std::size_t end = headers.find("\r\n", start);
        if (end == std::string::npos) end = headers.size();
        std::string_view line(headers.data() + start, end - start);
        std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && EqualIgnoringCase(line.substr(0, colon), name)) {
            std::string_view value = line.substr(colon + 1);
            while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
            return std::string(value);
        }
        start = end + 2;
    }
    return std::nullopt;
}

void SendAndLeave(int port, std::string_view bytes) {
    int fd = ConnectLoopback(port);
    if (fd < 0) return;
    SendAll(fd, bytes);
    ::close(fd);
}

std::string Exchange(int port, std::string_view request, RequestEnd end) {
    int fd = ConnectLoopback(port);
    if (fd < 0) return {};
    SendAll(fd, request);
    if (end == RequestEnd::HalfClose) ::shutdown(fd, SHUT_WR);
    std::string reply;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPatienceMs);
    char buffer[65536];
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd entry{fd, POLLIN, 0};
        if (::poll(&entry, 1, 100) <= 0) continue;
        ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        reply.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return reply;
}

HttpReply ParseReply(const std::string& bytes) {
    HttpReply reply;
    std::size_t headerEnd = bytes.find("\r\n\r\n");
    std::size_t lineEnd = bytes.find("\r\n");
    if (headerEnd == std::string::npos || bytes.compare(0, 5, "HTTP/") != 0) return reply;
    std::size_t space = bytes.find(' ');
    if (space == std::string::npos || space + 4 > lineEnd) return reply;
    reply.status = std::stoi(bytes.substr(space + 1, 3));
    reply.headers = bytes.substr(lineEnd + 2, headerEnd + 2 - (lineEnd + 2));
    reply.body = bytes.substr(headerEnd + 4);
    return reply;
}

HttpReply Get(int port, std::string_view target) {
    std::string request = "GET " + std::string(target) +
                          " HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: "
                          "localhost\r\n\r\n";
    return ParseReply(Exchange(port, request, RequestEnd::KeepOpen));
}

std::string PercentEncode(std::string_view bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded.push_back(c);
        } else {
            encoded += {'%', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return encoded;
}

}  // namespace chartservice_test
