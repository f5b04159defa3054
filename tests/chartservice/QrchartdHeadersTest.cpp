#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/LoopbackHttp.h"
#include "chartservice/QrchartdServer.h"

namespace {

using chartservice_test::PrintTo;
using chartservice_test::QrchartdServer;
using chartservice_test::RequestEnd;

const std::string kGood = "/chart?cht=qr&chs=200x200&chl=whole";

chartservice_test::HttpReply GetWith(int port, const std::string& target,
                                     const std::string& headers) {
    return chartservice_test::ParseReply(chartservice_test::Exchange(
        port, "GET " + target + " HTTP/1.1\r\nHost: localhost\r\n" + headers + "\r\n",
        RequestEnd::KeepOpen));
}

struct HeaderCase {
    const char* label;
    std::string headers;  // each line ended by CR LF
};

class QrchartdIgnores : public QrchartdServer, public testing::WithParamInterface<HeaderCase> {};

// Whatever the headers ask for, the answer is the whole image, as without them.
TEST_P(QrchartdIgnores, HeadersThatWouldChangeTheAnswer) {
    auto plain = GetWith(Port(), kGood, "");
    ASSERT_EQ(plain.status, 200) << plain.body;
    auto reply = GetWith(Port(), kGood, GetParam().headers);
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.Header("Content-Type"), "image/png");
    EXPECT_EQ(reply.Header("Content-Range"), std::nullopt);
    EXPECT_EQ(reply.Header("Content-Length"), std::to_string(plain.body.size()));
    EXPECT_EQ(reply.body, plain.body);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QrchartdIgnores,
    testing::Values(HeaderCase{"Range", "Range: bytes=0-15\r\n"},
                    HeaderCase{"SuffixRange", "Range: bytes=-16\r\n"},
                    HeaderCase{"ManyRanges", "Range: bytes=0-1,4-8\r\n"},
                    HeaderCase{"UnsatisfiableRange", "Range: bytes=100000-\r\n"},
                    HeaderCase{"IfRange", "Range: bytes=0-15\r\nIf-Range: \"abc\"\r\n"},
                    HeaderCase{"IfRangeDate",
                               "Range: bytes=0-15\r\nIf-Range: Wed, 21 Oct 2015 07:28:00 GMT\r\n"},
                    HeaderCase{"IfNoneMatch", "If-None-Match: *\r\n"},
                    HeaderCase{"IfModifiedSince",
                               "If-Modified-Since: Wed, 21 Oct 2037 07:28:00 GMT\r\n"},
                    HeaderCase{"AcceptEncoding", "Accept-Encoding: gzip, deflate\r\n"},
                    HeaderCase{"Expect", "Expect: 100-continue\r\n"}),
    chartservice_test::ByLabel());

TEST_F(QrchartdServer, BadRequestWithARangeGetsItsReason) {
    auto reply = GetWith(Port(), "/chart?cht=qr&chs=1001x10&chl=x", "Range: bytes=0-15\r\n");
    EXPECT_EQ(reply.status, 400);
    EXPECT_EQ(reply.Header("Content-Type"), "text/plain");
    EXPECT_EQ(reply.body, "chs must be 1 to 1000 pixels each way\n");
}

TEST_F(QrchartdServer, BodyOnGetWithARangeIsRefused) {
    auto reply = GetWith(Port(), kGood, "Range: bytes=0-15\r\nContent-Length: 5\r\n");
    EXPECT_EQ(reply.status, 413);
    EXPECT_EQ(reply.body, "requests with a body are refused\n");
}

}  // namespace
