#include <gtest/gtest.h>

#include <signal.h>

#include <thread>

#include "chartservice/LoopbackHttp.h"
#include "chartservice/PngSize.h"
#include "chartservice/QrchartdProcess.h"
#include "chartservice/TricklingClients.h"

namespace {

using chartservice_test::ImageSize;
using chartservice_test::QrchartdProcess;
using chartservice_test::TricklingClients;
using namespace std::chrono_literals;

constexpr int kSlowClients = 50;
constexpr auto kDeadline = 1s;

// Waits until the server has closed them all, or gives up after a while.
void WaitForAllClosed(const TricklingClients& slow, int count) {
    auto giveUp = std::chrono::steady_clock::now() + 10s;
    while (slow.ClosedCount() < count && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(20ms);
    }
}

// Each slow client sends a byte every 100 ms, so a time-out that only counted idle time would
// never end them; far more of them than the server has workers.
TEST(QrchartdSlowClientTest, GoodRequestsAreAnsweredWhileSlowOnesHangAndTheseEndAtTheDeadline) {
    QrchartdProcess server({"--port", "0", "--request-timeout", "1"});
    ASSERT_NE(server.Port(), 0) << server.ReadyLine();
    TricklingClients slow(server.Port(), kSlowClients, 100ms, false);

    for (int i = 0; i < 10; ++i) {
        auto reply = chartservice_test::Get(server.Port(), "/chart?cht=qr&chs=200x200&chl=good");
        ASSERT_EQ(reply.status, 200) << reply.body;
        EXPECT_EQ(chartservice_test::PngSize(reply.body), (ImageSize{200, 200}));
    }
    EXPECT_EQ(slow.ClosedCount(), 0) << "the good requests took as long as the deadline";

    WaitForAllClosed(slow, kSlowClients);
    for (const TricklingClients::Connection& connection : slow.Connections()) {
        ASSERT_TRUE(connection.closed.has_value()) << "a slow client outlived its deadline";
        auto lived = *connection.closed - connection.opened;
        // Loose bounds: the deadline counts from the accept, and the server is not timed here.
        EXPECT_GE(lived, kDeadline - 100ms);
        EXPECT_LE(lived, kDeadline + 1s);
        auto answer = chartservice_test::ParseReply(connection.answer);
        EXPECT_EQ(answer.status, 408);
        EXPECT_EQ(answer.body, "the request did not arrive in time\n");
    }
    EXPECT_EQ(server.StopWith(SIGTERM), 0);
}

// With 64 descriptors the slow clients take all the server has; the rest wait in the backlog
// and are taken as the first ones reach their deadline.
TEST(QrchartdSlowClientTest, OutOfDescriptorsItTakesUpAcceptingAgain) {
    constexpr int kMoreThanDescriptors = 100;
    QrchartdProcess server("/usr/bin/prlimit",
                           {"--nofile=64", QRCHARTD_PATH, "--port", "0", "--request-timeout", "1"});
    ASSERT_NE(server.Port(), 0) << server.ReadyLine();
    TricklingClients slow(server.Port(), kMoreThanDescriptors, 100ms, false);

    auto reply = chartservice_test::Get(server.Port(), "/chart?cht=qr&chs=200x200&chl=after");
    EXPECT_EQ(reply.status, 200) << reply.body;
    WaitForAllClosed(slow, kMoreThanDescriptors);
    EXPECT_EQ(slow.ClosedCount(), kMoreThanDescriptors);
    EXPECT_EQ(server.StopWith(SIGTERM), 0);
}

}  // namespace
