#include "chartservice/TricklingClients.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

#include "chartservice/LoopbackHttp.h"

namespace chartservice_test {
namespace {

// A request whose target never ends within any limit the server allows the time for.
const std::string kEndlessRequest =
    "GET /chart?cht=qr&chs=200x200&chl=" + std::string(1 << 16, 'a');

constexpr std::chrono::milliseconds kTick{10};

}  // namespace

TricklingClients::TricklingClients(int port, int count, std::chrono::milliseconds interval,
                                   bool reopen)
    : port_(port), interval_(interval), reopen_(reopen) {
    for (int i = 0; i < count; ++i) OpenOne();
    thread_ = std::thread([this] { Trickle(); });
}

TricklingClients::~TricklingClients() {
    stopping_ = true;
    thread_.join();
    for (const Open& open : open_) ::close(open.fd);
}

bool TricklingClients::OpenOne() {
    int fd = ConnectLoopback(port_);
    if (fd < 0) return false;
    std::lock_guard lock(mutex_);
    auto now = std::chrono::steady_clock::now();
    open_.push_back(Open{fd, connections_.size(), 0, now});
    connections_.push_back(Connection{now, std::nullopt, {}});
    return true;
}

std::vector<TricklingClients::Connection> TricklingClients::Connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

int TricklingClients::ClosedCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(
        std::count_if(connections_.begin(), connections_.end(),
                      [](const Connection& c) { return c.closed.has_value(); }));
}

bool TricklingClients::ReadAnswer(Open& open) {
    char buffer[4096];
    for (;;) {
        ssize_t got = ::recv(open.fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
        std::lock_guard lock(mutex_);
        Connection& record = connections_[open.record];
        if (got <= 0) {
            record.closed = std::chrono::steady_clock::now();
            return false;
        }
        record.answer.append(buffer, static_cast<std::size_t>(got));
    }
}

void TricklingClients::Trickle() {
    while (!stopping_) {
        std::vector<pollfd> entries;
        for (const Open& open : open_) entries.push_back({open.fd, POLLIN, 0});
        ::poll(entries.data(), entries.size(), static_cast<int>(kTick.count()));
        auto now = std::chrono::steady_clock::now();
        int lost = 0;
        for (std::size_t i = 0; i < open_.size();) {
            Open& open = open_[i];
            if (entries[i].revents != 0 && !ReadAnswer(open)) {
                ::close(open.fd);
                open_.erase(open_.begin() + static_cast<std::ptrdiff_t>(i));
                entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
                ++lost;
                continue;
            }
            if (now >= open.nextByte && open.sent < kEndlessRequest.size()) {
                ::send(open.fd, kEndlessRequest.data() + open.sent, 1, MSG_NOSIGNAL);
                ++open.sent;
                open.nextByte = now + interval_;
            }
            ++i;
        }
        if (reopen_) {
            for (int i = 0; i < lost; ++i) OpenOne();
        }
    }
}

}  // namespace chartservice_test
