#include "qrworkflow/ImageAnswerCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace {

struct JudgeRow {
    const char* name;
    int status;
    std::int64_t bodyBytes;
    std::optional<std::string> contentLength;
    std::string bodyStart;
    bool whole;
};

void PrintTo(const JudgeRow& row, std::ostream* os) { *os << row.name; }

class IsWholeImageAnswerTest : public ::testing::TestWithParam<JudgeRow> {};

TEST_P(IsWholeImageAnswerTest, JudgesStatusBodyContentLengthAndSignature) {
    const JudgeRow& row = GetParam();
    EXPECT_EQ(IsWholeImageAnswer(row.status, row.bodyBytes, row.contentLength, row.bodyStart),
              row.whole);
}

const std::string kSignature(kPngSignature);

INSTANTIATE_TEST_SUITE_P(
    Rows, IsWholeImageAnswerTest,
    ::testing::Values(
        JudgeRow{"NoContentLength", 200, 10, std::nullopt, kSignature, true},
        JudgeRow{"MatchingContentLength", 200, 10, "10", kSignature, true},
        JudgeRow{"ContentLengthOneMore", 200, 10, "11", kSignature, false},
        JudgeRow{"EmptyContentLength", 200, 10, "", kSignature, false},
        JudgeRow{"NegativeContentLength", 200, 10, "-10", kSignature, false},
        JudgeRow{"HugeContentLength", 200, 10, "99999999999999999999999", kSignature, false},
        JudgeRow{"EmptyBody", 200, 0, "0", "", false},
        JudgeRow{"NoStatus", 0, 10, std::nullopt, kSignature, false},
        JudgeRow{"Redirect", 301, 10, "10", kSignature, false},
        JudgeRow{"HtmlPage", 200, 15, std::nullopt, "<!DOCTYP", false},
        JudgeRow{"ChunkSizeLine", 200, 40, std::nullopt, "1e\r\n\x89PNG", false},
        JudgeRow{"HalfTheSignature", 200, 4, "4", kSignature.substr(0, 4), false},
        JudgeRow{"SignatureWithoutItsLastByte", 200, 7, std::nullopt, kSignature.substr(0, 7),
                 false},
        JudgeRow{"SignatureWithALineEndChanged", 200, 8, std::nullopt, "\x89PNG\n\n\x1a\n", false},
        JudgeRow{"SignatureAlone", 200, 8, "8", kSignature, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
