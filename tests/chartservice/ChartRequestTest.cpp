#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/ChartRequest.h"

namespace {

using chartservice_test::PrintTo;

using chartservice::ChartRequest;
using chartservice::ErrorCorrection;
using chartservice::ParseChartRequest;
using chartservice::TextEncoding;

ChartRequest Request(int width, int height, TextEncoding encoding, std::string text,
                     ErrorCorrection level, int margin) {
    return ChartRequest{width, height, encoding, std::move(text), level, margin};
}

struct AcceptedCase {
    const char* label;
    std::string query;
    ChartRequest expected;
};

class ChartRequestAccepts : public testing::TestWithParam<AcceptedCase> {};

TEST_P(ChartRequestAccepts, WithDefaultsForWhatIsLeftOut) {
    auto parse = ParseChartRequest(GetParam().query);
    ASSERT_TRUE(parse) << parse.error;
    EXPECT_EQ(parse.request, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChartRequestAccepts,
    testing::Values(
        AcceptedCase{"PalettesExample", "cht=qr&chs=200x200&choe=UTF-8&chl=ABC&chld=M",
                     Request(200, 200, TextEncoding::Utf8, "ABC", ErrorCorrection::M, 4)},
        AcceptedCase{"OnlyRequiredKeys", "cht=qr&chs=1x1000&chl=x",
                     Request(1, 1000, TextEncoding::Utf8, "x", ErrorCorrection::L, 4)},
        AcceptedCase{"EmptyOptionalValuesTakeDefaults", "cht=qr&chs=160x160&choe=&chl=x&chld=",
                     Request(160, 160, TextEncoding::Utf8, "x", ErrorCorrection::L, 4)},
        AcceptedCase{"KeysInAnyOrder", "chld=H&chl=x&choe=Shift_JIS&chs=300x100&cht=qr",
                     Request(300, 100, TextEncoding::ShiftJis, "x", ErrorCorrection::H, 4)},
        AcceptedCase{"Latin1AndQ", "cht=qr&chs=50x60&choe=ISO-8859-1&chl=x&chld=Q",
                     Request(50, 60, TextEncoding::Latin1, "x", ErrorCorrection::Q, 4)},
        AcceptedCase{"MarginGiven", "cht=qr&chs=99x99&chl=x&chld=M%7C0",
                     Request(99, 99, TextEncoding::Utf8, "x", ErrorCorrection::M, 0)},
        AcceptedCase{"RawBarAndLeadingZeros", "cht=qr&chs=0200x007&chl=x&chld=Q|012",
                     Request(200, 7, TextEncoding::Utf8, "x", ErrorCorrection::Q, 12)},
        AcceptedCase{"TextDecodedPlusKept", "cht=qr&chs=9x9&chl=%E6%97%A5+1%20%26%0A&chld=L%7C1000",
                     Request(9, 9, TextEncoding::Utf8, "日+1 &\n", ErrorCorrection::L, 1000)},
        AcceptedCase{"OtherKeysIgnored", "cht=qr&chs=9x9&chl=x&chof=png&chco=FF0000",
                     Request(9, 9, TextEncoding::Utf8, "x", ErrorCorrection::L, 4)}),
    chartservice_test::ByLabel());

struct RefusedCase {
    const char* label;
    std::string query;
    std::string reason;
};

class ChartRequestRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(ChartRequestRefuses, WithAReasonNamingTheKey) {
    auto parse = ParseChartRequest(GetParam().query);
    EXPECT_FALSE(parse);
    EXPECT_EQ(parse.error, GetParam().reason);
}

const std::string kSize = "cht=qr&chs=9x9&chl=x";

INSTANTIATE_TEST_SUITE_P(
    Table, ChartRequestRefuses,
    testing::Values(
        RefusedCase{"ChtMissing", "chs=9x9&chl=x", "cht is missing"},
        RefusedCase{"ChtEmpty", "cht=&chs=9x9&chl=x", "cht is missing"},
        RefusedCase{"ChtOther", "cht=bvs&chs=9x9&chl=x", "cht must be qr"},
        RefusedCase{"ChtUpperCase", "cht=QR&chs=9x9&chl=x", "cht must be qr"},
        RefusedCase{"ChsMissing", "cht=qr&chl=x", "chs is missing"},
        RefusedCase{"ChsEmpty", "cht=qr&chs=&chl=x", "chs is missing"},
        RefusedCase{"ChsOneNumber", "cht=qr&chs=200&chl=x", "chs must be WIDTHxHEIGHT"},
        RefusedCase{"ChsNoHeight", "cht=qr&chs=200x&chl=x", "chs must be WIDTHxHEIGHT"},
        RefusedCase{"ChsNoWidth", "cht=qr&chs=x200&chl=x", "chs must be WIDTHxHEIGHT"},
        RefusedCase{"ChsCapitalX", "cht=qr&chs=200X200&chl=x", "chs must be WIDTHxHEIGHT"},
        RefusedCase{"ChsThreeNumbers", "cht=qr&chs=2x2x2&chl=x", "chs must be WIDTHxHEIGHT"},
        RefusedCase{"ChsSign", "cht=qr&chs=-5x5&chl=x", "chs must be WIDTHxHEIGHT"},
        RefusedCase{"ChsSpace", "cht=qr&chs=5%20x5&chl=x", "chs must be WIDTHxHEIGHT"},
        RefusedCase{"ChsZero", "cht=qr&chs=0x200&chl=x", "chs must be 1 to 1000 pixels each way"},
        RefusedCase{"ChsTooWide", "cht=qr&chs=1001x200&chl=x",
                    "chs must be 1 to 1000 pixels each way"},
        RefusedCase{"ChsTooHigh", "cht=qr&chs=200x1001&chl=x",
                    "chs must be 1 to 1000 pixels each way"},
        RefusedCase{"ChsHuge", "cht=qr&chs=99999999999999999999x1&chl=x",
                    "chs must be 1 to 1000 pixels each way"},
        RefusedCase{"ChoeUnknown", kSize + "&choe=EUC-JP",
                    "choe must be UTF-8, Shift_JIS or ISO-8859-1"},
        RefusedCase{"ChoeLowerCase", kSize + "&choe=utf-8",
                    "choe must be UTF-8, Shift_JIS or ISO-8859-1"},
        RefusedCase{"ChlMissing", "cht=qr&chs=9x9", "chl is missing"},
        RefusedCase{"ChlEmpty", "cht=qr&chs=9x9&chl=", "chl is missing"},
        RefusedCase{"ChlNotUtf8", "cht=qr&chs=9x9&chl=caf%E9", "chl is not valid UTF-8"},
        RefusedCase{"ChldUnknownLetter", kSize + "&chld=X",
                    "chld must be L, M, Q or H, optionally followed by |MARGIN"},
        RefusedCase{"ChldLowerCase", kSize + "&chld=m",
                    "chld must be L, M, Q or H, optionally followed by |MARGIN"},
        RefusedCase{"ChldTwoLetters", kSize + "&chld=LM",
                    "chld must be L, M, Q or H, optionally followed by |MARGIN"},
        RefusedCase{"ChldPaletteRowText", kSize + "&chld=L%20-%207%25",
                    "chld must be L, M, Q or H, optionally followed by |MARGIN"},
        RefusedCase{"ChldOnlyMargin", kSize + "&chld=%7C4",
                    "chld must be L, M, Q or H, optionally followed by |MARGIN"},
        RefusedCase{"ChldEmptyMargin", kSize + "&chld=L%7C",
                    "chld's margin must be a number of modules"},
        RefusedCase{"ChldNegativeMargin", kSize + "&chld=L%7C-1",
                    "chld's margin must be a number of modules"},
        RefusedCase{"ChldTwoMargins", kSize + "&chld=L%7C1%7C2",
                    "chld's margin must be a number of modules"},
        RefusedCase{"ChldMarginTooLarge", kSize + "&chld=L%7C1001",
                    "chld's margin must be 0 to 1000 modules"},
        RefusedCase{"KeyTwice", "cht=qr&chs=9x9&chl=x&chl=y", "chl is given twice"},
        RefusedCase{"KeyTwiceEvenEmpty",
                    "cht=qr&chs=9x9&chl=x&chld=L&chld=", "chld is given twice"},
        RefusedCase{"MalformedEscape", "cht=qr&chs=9x9&chl=%E6%9",
                    "malformed percent-encoding at byte 22 of the query"}),
    chartservice_test::ByLabel());

}  // namespace
