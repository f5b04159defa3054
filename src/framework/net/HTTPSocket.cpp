#include "framework/net/HTTPSocket.h"

#include <algorithm>
#include <vector>

#include "framework/net/BodyFile.h"
#include "framework/net/Connection.h"
#include "framework/net/HttpAddress.h"
#include "framework/net/HttpRequest.h"
#include "framework/runtime/BackgroundTask.h"
#include "framework/runtime/Ticks.h"

namespace fw {
namespace {

constexpr std::int64_t kTicksPerSecond = 60;
constexpr int kLongestWaitMs = 100;  // so the background task can repaint the palette
constexpr std::size_t kReadSize = 64 * 1024;
constexpr int kReadsPerPass = 16;
// The header block, its closing line ends included.
constexpr std::size_t kHeaderBlockLimit = 64 * 1024;

int WaitMilliseconds(std::int64_t deadline, std::int32_t timeoutSeconds) {
    if (timeoutSeconds <= 0) return kLongestWaitMs;
    // The deadline has passed once the clock is beyond it, a tick after it.
    std::int64_t ticksLeft = deadline + 1 - Ticks();
    std::int64_t milliseconds = (ticksLeft * 1000 + kTicksPerSecond - 1) / kTicksPerSecond;
    return static_cast<int>(std::clamp<std::int64_t>(milliseconds, 1, kLongestWaitMs));
}

}  // namespace

// One download's wait: the connection's events in, the answer's head and body out.
class HTTPSocket::Transfer {
  public:
    Transfer(HTTPSocket& socket, Connection& connection, BodyFile& body, String request)
        : socket_(socket),
          connection_(connection),
          body_(body),
          request_(std::move(request)),
          buffer_(kReadSize) {}

    bool Run(std::int32_t timeoutSeconds) {
        std::int64_t deadline = Ticks() + kTicksPerSecond * timeoutSeconds;
        bool wasUp = false;
        while (phase_ == Phase::Running) {
            Pass(WaitMilliseconds(deadline, timeoutSeconds));
            bool up = connection_.IsUp();
            if (up != wasUp) {
                wasUp = up;
                deadline = Ticks() + kTicksPerSecond * timeoutSeconds;
            }
            if (phase_ == Phase::Running && timeoutSeconds > 0 && Ticks() > deadline) {
                Fail(up ? HTTPError::AnswerTimedOut : HTTPError::ConnectTimedOut);
            }
            RuntimeBackgroundTask();
        }
        if (phase_ == Phase::Complete && !body_.Close()) Fail(HTTPError::FileWriteFailed);
        return phase_ == Phase::Complete;
    }

  private:
    enum class Phase { Running, Complete, Failed };

    void Pass(int waitMs) {
        Connection::Readiness ready = connection_.Wait(waitMs);
        if (ready.failure != HTTPError::None) return Fail(ready.failure);
        if (ready.cameUp) connection_.Send(request_);
        if (ready.readable) ReadWaitingBytes();
    }

    // Bounded, so that a fast sender still lets the wait check its deadline and yield.
    void ReadWaitingBytes() {
        for (int read = 0; read < kReadsPerPass && phase_ == Phase::Running; ++read) {
            Connection::Received got = connection_.Read(buffer_.data(), buffer_.size());
            if (got.size > 0) {
                Receive(std::string_view(buffer_.data(), got.size));
                continue;
            }
            if (got.ended) End();
            return;
        }
    }

    void Receive(std::string_view piece) {
        if (headerEnded_) return WriteBody(piece);
        pending_.append(piece);
        std::optional<HeaderBlockEnd> end = FindHeaderBlockEnd(pending_);
        // Measured on every arrival, ended or not, so how the bytes were split cannot matter;
        // a block still open is longer than what has come of it.
        const std::size_t blockLength = end ? end->bodyStart : pending_.size() + 1;
        if (blockLength > kHeaderBlockLimit) return Fail(HTTPError::HeaderBlockTooLarge);
        if (!end) return;
        AnswerHead head = ParseHeaderBlock(std::string_view(pending_).substr(0, end->blockLength));
        socket_.status_ = head.status;
        socket_.responseHeaders_ = std::move(head.headers);
        headerEnded_ = true;
        String firstBodyBytes = pending_.substr(end->bodyStart);
        pending_.clear();
        WriteBody(firstBodyBytes);
    }

    void WriteBody(std::string_view bytes) {
        if (bytes.empty()) return;
        if (!body_.Write(bytes)) return Fail(HTTPError::FileWriteFailed);
        socket_.bodyBytes_ += static_cast<std::int64_t>(bytes.size());
    }

    // Everything received was handled before the end was seen, so nothing is left waiting
    // but a header block that never ended.
    void End() {
        connection_.Close();
        if (!headerEnded_ && !pending_.empty()) return Fail(HTTPError::HeaderBlockUnfinished);
        phase_ = Phase::Complete;
    }

    void Fail(HTTPError error) {
        connection_.Close();
        socket_.error_ = error;
        phase_ = Phase::Failed;
    }

    HTTPSocket& socket_;
    Connection& connection_;
    BodyFile& body_;
    const String request_;
    std::vector<char> buffer_;
    String pending_;
    bool headerEnded_ = false;
    Phase phase_ = Phase::Running;
};

const ClassRecord& HTTPSocket::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "HTTPSocket",
        .operations = {"Constructor()", "Get(String, FolderItem, Int32) As Boolean"},
        .create = [] { return std::make_shared<HTTPSocket>(); },
    });
    return record;
}

const ClassRecord& HTTPSocket::ClassOf() const { return ClassInfo(); }

void HTTPSocket::Constructor() {
    requestHeaders_ = {{"Accept", "*/*"}, {"Accept-Language", "en"}};
    defaultPort_ = 80;
    yield_ = false;
}

bool HTTPSocket::Get(const String& address, const Ref<FolderItem>& file,
                     std::int32_t timeoutSeconds) {
    timeoutSeconds_ = timeoutSeconds;
    error_ = HTTPError::None;
    ClearAnswer();
    HttpAddressResult split = SplitAddress(address, defaultPort_);
    if (!split) return Fail(split.error);
    if (!file) return Fail(HTTPError::NoFile);
    BodyFile body;
    if (!body.Create(file->AbsolutePath())) return Fail(HTTPError::FileNotUsable);
    Connection connection;
    HTTPError started = connection.Start(split.address.host, split.address.port);
    if (started != HTTPError::None) return Fail(started);
    Transfer transfer(*this, connection, body, BuildGetRequest(split.address, requestHeaders_));
    return transfer.Run(timeoutSeconds);
}

std::optional<String> HTTPSocket::ResponseHeader(std::string_view name) const {
    return FindHeader(responseHeaders_, name);
}

void HTTPSocket::ClearAnswer() {
    status_ = 0;
    responseHeaders_.clear();
    bodyBytes_ = 0;
}

bool HTTPSocket::Fail(HTTPError error) {
    error_ = error;
    return false;
}

}  // namespace fw
