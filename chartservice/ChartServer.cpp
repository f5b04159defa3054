#include "chartservice/ChartServer.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include "chartservice/ChartAnswer.h"

namespace chartservice {
namespace {

std::string_view QueryOf(std::string_view target) {
    std::size_t question = target.find('?');
    return question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
}

bool HasBody(const httplib::Request& request) {
    return request.has_header("Transfer-Encoding") ||
           (request.has_header("Content-Length") &&
            request.get_header_value("Content-Length") != "0");
}

struct Refusal {
    int status;
    const char* phrase;  // the status line's
    const char* reason;  // the body's line
};

constexpr std::array<Refusal, 7> kRefusals{{
    {400, "Bad Request", "bad request"},
    {404, "Not Found", "not found"},
    {408, "Request Timeout", "the request did not arrive in time"},
    {413, "Payload Too Large", "requests with a body are refused"},
    {414, "URI Too Long", "the request line is too long"},
    {431, "Request Header Fields Too Large", "the request's header block is too large"},
    {500, "Internal Server Error", "internal error"},
}};

const Refusal& RefusalFor(int status) {
    for (const Refusal& refusal : kRefusals) {
        if (refusal.status == status) return refusal;
    }
    return kRefusals[0];
}

std::string ReasonFor(int status) { return std::string(RefusalFor(status).reason) + "\n"; }

// An answer written straight to the socket, for a request that httplib never sees.
void WriteRefusal(BoundedSocketStream& stream, int status) {
    std::string body = ReasonFor(status);
    std::string answer =
        "HTTP/1.1 " + std::to_string(status) + " " + RefusalFor(status).phrase +
        "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
        "\r\nConnection: close\r\n\r\n" + body;
    std::size_t sent = 0;
    while (sent < answer.size()) {
        ssize_t n = stream.write(answer.data() + sent, answer.size() - sent);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

// Ends the sending side and reads what the peer still sends, for a short while, before the
// socket closes: closing with unread bytes would reset the connection and could destroy the
// answer before the peer has read it.
void CloseGently(int socket) {
    ::shutdown(socket, SHUT_WR);
    timeval wait{0, 200 * 1000};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    char discard[4096];
    for (int reads = 0; reads < 64; ++reads) {
        if (::recv(socket, discard, sizeof discard, 0) <= 0) break;
    }
    ::close(socket);
}

// Why the host cannot be listened on as getaddrinfo says, or nothing when it resolves.
std::string ResolveFailure(const std::string& host) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    int failure = ::getaddrinfo(host.c_str(), "0", &hints, &found);
    if (failure != 0) return ::gai_strerror(failure);
    ::freeaddrinfo(found);
    return {};
}

// Only SO_REUSEADDR: httplib's default also sets SO_REUSEPORT, which lets a second server
// bind the same port without a word and take half the connections.
void ReuseAddressOnly(int socket) {
    int yes = 1;
    ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

class BoundedServer : public httplib::Server {
  public:
    explicit BoundedServer(StreamLimits limits) : limits_(limits) {}

    // httplib 0.11 queues only 5 connections; 8 parallel clients already overflow that and
    // wait a second for the retried SYN.
    void WidenBacklog() { ::listen(svr_sock_, SOMAXCONN); }

  private:
    // httplib's own socket stream reads a line of any length into memory before it checks it;
    // here the header block is received within the limits first, and only a whole one is
    // handed to httplib.
    bool process_and_close_socket(socket_t sock) override {
        BoundedSocketStream stream(sock, limits_);
        bool served = false;
        switch (stream.ReceiveHeaderBlock()) {
            case HeaderBlock::Complete: {
                bool closed = false;
                served = process_request(stream, true, closed, nullptr);
                break;
            }
            case HeaderBlock::LineTooLong:
                WriteRefusal(stream, 414);
                break;
            case HeaderBlock::HeadersTooLong:
                WriteRefusal(stream, 431);
                break;
            case HeaderBlock::TimedOut:
                WriteRefusal(stream, 408);
                break;
            case HeaderBlock::Ended:
                break;
        }
        CloseGently(sock);
        return served;
    }

    StreamLimits limits_;
};

}  // namespace

class ChartServer::Impl {
  public:
    explicit Impl(StreamLimits limits) : server(limits) {
        server.set_socket_options(ReuseAddressOnly);
        server.set_payload_max_length(0);
        server.Get("/chart", [](const httplib::Request& request, httplib::Response& response) {
            // httplib reads no body of a GET; refuse it here as for the other methods.
            if (HasBody(request)) {
                response.status = 413;
                return;
            }
            ChartAnswer answer = AnswerChartQuery(QueryOf(request.target));
            response.status = answer.status;
            response.set_content(answer.body, answer.contentType.c_str());
        });
        server.set_error_handler(httplib::Server::HandlerWithResponse(
            [](const httplib::Request&, httplib::Response& response) {
                using Handling = httplib::Server::HandlerResponse;
                if (!response.body.empty()) return Handling::Unhandled;
                response.set_content(ReasonFor(response.status), "text/plain");
                return Handling::Handled;
            }));
        server.set_exception_handler(
            [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
                response.status = 500;
                response.set_content(ReasonFor(500), "text/plain");
            });
    }

    BoundedServer server;
    std::atomic<bool> bound{false};
    std::atomic<bool> runEntered{false};
    std::atomic<bool> runEnded{false};
    std::atomic<bool> stopRequested{false};
};

ChartServer::ChartServer(StreamLimits limits) : impl_(std::make_unique<Impl>(limits)) {}

ChartServer::~ChartServer() { Stop(); }

ServerBinding ChartServer::Bind(const std::string& host, int port) {
    ServerBinding binding;
    // httplib does not say why it failed, and errno says nothing of a name that resolves to
    // nothing, so resolve it first.
    if (std::string failure = ResolveFailure(host); !failure.empty()) {
        binding.error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + failure;
        return binding;
    }
    errno = 0;
    int bound = port == 0 ? impl_->server.bind_to_any_port(host)
                          : (impl_->server.bind_to_port(host, port) ? port : -1);
    if (bound <= 0) {
        binding.error = "cannot listen on " + host + ":" + std::to_string(port);
        if (errno != 0) binding.error += std::string(": ") + std::strerror(errno);
        return binding;
    }
    impl_->server.WidenBacklog();
    impl_->bound = true;
    binding.port = bound;
    return binding;
}

void ChartServer::Run() {
    impl_->runEntered = true;
    if (impl_->bound && !impl_->stopRequested) impl_->server.listen_after_bind();
    impl_->runEnded = true;
}

void ChartServer::Stop() {
    impl_->stopRequested = true;
    if (!impl_->runEntered) return;
    // httplib's stop does nothing until its loop runs, so wait for one or the other.
    while (!impl_->server.is_running() && !impl_->runEnded) std::this_thread::yield();
    impl_->server.stop();
}

}  // namespace chartservice
