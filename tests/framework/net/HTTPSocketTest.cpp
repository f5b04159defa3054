#include "framework/net/HTTPSocket.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "framework/runtime/BackgroundTask.h"
#include "support/ScriptedServer.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;
using vemo_test::Answer;
using vemo_test::ReadRequest;
using vemo_test::ReadWholeFile;
using vemo_test::ScriptedServer;
using vemo_test::Send;
using vemo_test::SendInPieces;
using vemo_test::TempFolder;

const std::string kChartQuery = "/chart?cht=qr&chs=200x200&choe=UTF-8&chl=ABC&chld=M";

class HTTPSocketTest : public ::testing::Test {
  protected:
    HTTPSocketTest() { socket_->Constructor(); }

    bool Get(const std::string& url, std::int32_t timeoutSeconds = 20) {
        return socket_->Get(url, file_, timeoutSeconds);
    }

    TempFolder temp_;
    fw::Ref<fw::FolderItem> file_ = std::make_shared<fw::FolderItem>(temp_ / "temp_0.png");
    fw::Ref<fw::HTTPSocket> socket_ = std::make_shared<fw::HTTPSocket>();
};

TEST_F(HTTPSocketTest, ConstructorSetsTheRequestHeadersAndDefaults) {
    fw::HTTPSocket fresh;
    EXPECT_TRUE(fresh.RequestHeaders().empty());
    fresh.Constructor();
    EXPECT_EQ(fresh.RequestHeaders(),
              (std::map<fw::String, fw::String>{{"Accept", "*/*"}, {"Accept-Language", "en"}}));
    EXPECT_EQ(fresh.DefaultPort(), 80);
    EXPECT_FALSE(fresh.Yield());
}

TEST_F(HTTPSocketTest, SendsExactlyTheRequestLineTheThreeHeadersAndTheEmptyLine) {
    ScriptedServer server({{ReadRequest(), Send(Answer("200 OK", {}, "png"))}});
    ASSERT_TRUE(Get(server.Url(kChartQuery))) << socket_->ErrorCode();
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"GET " + kChartQuery +
                                                          " HTTP/1.0\r\n"
                                                          "Accept: */*\r\n"
                                                          "Accept-Language: en\r\n"
                                                          "Host: " +
                                                          server.HostAndPort() + "\r\n\r\n"});
    EXPECT_EQ(socket_->TimeoutSeconds(), 20);
}

TEST_F(HTTPSocketTest, AnAddressWithoutPathAsksForTheRoot) {
    ScriptedServer server({{ReadRequest(), Send(Answer("200 OK", {}, ""))}});
    ASSERT_TRUE(Get(server.Url("")));
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].substr(0, 16), "GET / HTTP/1.0\r\n");
}

TEST_F(HTTPSocketTest, KeepsStatusHeadersAndBodySizeAndWritesTheBodyIntoTheFile) {
    std::string body = "\x89PNG\r\n\x1a\n binary \0 bytes";
    ScriptedServer server(
        {{ReadRequest(),
          Send(Answer("200 OK",
                      {"Content-Type: image/png", "Content-Length: " + std::to_string(body.size())},
                      body))}});
    ASSERT_TRUE(Get(server.Url(kChartQuery))) << socket_->ErrorCode();
    EXPECT_EQ(socket_->HTTPStatusCode(), 200);
    EXPECT_EQ(socket_->ResponseHeader("content-type"), "image/png");
    EXPECT_EQ(socket_->ResponseHeaders().size(), 2u);
    EXPECT_EQ(socket_->BodyBytesReceived(), static_cast<std::int64_t>(body.size()));
    EXPECT_EQ(socket_->ErrorCode(), fw::HTTPError::None);
    EXPECT_EQ(ReadWholeFile(file_->AbsolutePath()), body);
}

struct LineEndCase {
    const char* name;
    std::string answer;
};

void PrintTo(const LineEndCase& c, std::ostream* os) { *os << c.name; }

class HeaderLineEndTest : public HTTPSocketTest,
                          public ::testing::WithParamInterface<LineEndCase> {};

// Each answer is also sent a byte at a time, so the block end is found across many reads.
TEST_P(HeaderLineEndTest, TheBodyStartsAfterTheEmptyLineWholeOrInPieces) {
    const std::string& answer = GetParam().answer;
    ScriptedServer server(
        {{ReadRequest(), Send(answer)}, {ReadRequest(), SendInPieces(answer, 1, 2ms)}});
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(Get(server.Url("/"))) << socket_->ErrorCode();
        EXPECT_EQ(socket_->HTTPStatusCode(), 200);
        EXPECT_EQ(socket_->ResponseHeader("Content-Type"), "image/png");
        EXPECT_EQ(ReadWholeFile(file_->AbsolutePath()), "BODY\r\nline\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderLineEndTest,
    ::testing::Values(
        LineEndCase{"CrLf", "HTTP/1.0 200 OK\r\nContent-Type: image/png\r\n\r\nBODY\r\nline\n"},
        LineEndCase{"LfOnly", "HTTP/1.0 200 OK\nContent-Type: image/png\n\nBODY\r\nline\n"},
        LineEndCase{"CrOnly", "HTTP/1.0 200 OK\rContent-Type: image/png\r\rBODY\r\nline\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HTTPSocketTest, ALargeBodyArrivesWholeInTheFile) {
    constexpr std::uint64_t kBodySize = 64ull * 1024 * 1024 + 12345;
    ScriptedServer server(
        {{ReadRequest(), Send(Answer("200 OK", {}, "")), vemo_test::StreamPattern(kBodySize)}});
    ASSERT_TRUE(Get(server.Url("/big"), 60)) << socket_->ErrorCode();
    EXPECT_EQ(socket_->BodyBytesReceived(), static_cast<std::int64_t>(kBodySize));
    ASSERT_EQ(std::filesystem::file_size(file_->AbsolutePath()), kBodySize);
    std::ifstream file(file_->AbsolutePath(), std::ios::binary);
    std::vector<char> piece(1 << 20);
    std::uint64_t offset = 0;
    while (file.read(piece.data(), static_cast<std::streamsize>(piece.size())) || file.gcount()) {
        for (std::streamsize i = 0; i < file.gcount(); ++i, ++offset) {
            ASSERT_EQ(piece[i], vemo_test::PatternByte(offset)) << "at byte " << offset;
        }
    }
    EXPECT_EQ(offset, kBodySize);
}

TEST_F(HTTPSocketTest, ALaterDownloadReplacesTheWholeFile) {
    ScriptedServer server({{ReadRequest(), Send(Answer("200 OK", {}, "a long first answer"))},
                           {ReadRequest(), Send(Answer("200 OK", {}, "second"))}});
    ASSERT_TRUE(Get(server.Url("/")));
    ASSERT_TRUE(Get(server.Url("/")));
    EXPECT_EQ(ReadWholeFile(file_->AbsolutePath()), "second");
}

TEST_F(HTTPSocketTest, TheWaitYieldsOncePerPassAndSleepsInBetween) {
    int yields = 0;
    auto previous = fw::SetBackgroundTask([&] { ++yields; });
    ScriptedServer server({{ReadRequest(), vemo_test::HoldOpen()}});
    EXPECT_FALSE(Get(server.Url("/"), 1));
    fw::SetBackgroundTask(previous);
    // About ten passes a second; a wait that spun would make thousands.
    EXPECT_GE(yields, 3);
    EXPECT_LE(yields, 200);
}

}  // namespace
