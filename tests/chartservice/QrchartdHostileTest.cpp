#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "chartservice/CaseLabel.h"
#include "chartservice/LoopbackHttp.h"
#include "chartservice/PngSize.h"
#include "chartservice/QrchartdServer.h"
#include "chartservice/Repeat.h"
#include "chartservice/ZbarReader.h"

namespace {

using chartservice_test::ImageSize;
using chartservice_test::PrintTo;
using chartservice_test::QrchartdServer;

using chartservice_test::RequestEnd;

struct HostileCase {
    const char* label;
    std::string request;
    RequestEnd end;
    int status;  // 0: the server closes without a word
};

class QrchartdWithstands : public QrchartdServer, public testing::WithParamInterface<HostileCase> {
  protected:
    // The server is still there and still right after whatever came before.
    void ExpectStillServing() {
        auto reply = chartservice_test::Get(Port(), "/chart?cht=qr&chs=100x100&chl=still");
        ASSERT_EQ(reply.status, 200) << reply.body;
        EXPECT_EQ(chartservice_test::ReadQrCode(reply.body), "still");
    }
};

TEST_P(QrchartdWithstands, AnsweringAndServingOn) {
    auto reply = chartservice_test::ParseReply(
        chartservice_test::Exchange(Port(), GetParam().request, GetParam().end));
    EXPECT_EQ(reply.status, GetParam().status) << reply.headers << reply.body;
    if (GetParam().status != 0) {
        EXPECT_EQ(reply.Header("Content-Type"), "text/plain");
    }
    ExpectStillServing();
}

std::string AllBytes(int times) {
    std::string bytes;
    for (int i = 0; i < 256 * times; ++i) bytes.push_back(static_cast<char>(i));
    return bytes;
}

const std::string kChart = "GET /chart?cht=qr&chs=200x200&chl=x HTTP/1.1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, QrchartdWithstands,
    testing::Values(
        // Kept open and never ended: the answer can only come from a server that stops
        // reading at its limit instead of waiting for the line to end.
        HostileCase{"HugeRequestLine", "GET /chart?chl=" + std::string(1 << 20, 'a'),
                    RequestEnd::KeepOpen, 414},
        HostileCase{"HugeHeader", kChart + "X-A: " + std::string(1 << 20, 'b'),
                    RequestEnd::KeepOpen, 431},
        HostileCase{"ManyHeaders", kChart + chartservice_test::Repeat("X-A: b\r\n", 100000),
                    RequestEnd::KeepOpen, 431},
        HostileCase{"JunkWithoutEmptyLine", AllBytes(4000), RequestEnd::KeepOpen, 431},
        // Past the 32 KiB that leave room for the longest text a code holds, percent-encoded.
        HostileCase{"LongRequestLine",
                    "GET /chart?chl=" + std::string(33000, 'a') + " HTTP/1.1\r\n\r\n",
                    RequestEnd::HalfClose, 414},
        HostileCase{"JunkBytes", AllBytes(40) + "\r\n\r\n", RequestEnd::HalfClose, 400},
        HostileCase{"NulInRequestLine", std::string("GET /chart?cht=qr\0x HTTP/1.1\r\n\r\n", 32),
                    RequestEnd::HalfClose, 400},
        HostileCase{"BodyOnGet", kChart + "Content-Length: 5\r\n\r\nhello", RequestEnd::HalfClose,
                    413},
        HostileCase{"ChunkedBodyOnGet",
                    kChart + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
                    RequestEnd::HalfClose, 413},
        HostileCase{
            "HugeBodyOnPost",
            "POST /chart HTTP/1.1\r\nContent-Length: 99999999\r\n\r\n" + std::string(1 << 20, 'c'),
            RequestEnd::KeepOpen, 413},
        HostileCase{"NothingAtAll", "", RequestEnd::HalfClose, 0},
        HostileCase{"HalfARequest", "GET /chart?cht=qr", RequestEnd::HalfClose, 0},
        HostileCase{"HeadersCutOff", kChart + "Host: loc", RequestEnd::HalfClose, 0}),
    chartservice_test::ByLabel());

// Many clients at once, each with its own text, each getting its own code back.
TEST_F(QrchartdServer, ServesManyParallelClients) {
    constexpr int kClients = 32;
    constexpr int kRequestsEach = 8;
    std::atomic<int> answered{0};
    std::vector<std::string> firstImages(kClients);
    std::vector<std::thread> clients;
    for (int client = 0; client < kClients; ++client) {
        clients.emplace_back([&, client] {
            for (int i = 0; i < kRequestsEach; ++i) {
                auto reply = chartservice_test::Get(
                    Port(), "/chart?cht=qr&chs=120x120&chl=client" + std::to_string(client));
                if (reply.status != 200 ||
                    chartservice_test::PngSize(reply.body) != ImageSize{120, 120}) {
                    continue;
                }
                ++answered;
                if (i == 0) firstImages[client] = reply.body;
            }
        });
    }
    for (std::thread& client : clients) client.join();
    EXPECT_EQ(answered, kClients * kRequestsEach);
    for (int client = 0; client < kClients; ++client) {
        EXPECT_EQ(chartservice_test::ReadQrCode(firstImages[client]),
                  "client" + std::to_string(client));
    }
}

// Clients that connect and leave at once, in parallel with real requests, disturb nothing.
TEST_F(QrchartdServer, ClientsThatLeaveAtOnceDisturbNothing) {
    std::thread leavers([&] {
        for (int i = 0; i < 200; ++i) chartservice_test::SendAndLeave(Port(), "GET /ch");
    });
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(chartservice_test::Get(Port(), "/chart?cht=qr&chs=80x80&chl=x").status, 200);
    }
    leavers.join();
}

}  // namespace
