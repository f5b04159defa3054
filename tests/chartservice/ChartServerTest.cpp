#include <gtest/gtest.h>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <future>
#include <thread>

#include "chartservice/CaseLabel.h"
#include "chartservice/ChartServer.h"
#include "chartservice/LoopbackChartServer.h"
#include "chartservice/LoopbackHttp.h"

namespace {

using chartservice::ChartServer;
using chartservice::RequestLimits;
using chartservice_test::PrintTo;
using chartservice_test::RequestEnd;
using namespace std::chrono_literals;

using RunningServer = chartservice_test::LoopbackChartServer;

// Whether Run returns by itself. The bound only turns a hang into a failure; it times nothing.
bool RunReturnsByItself(ChartServer& server) {
    auto run = std::async(std::launch::async, [&] { server.Run(); });
    if (run.wait_for(10s) == std::future_status::ready) return true;
    server.Stop();
    return false;
}

TEST(ChartServerTest, RequestThatDoesNotArriveInTimeGets408) {
    RunningServer server(RequestLimits{.deadline = 200ms});
    auto start = std::chrono::steady_clock::now();
    auto reply = chartservice_test::ParseReply(
        chartservice_test::Exchange(server.Port(), "GET /chart?cht=qr", RequestEnd::KeepOpen));
    EXPECT_EQ(reply.status, 408);
    EXPECT_EQ(reply.body, "the request did not arrive in time\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
}

TEST(ChartServerTest, LimitCountsTheWholeHeaderBlock) {
    RunningServer server(RequestLimits{.headerBlockBytes = 200});
    std::string request = "GET /chart?cht=qr&chs=50x50&chl=x HTTP/1.0\r\n";
    auto fits = chartservice_test::ParseReply(chartservice_test::Exchange(
        server.Port(), request + std::string(150 - request.size(), 'X') + ": y\r\n\r\n",
        RequestEnd::KeepOpen));
    EXPECT_EQ(fits.status, 200);
    auto tooLarge = chartservice_test::ParseReply(chartservice_test::Exchange(
        server.Port(), request + "X: " + std::string(200, 'y') + "\r\n\r\n", RequestEnd::KeepOpen));
    EXPECT_EQ(tooLarge.status, 431);
}

// A request whose line and whole header block are exactly as long as given, with that many
// header lines; its size is out of range, so the chart's own refusal shows it was read.
std::string RequestOfSize(std::size_t lineBytes, std::size_t headerLines, std::size_t blockBytes) {
    std::string start = "GET /chart?cht=qr&chs=1001x1&chl=";
    std::string end = " HTTP/1.0";
    std::string block = start + std::string(lineBytes - start.size() - end.size(), 'a') + end;
    block += "\r\n";
    std::size_t padding = blockBytes - block.size() - 2 - headerLines * 9;
    for (std::size_t i = 0; i < headerLines; ++i) {
        std::size_t value = padding / headerLines + (i < padding % headerLines ? 1 : 0);
        block += "X-" + std::to_string(100 + i) + ": " + std::string(value, 'v') + "\r\n";
    }
    return block + "\r\n";
}

struct LimitCase {
    const char* label;
    RequestLimits limits;
    std::size_t lineBytes;
    std::size_t headerLines;
    std::size_t blockBytes;
    int status;
    std::string body;
};

class ChartServerLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(ChartServerLimits, HoldUpToTheByte) {
    const LimitCase& c = GetParam();
    RunningServer server(c.limits);
    std::string request = RequestOfSize(c.lineBytes, c.headerLines, c.blockBytes);
    ASSERT_EQ(request.size(), c.blockBytes);
    auto reply = chartservice_test::ParseReply(
        chartservice_test::Exchange(server.Port(), request, RequestEnd::KeepOpen));
    EXPECT_EQ(reply.status, c.status);
    EXPECT_EQ(reply.Header("Content-Type"), "text/plain");
    EXPECT_EQ(reply.body, c.body);
}

const std::string kOutOfRange = "chs must be 1 to 1000 pixels each way\n";
constexpr RequestLimits kDefaults;

// The fullest blocks the defaults allow, below and above the size at which the server hands a
// request to its worker for long ones, reach the chart.
INSTANTIATE_TEST_SUITE_P(
    Table, ChartServerLimits,
    testing::Values(LimitCase{"LineAtTheLimit", RequestLimits{.requestLineBytes = 100}, 100, 0, 104,
                              400, kOutOfRange},
                    LimitCase{"LineOneByteLonger", RequestLimits{.requestLineBytes = 100}, 101, 0,
                              105, 414, "the request line is too long\n"},
                    LimitCase{"FullestShortRequest", kDefaults, 14000, 100, 16 * 1024, 400,
                              kOutOfRange},
                    LimitCase{"LongestLine", kDefaults, kDefaults.requestLineBytes, 1,
                              kDefaults.requestLineBytes + 200, 400, kOutOfRange},
                    LimitCase{"FullestBlock", kDefaults, kDefaults.requestLineBytes,
                              kDefaults.headerLines, kDefaults.headerBlockBytes, 400, kOutOfRange},
                    LimitCase{"BlockOneByteLonger", kDefaults, kDefaults.requestLineBytes,
                              kDefaults.headerLines, kDefaults.headerBlockBytes + 1, 431,
                              "the request's header block is too large\n"}),
    chartservice_test::ByLabel());

// Closing with the peer's bytes unread would reset the connection.
TEST(ChartServerTest, PeerThatEndsBeforeTheBlockIsClosedCleanly) {
    RunningServer server(RequestLimits{});
    int fd = chartservice_test::ConnectLoopback(server.Port());
    ASSERT_GE(fd, 0);
    std::string_view half = "GET /chart?cht=qr&chs=50x50";
    ASSERT_EQ(::send(fd, half.data(), half.size(), 0), static_cast<ssize_t>(half.size()));
    ::shutdown(fd, SHUT_WR);
    pollfd entry{fd, POLLIN, 0};
    ASSERT_EQ(::poll(&entry, 1, 10000), 1);
    char byte;
    EXPECT_EQ(::recv(fd, &byte, 1, 0), 0) << std::strerror(errno);
    ::close(fd);
}

TEST(ChartServerTest, AnswersHeadWithoutBody) {
    RunningServer server(RequestLimits{});
    auto reply = chartservice_test::ParseReply(chartservice_test::Exchange(
        server.Port(), "HEAD /chart?cht=qr&chs=50x50&chl=x HTTP/1.0\r\n\r\n",
        RequestEnd::KeepOpen));
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.Header("Content-Type"), "image/png");
    EXPECT_TRUE(reply.body.empty());
}

TEST(ChartServerTest, RunReturnsAtOnceAfterAnEarlyStop) {
    ChartServer server;
    ASSERT_TRUE(server.Bind("127.0.0.1", 0));
    server.Stop();
    EXPECT_TRUE(RunReturnsByItself(server));
}

TEST(ChartServerTest, RunReturnsAtOnceWithoutABinding) {
    ChartServer server;
    EXPECT_TRUE(RunReturnsByItself(server));
}

TEST(ChartServerTest, StopFromAnotherThreadEndsRun) {
    ChartServer server;
    ASSERT_TRUE(server.Bind("127.0.0.1", 0));
    std::thread stopper([&] {
        std::this_thread::sleep_for(50ms);
        server.Stop();
    });
    server.Run();
    stopper.join();
}

TEST(ChartServerTest, SecondServerOnTheSamePortIsRefused) {
    ChartServer first;
    auto binding = first.Bind("127.0.0.1", 0);
    ASSERT_TRUE(binding) << binding.error;
    ChartServer second;
    auto refused = second.Bind("127.0.0.1", binding.port);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error, "cannot listen on 127.0.0.1:" + std::to_string(binding.port) +
                                 ": Address already in use");
}

TEST(ChartServerTest, UnknownHostIsRefused) {
    ChartServer server;
    auto refused = server.Bind("no-such-host.invalid", 0);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error, "cannot listen on no-such-host.invalid:0: " +
                                 std::string(::gai_strerror(EAI_NONAME)));
}

}  // namespace
