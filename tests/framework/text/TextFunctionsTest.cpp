#include "framework/text/TextFunctions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "support/TempFolder.h"

namespace {

using fw::String;
using Pieces = std::vector<String>;

struct SplitCase {
    const char* label;
    String source;
    String separator;
    Pieces pieces;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, GivesThePiecesBetweenSeparators) {
    EXPECT_EQ(fw::Split(GetParam().source, GetParam().separator), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTest,
    ::testing::Values(
        SplitCase{"EmptyTextHasNoPieces", "", "<br>", {}},
        SplitCase{"NoSeparatorIsOnePiece", "abc", "<br>", {"abc"}},
        SplitCase{"SeparatorAloneIsTwoEmptyPieces", "<br>", "<br>", {"", ""}},
        SplitCase{"SeparatorsInARowGiveAnEmptyPiece", "a<br><br>b", "<br>", {"a", "", "b"}},
        SplitCase{"TrailingSeparatorGivesAnEmptyLastPiece", "a<br>", "<br>", {"a", ""}},
        SplitCase{"MatchesLetterCaseExactly", "a<BR>b<br>c", "<br>", {"a<BR>b", "c"}},
        SplitCase{"EmptySeparatorKeepsTheWhole", "abc", "", {"abc"}},
        SplitCase{"MultibyteTextStaysWhole", "日本<br>語", "<br>", {"日本", "語"}}),
    [](const auto& info) { return info.param.label; });

TEST(ReplaceAllTest, ReplacesEveryOccurrenceWithoutRescanning) {
    EXPECT_EQ(fw::ReplaceAll("a\rb\r\rc\r", "\r", ""), "abc");
    EXPECT_EQ(fw::ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(fw::ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(fw::ReplaceAll("a\nb", "\r", ""), "a\nb");
}

TEST(ChrTest, EncodesCodePointsAsUtf8) {
    EXPECT_EQ(fw::Chr(13), "\r");
    EXPECT_EQ(fw::Chr(0xE9), "\xC3\xA9");
    EXPECT_EQ(fw::Chr(0x30B3), "コ");
    EXPECT_EQ(fw::Chr(0x1F600), "\xF0\x9F\x98\x80");
    EXPECT_EQ(fw::Chr(0xD800), "");
    EXPECT_EQ(fw::Chr(0x110000), "");
}

TEST(StrValTest, DecimalTextRoundTripsEveryInt32) {
    for (std::int32_t value : {0, 1, -1, 10, 40, 12345, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()}) {
        EXPECT_EQ(fw::DoubleToInt32(fw::Val(fw::Str(value))), value) << value;
    }
    EXPECT_EQ(fw::Str(-50), "-50");
}

struct ValCase {
    const char* text;
    double value;
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(fw::Val(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ValTest,
                         ::testing::Values(ValCase{"", 0}, ValCase{"abc", 0}, ValCase{"  12", 12},
                                           ValCase{"+7", 7}, ValCase{"-3.5", -3.5},
                                           ValCase{"12abc", 12}, ValCase{"1e3", 1000},
                                           ValCase{"0x1F", 0}, ValCase{"nan", 0}, ValCase{"inf", 0},
                                           ValCase{".5", 0.5}));

// A German numeric locale, built in a folder of its own, for as long as the object lives.
// The GUI runtime's QApplication hands the user's locale to the C library.
class GermanNumbers {
  public:
    GermanNumbers() : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
        const std::string build =
            "localedef -i de_DE -f UTF-8 '" + folder_.Path() + "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(build.c_str()) != 0) return;
        if (const char* path = std::getenv("LOCPATH")) previousPath_ = path;
        ::setenv("LOCPATH", folder_.Path().c_str(), 1);
        active_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    }
    ~GermanNumbers() {
        std::setlocale(LC_NUMERIC, previous_.c_str());
        if (previousPath_) {
            ::setenv("LOCPATH", previousPath_->c_str(), 1);
        } else {
            ::unsetenv("LOCPATH");
        }
    }
    GermanNumbers(const GermanNumbers&) = delete;
    GermanNumbers& operator=(const GermanNumbers&) = delete;

    bool Active() const { return active_; }

  private:
    vemo_test::TempFolder folder_;
    std::string previous_;
    std::optional<std::string> previousPath_;
    bool active_ = false;
};

TEST(ValLocaleTest, ReadsTheDecimalPointWhateverTheLocaleSays) {
    GermanNumbers german;
    if (!german.Active()) GTEST_SKIP() << "no German locale can be built here (localedef)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_DOUBLE_EQ(fw::Val("-3.5"), -3.5);
    EXPECT_DOUBLE_EQ(fw::Val("1.25e2x"), 125);
    EXPECT_DOUBLE_EQ(fw::Val("3,5"), 3);
}

TEST(DoubleToInt32Test, DropsTheFractionAndHoldsTheRange) {
    EXPECT_EQ(fw::DoubleToInt32(2.9), 2);
    EXPECT_EQ(fw::DoubleToInt32(-2.9), -2);
    EXPECT_EQ(fw::DoubleToInt32(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(fw::DoubleToInt32(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(fw::DoubleToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
