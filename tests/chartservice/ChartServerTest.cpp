#include <gtest/gtest.h>

#include <netdb.h>

#include <future>
#include <thread>

#include "chartservice/ChartServer.h"
#include "chartservice/LoopbackChartServer.h"
#include "chartservice/LoopbackHttp.h"

namespace {

using chartservice::ChartServer;
using chartservice::RequestLimits;
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
