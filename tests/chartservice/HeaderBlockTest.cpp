#include "chartservice/HeaderBlock.h"

#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/Repeat.h"

namespace {

using chartservice::HeaderBlock;
using chartservice::RequestLimits;
using chartservice_test::PrintTo;
using chartservice_test::Repeat;

// Small limits, so each can be met exactly: a 40-byte request line, an 80-byte block.
constexpr RequestLimits kLimits{40, 80, 3, std::chrono::milliseconds(1000)};

// A request line of exactly `length` bytes.
std::string LineOf(std::size_t length) {
    return "GET /" + std::string(length - 14, 'a') + " HTTP/1.0";
}

// A block of exactly `length` bytes with one header.
std::string BlockOf(std::size_t length) {
    return "GET / HTTP/1.0\r\nX: " + std::string(length - 23, 'b') + "\r\n\r\n";
}

struct ScreenCase {
    const char* label;
    std::string received;
    HeaderBlock expected;
};

class ScreenHeaderBlockTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenHeaderBlockTest, Says) {
    ASSERT_EQ(LineOf(40).size(), 40u);
    ASSERT_EQ(BlockOf(80).size(), 80u);
    EXPECT_EQ(chartservice::ScreenHeaderBlock(GetParam().received, kLimits), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScreenHeaderBlockTest,
    testing::Values(
        ScreenCase{"Nothing", "", HeaderBlock::Incomplete},
        ScreenCase{"LineOnly", "GET /chart?x HTTP/1.0\r\n", HeaderBlock::Incomplete},
        ScreenCase{"HeaderCutOff", "GET / HTTP/1.0\r\nHost: a", HeaderBlock::Incomplete},
        ScreenCase{"OneEmptyLineEnd", "GET / HTTP/1.0\r\nHost: a\r\n\r", HeaderBlock::Incomplete},
        ScreenCase{"Whole", "GET /chart?x HTTP/1.0\r\nHost: a\r\n\r\n", HeaderBlock::Complete},
        ScreenCase{"LineFeedsAlone", "HEAD /c HTTP/1.1\nHost: a\n\n", HeaderBlock::Complete},
        ScreenCase{"NoHeaders", "GET /c HTTP/1.0\r\n\r\n", HeaderBlock::Complete},
        ScreenCase{"WhatFollowsIsNotRead", "GET /c HTTP/1.0\r\n\r\n\x01 junk",
                   HeaderBlock::Complete},
        ScreenCase{"LineAtTheLimit", LineOf(40) + "\r\n\r\n", HeaderBlock::Complete},
        ScreenCase{"LineOneByteLonger", LineOf(41) + "\r\n\r\n", HeaderBlock::LineTooLong},
        ScreenCase{"LineAtTheLimitUpToItsCr", LineOf(40) + "\r", HeaderBlock::Incomplete},
        ScreenCase{"LineTooLongBeforeItEnds", "GET /" + std::string(36, 'a'),
                   HeaderBlock::LineTooLong},
        ScreenCase{"BlockAtTheLimit", BlockOf(80), HeaderBlock::Complete},
        ScreenCase{"BlockOneByteLonger", BlockOf(81), HeaderBlock::HeadersTooLong},
        ScreenCase{"BlockTooLongBeforeItEnds", "GET / HTTP/1.0\r\nX: " + std::string(62, 'b'),
                   HeaderBlock::HeadersTooLong},
        ScreenCase{"JunkTooLongIsTooLong", "\x01\n" + std::string(79, '\x02'),
                   HeaderBlock::HeadersTooLong},
        ScreenCase{"HeaderLinesAtTheLimit", "GET / HTTP/1.0\r\n" + Repeat("a: b\r\n", 3) + "\r\n",
                   HeaderBlock::Complete},
        ScreenCase{"OneHeaderLineMore", "GET / HTTP/1.0\r\n" + Repeat("a: b\r\n", 4) + "\r\n",
                   HeaderBlock::HeadersTooLong},
        ScreenCase{"LeadingEmptyLine", "\r\nGET / HTTP/1.0\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"NoVersion", "GET /chart\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"OtherVersion", "GET / HTTP/2.0\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"NoMethod", " / HTTP/1.0\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"TwoSpaces", "GET  / HTTP/1.0\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"SpaceInTarget", "GET /a b HTTP/1.0\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"NulInTarget", std::string("GET /a\0b HTTP/1.0\r\n\r\n", 21),
                   HeaderBlock::Malformed},
        ScreenCase{"TabInTarget", "GET /a\tb HTTP/1.0\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"HeaderWithoutColon", "GET / HTTP/1.0\r\nHost\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"HeaderWithoutName", "GET / HTTP/1.0\r\n: a\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"BlankBeforeColon", "GET / HTTP/1.0\r\nHost : a\r\n\r\n",
                   HeaderBlock::Malformed},
        ScreenCase{"FoldedHeader", "GET / HTTP/1.0\r\nA: b\r\n c\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"ControlInValue", "GET / HTTP/1.0\r\nA: b\x01\r\n\r\n", HeaderBlock::Malformed},
        ScreenCase{"TabInValue", "GET / HTTP/1.0\r\nA: b\tc\r\n\r\n", HeaderBlock::Complete},
        ScreenCase{"ContentLength", "GET / HTTP/1.0\r\nContent-Length: 5\r\n\r\n",
                   HeaderBlock::HasBody},
        ScreenCase{"ContentLengthZero", "GET / HTTP/1.0\r\ncontent-LENGTH:  0 \r\n\r\n",
                   HeaderBlock::Complete},
        ScreenCase{"TransferEncoding", "GET / HTTP/1.0\r\nTransfer-Encoding: chunked\r\n\r\n",
                   HeaderBlock::HasBody},
        ScreenCase{"NameThatOnlyStartsAlike", "GET / HTTP/1.0\r\nContent-Lengths: 5\r\n\r\n",
                   HeaderBlock::Complete},
        ScreenCase{"BodyHeaderAfterOthers",
                   "POST / HTTP/1.1\r\nHost: a\r\nTransfer-Encoding: x\r\n\r\n",
                   HeaderBlock::HasBody}),
    chartservice_test::ByLabel());

TEST(RefusalStatusTest, OfEachBlock) {
    EXPECT_EQ(chartservice::RefusalStatus(HeaderBlock::Incomplete), 0);
    EXPECT_EQ(chartservice::RefusalStatus(HeaderBlock::Complete), 0);
    EXPECT_EQ(chartservice::RefusalStatus(HeaderBlock::Malformed), 400);
    EXPECT_EQ(chartservice::RefusalStatus(HeaderBlock::HasBody), 413);
    EXPECT_EQ(chartservice::RefusalStatus(HeaderBlock::LineTooLong), 414);
    EXPECT_EQ(chartservice::RefusalStatus(HeaderBlock::HeadersTooLong), 431);
}

}  // namespace
