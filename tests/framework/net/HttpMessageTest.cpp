#include <gtest/gtest.h>

#include "framework/net/HttpAnswer.h"
#include "framework/net/HttpRequest.h"

namespace {

TEST(BuildGetRequestTest, GivesTheRequestLineTheHeadersHostAndTheEmptyLineOnly) {
    fw::HttpAddress address{"localhost", 80, "localhost",
                            "/chart?cht=qr&chs=200x200&choe=UTF-8&chl=ABC&chld=M"};
    EXPECT_EQ(fw::BuildGetRequest(address, {{"Accept", "*/*"}, {"Accept-Language", "en"}}),
              "GET /chart?cht=qr&chs=200x200&choe=UTF-8&chl=ABC&chld=M HTTP/1.0\r\n"
              "Accept: */*\r\n"
              "Accept-Language: en\r\n"
              "Host: localhost\r\n"
              "\r\n");
}

struct EndCase {
    const char* name;
    std::string received;
    std::string block;  // expected header block
    std::string body;   // expected bytes after the empty line
};

void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }

class FindHeaderBlockEndTest : public ::testing::TestWithParam<EndCase> {};

TEST_P(FindHeaderBlockEndTest, SplitsBlockAndBody) {
    const std::string& received = GetParam().received;
    std::optional<fw::HeaderBlockEnd> end = fw::FindHeaderBlockEnd(received);
    ASSERT_TRUE(end);
    EXPECT_EQ(received.substr(0, end->blockLength), GetParam().block);
    EXPECT_EQ(received.substr(end->bodyStart), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindHeaderBlockEndTest,
    ::testing::Values(
        EndCase{"CrLf", "HTTP/1.0 200 OK\r\nA: b\r\n\r\nbody", "HTTP/1.0 200 OK\r\nA: b", "body"},
        EndCase{"LfOnly", "HTTP/1.0 200 OK\nA: b\n\nbody", "HTTP/1.0 200 OK\nA: b", "body"},
        EndCase{"CrOnly", "HTTP/1.0 200 OK\rA: b\r\rbody", "HTTP/1.0 200 OK\rA: b", "body"},
        EndCase{"EmptyBlock", "\r\n\r\n", "", ""},
        EndCase{"BodyKeepsItsLineEnds", "H\r\n\r\n\r\nx\n\n", "H", "\r\nx\n\n"},
        EndCase{"CrLfDataEndedByLfLf", "H\r\nA: b\n\nbody", "H\r\nA: b", "body"},
        EndCase{"LfHeaderCrLfInBody", "H\nA: b\n\nbo\r\ndy", "H\nA: b", "bo\r\ndy"},
        EndCase{"FallbackTriesLfLfBeforeCrCr", "H\r\nA\r\rB\n\nbody", "H\r\nA\r\rB", "body"},
        EndCase{"CrLfPairWinsOverAnEarlierLfLf", "H\n\nX\r\n\r\nbody", "H\n\nX", "body"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindHeaderBlockEndTest, NothingWhileTheEmptyLineHasNotArrived) {
    for (std::string received : {"", "HTTP/1.0 200 OK", "HTTP/1.0 200 OK\r\nA: b\r\n",
                                 "HTTP/1.0 200 OK\r\nA: b\r\n\r", "HTTP/1.0 200 OK\n"}) {
        EXPECT_FALSE(fw::FindHeaderBlockEnd(received)) << received;
    }
}

TEST(ParseHeaderBlockTest, ReadsTheStatusAndTheHeadersInOrder) {
    for (std::string lineEnd : {"\r\n", "\n", "\r"}) {
        fw::AnswerHead head =
            fw::ParseHeaderBlock("HTTP/1.0 404 Not Found" + lineEnd + "Content-Type: text/html" +
                                 lineEnd + "Content-Length:  12 " + lineEnd + "junk");
        EXPECT_EQ(head.status, 404);
        EXPECT_EQ(head.headers,
                  (fw::HeaderList{{"Content-Type", "text/html"}, {"Content-Length", "12"}}));
    }
}

TEST(ParseHeaderBlockTest, TheStatusIsTheNumberStartingTheSecondField) {
    EXPECT_EQ(fw::ParseHeaderBlock("HTTP/1.1 200").status, 200);
    EXPECT_EQ(fw::ParseHeaderBlock("HTTP/1.0  302 Found").status, 302);
    EXPECT_EQ(fw::ParseHeaderBlock("ICY 200 OK").status, 200);
    EXPECT_EQ(fw::ParseHeaderBlock("HTTP/1.0 abc").status, 0);
    EXPECT_EQ(fw::ParseHeaderBlock("HTTP/1.0").status, 0);
    EXPECT_EQ(fw::ParseHeaderBlock("").status, 0);
    EXPECT_EQ(fw::ParseHeaderBlock("HTTP/1.0 99999999999999").status, 999999999);
}

TEST(FindHeaderTest, IgnoresTheLetterCaseOfTheNameAndTakesTheFirst) {
    fw::HeaderList headers{{"Content-Length", "12"}, {"content-length", "13"}};
    EXPECT_EQ(fw::FindHeader(headers, "CONTENT-LENGTH"), "12");
    EXPECT_EQ(fw::FindHeader(headers, "Content-Type"), std::nullopt);
}

}  // namespace
