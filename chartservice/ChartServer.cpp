#include "chartservice/ChartServer.h"

#include <microhttpd.h>
#include <netdb.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

#include "chartservice/ChartAnswer.h"
#include "chartservice/ConnectionGate.h"
#include "chartservice/Refusal.h"

namespace chartservice {
namespace {

constexpr unsigned kWorkers = 8;
constexpr unsigned kConnectionsPerWorker = 1024;
// libmicrohttpd takes a connection's memory pool of up to 32 KiB from malloc, and maps and
// unmaps a larger one for each connection, which halves the throughput. So the workers take
// requests of up to 16 KiB in 32 KiB pools, and one more worker takes the longer ones.
constexpr std::size_t kSmallPool = 32 * 1024;
constexpr std::size_t kSmallRequest = 16 * 1024;

std::string_view QueryOf(std::string_view target) {
    std::size_t question = target.find('?');
    return question == std::string_view::npos ? std::string_view() : target.substr(question + 1);
}

ChartAnswer RefusalOf(int status) { return {status, "text/plain", RefusalReason(status)}; }

ChartAnswer AnswerRequest(std::string_view method, std::string_view path, std::string_view target) {
    if ((method != MHD_HTTP_METHOD_GET && method != MHD_HTTP_METHOD_HEAD) || path != "/chart") {
        return RefusalOf(404);
    }
    try {
        return AnswerChartQuery(QueryOf(target));
    } catch (...) {
        // Nothing may be thrown into libmicrohttpd's C code.
        return RefusalOf(500);
    }
}

// libmicrohttpd gives the path decoded and the query split; the chart query is read from the
// target as it came, so it keeps it from the request line for the handler.
void* KeepTarget(void*, const char* uri, MHD_Connection*) { return new std::string(uri); }

void ForgetTarget(void*, MHD_Connection*, void** context, MHD_RequestTerminationCode) {
    delete static_cast<std::string*>(*context);
    *context = nullptr;
}

// The gate has seen the whole header block and no body announced, so the first call answers.
MHD_Result Serve(void*, MHD_Connection* connection, const char* path, const char* method,
                 const char*, const char*, size_t*, void** context) {
    const auto* target = static_cast<const std::string*>(*context);
    ChartAnswer answer = AnswerRequest(method, path, target ? *target : std::string());
    MHD_Response* response = MHD_create_response_from_buffer(answer.body.size(), answer.body.data(),
                                                             MHD_RESPMEM_MUST_COPY);
    if (response == nullptr) return MHD_NO;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.contentType.c_str());
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONNECTION, "close");
    MHD_Result queued = MHD_queue_response(connection, answer.status, response);
    MHD_destroy_response(response);
    return queued;
}

// A worker whose connections have `memory` for the request, its headers' entries and the
// answer's header lines.
MHD_Daemon* StartWorker(const RequestLimits& limits, std::size_t memory) {
    auto timeoutSeconds = static_cast<unsigned>(std::max<std::chrono::seconds::rep>(
        std::chrono::ceil<std::chrono::seconds>(limits.deadline).count(), 1));
    return MHD_start_daemon(MHD_USE_EPOLL_INTERNAL_THREAD | MHD_USE_NO_LISTEN_SOCKET | MHD_USE_ITC,
                            0, nullptr, nullptr, &Serve, nullptr, MHD_OPTION_CONNECTION_TIMEOUT,
                            timeoutSeconds, MHD_OPTION_CONNECTION_MEMORY_LIMIT, memory,
                            MHD_OPTION_CONNECTION_LIMIT, kConnectionsPerWorker,
                            MHD_OPTION_URI_LOG_CALLBACK, &KeepTarget, nullptr,
                            MHD_OPTION_NOTIFY_COMPLETED, &ForgetTarget, nullptr, MHD_OPTION_END);
}

// Why the host cannot be listened on as getaddrinfo says, or nothing when it resolves; the
// addresses found go to `found`.
std::string Resolve(const std::string& host, int port, addrinfo** found) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    int failure = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, found);
    return failure == 0 ? std::string() : ::gai_strerror(failure);
}

// A listening socket on the address, or -1 with errno set. Only SO_REUSEADDR: SO_REUSEPORT
// would let a second server bind the same port without a word and take half the connections.
int Listen(const addrinfo& address) {
    int socket = ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                          address.ai_protocol);
    if (socket < 0) return -1;
    int yes = 1;
    ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (::bind(socket, address.ai_addr, address.ai_addrlen) == 0 &&
        ::listen(socket, SOMAXCONN) == 0) {
        return socket;
    }
    int failure = errno;
    ::close(socket);
    errno = failure;
    return -1;
}

int PortOf(int socket) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    if (address.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    }
    return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
}

}  // namespace

class ChartServer::Impl {
  public:
    explicit Impl(RequestLimits limits)
        : limits(limits), stopSignal(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~Impl() {
        if (listener >= 0) ::close(listener);
        ::close(stopSignal);
    }

    void Serve() {
        std::vector<MHD_Daemon*> workers;
        for (unsigned i = 0; i < kWorkers; ++i) {
            if (MHD_Daemon* worker = StartWorker(limits, kSmallPool)) workers.push_back(worker);
        }
        MHD_Daemon* longRequests = StartWorker(limits, limits.headerBlockBytes + kSmallPool);
        if (workers.size() == kWorkers && longRequests != nullptr) {
            std::size_t next = 0;
            ConnectionGate gate(
                listener, stopSignal, limits,
                [&](int socket, const sockaddr* peer, socklen_t length, std::size_t received) {
                    MHD_Daemon* worker = workers[next];
                    if (received > kSmallRequest) {
                        worker = longRequests;
                    } else {
                        next = (next + 1) % workers.size();
                    }
                    MHD_add_connection(worker, socket, peer, length);
                });
            gate.Run();
        }
        for (MHD_Daemon* worker : workers) MHD_stop_daemon(worker);
        if (longRequests != nullptr) MHD_stop_daemon(longRequests);
    }

    RequestLimits limits;
    int listener = -1;
    int stopSignal;
    std::atomic<bool> stopRequested{false};
};

ChartServer::ChartServer(RequestLimits limits) : impl_(std::make_unique<Impl>(limits)) {}

ChartServer::~ChartServer() { Stop(); }

ServerBinding ChartServer::Bind(const std::string& host, int port) {
    ServerBinding binding;
    std::string where = "cannot listen on " + host + ":" + std::to_string(port);
    addrinfo* found = nullptr;
    if (std::string failure = Resolve(host, port, &found); !failure.empty()) {
        binding.error = where + ": " + failure;
        return binding;
    }
    int failure = 0;
    for (addrinfo* address = found; address != nullptr && impl_->listener < 0;
         address = address->ai_next) {
        impl_->listener = Listen(*address);
        failure = errno;
    }
    ::freeaddrinfo(found);
    if (impl_->listener < 0) {
        binding.error = where + ": " + std::strerror(failure);
        return binding;
    }
    binding.port = PortOf(impl_->listener);
    return binding;
}

void ChartServer::Run() {
    if (impl_->listener >= 0 && !impl_->stopRequested) impl_->Serve();
}

void ChartServer::Stop() {
    impl_->stopRequested = true;
    std::uint64_t one = 1;
    // The counter stays readable, so a Run that starts later sees it too.
    [[maybe_unused]] ssize_t written = ::write(impl_->stopSignal, &one, sizeof one);
}

}  // namespace chartservice
