#include <gtest/gtest.h>

#include <string>

#include "standinhost/Coordinate.h"

namespace {

using standinhost::Coordinate;

struct Case {
    const char* name;
    std::string text;
    bool number;
    std::string plain;
    double value;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class CoordinateTest : public ::testing::TestWithParam<Case> {};

TEST_P(CoordinateTest, ReadsDecimalsAndNothingElse) {
    const Coordinate coordinate = Coordinate::Parse(GetParam().text);
    EXPECT_EQ(coordinate.IsNumber(), GetParam().number);
    EXPECT_EQ(coordinate.Text(), GetParam().plain);
    EXPECT_DOUBLE_EQ(coordinate.Value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CoordinateTest,
    ::testing::Values(
        Case{"Integer", "12", true, "12", 12}, Case{"Negative", "-3", true, "-3", -3},
        Case{"Plus", "+5", true, "+5", 5}, Case{"Fraction", "1.5", true, "1.5", 1.5},
        Case{"LeadingDot", ".5", true, "0.5", 0.5}, Case{"TrailingDot", "5.", true, "5", 5},
        Case{"NegativeLeadingDot", "-.5", true, "-0.5", -0.5},
        Case{"PlusTrailingDot", "+5.", true, "+5", 5},
        Case{"BlanksAround", " \t12\r\n", true, "12", 12},
        Case{"LeadingZeros", "007", true, "007", 7},
        Case{"AtTheLimit", "1000000000", true, "1000000000", 1e9},
        Case{"AtTheLimitWithZeros", "-0001000000000.000", true, "-0001000000000.000", -1e9},
        Case{"JustBeyond", "1000000000.001", false, "0", 0},
        Case{"TenDigitsBeyond", "1000000001", false, "0", 0},
        Case{"ElevenDigits", "99999999999", false, "0", 0},
        Case{"FourHundredNines", std::string(400, '9'), false, "0", 0},
        Case{"Empty", "", false, "0", 0}, Case{"BlanksOnly", " \n", false, "0", 0},
        Case{"DotOnly", ".", false, "0", 0}, Case{"SignOnly", "-", false, "0", 0},
        Case{"SignDot", "+.", false, "0", 0}, Case{"TwoSigns", "--5", false, "0", 0},
        Case{"TwoDots", "1.2.3", false, "0", 0}, Case{"Exponent", "1e3", false, "0", 0},
        Case{"Hex", "0x10", false, "0", 0}, Case{"Infinity", "inf", false, "0", 0},
        Case{"NotANumber", "nan", false, "0", 0}, Case{"Unit", "12px", false, "0", 0},
        Case{"BlankInside", "1 2", false, "0", 0}, Case{"Comma", "1,5", false, "0", 0},
        Case{"FullWidthDigits", "１２", false, "0", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
