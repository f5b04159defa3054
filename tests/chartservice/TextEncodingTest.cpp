#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/TextEncoding.h"

namespace {

using chartservice_test::PrintTo;

using chartservice::EncodeText;
using chartservice::TextEncoding;

TEST(TextEncodingTest, NamesAreExactAndRoundTrip) {
    for (TextEncoding encoding :
         {TextEncoding::Utf8, TextEncoding::ShiftJis, TextEncoding::Latin1}) {
        auto name = chartservice::TextEncodingName(encoding);
        EXPECT_EQ(chartservice::TextEncodingNamed(name), encoding) << name;
    }
    EXPECT_EQ(chartservice::TextEncodingName(TextEncoding::ShiftJis), "Shift_JIS");
    EXPECT_FALSE(chartservice::TextEncodingNamed("utf-8"));
    EXPECT_FALSE(chartservice::TextEncodingNamed("EUC-JP"));
    EXPECT_FALSE(chartservice::TextEncodingNamed(""));
}

struct Utf8Case {
    const char* label;
    std::string bytes;
    bool valid;
};

class Utf8Validity : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validity, IsJudgedStrictly) {
    EXPECT_EQ(chartservice::IsValidUtf8(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8Validity,
                         testing::Values(Utf8Case{"Ascii", "abc", true},
                                         Utf8Case{"Empty", "", true},
                                         Utf8Case{"TwoThreeFourBytes", "é日𝄞", true},
                                         Utf8Case{"HighestCodePoint", "\xF4\x8F\xBF\xBF", true},
                                         Utf8Case{"NulIsACharacter", std::string("a\0b", 3), true},
                                         Utf8Case{"LoneContinuation", "\x80", false},
                                         Utf8Case{"OverlongSlash", "\xC0\xAF", false},
                                         Utf8Case{"OverlongThreeBytes", "\xE0\x80\xAF", false},
                                         Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                                         Utf8Case{"AboveUnicode", "\xF4\x90\x80\x80", false},
                                         Utf8Case{"CutOff", "\xE6\x97", false},
                                         Utf8Case{"Latin1Byte", "caf\xE9", false}),
                         chartservice_test::ByLabel());

struct EncodedCase {
    const char* label;
    std::string utf8;
    TextEncoding encoding;
    std::string bytes;
};

class TextEncodes : public testing::TestWithParam<EncodedCase> {};

TEST_P(TextEncodes, ToTheEncodingsBytes) {
    auto encoded = EncodeText(GetParam().utf8, GetParam().encoding);
    ASSERT_TRUE(encoded) << encoded.error;
    EXPECT_EQ(encoded.bytes, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextEncodes,
    testing::Values(
        EncodedCase{"Utf8Unchanged", "日本語", TextEncoding::Utf8, "日本語"},
        EncodedCase{"ShiftJisKanji", "日本語", TextEncoding::ShiftJis, "\x93\xFA\x96\x7B\x8C\xEA"},
        EncodedCase{"ShiftJisAsciiAndHalfWidthKana", "A~\\ｱ", TextEncoding::ShiftJis, "A~\\\xB1"},
        EncodedCase{"ShiftJisWaveDash", "〜", TextEncoding::ShiftJis, "\x81\x60"},
        EncodedCase{"WindowsCircledDigitInShiftJis", "日①", TextEncoding::ShiftJis,
                    "\x93\xFA\x87\x40"},
        EncodedCase{"WindowsFullWidthTildeInShiftJis", "～", TextEncoding::ShiftJis, "\x81\x60"},
        EncodedCase{"Latin1Accents", "café ÿ", TextEncoding::Latin1, "caf\xE9 \xFF"},
        EncodedCase{"Latin1KeepsNul", std::string("a\0b", 3), TextEncoding::Latin1,
                    std::string("a\0b", 3)}),
    chartservice_test::ByLabel());

class TextRefused : public testing::TestWithParam<EncodedCase> {};

TEST_P(TextRefused, NamingTheFirstCharacterWithoutACode) {
    auto encoded = EncodeText(GetParam().utf8, GetParam().encoding);
    EXPECT_FALSE(encoded);
    EXPECT_EQ(encoded.error, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextRefused,
    testing::Values(EncodedCase{"KanjiInLatin1", "ab日本", TextEncoding::Latin1,
                                "chl holds U+65E5, which ISO-8859-1 cannot represent"},
                    EncodedCase{"EuroInLatin1", "5€", TextEncoding::Latin1,
                                "chl holds U+20AC, which ISO-8859-1 cannot represent"},
                    EncodedCase{"HangulInShiftJis", "日한", TextEncoding::ShiftJis,
                                "chl holds U+D55C, which Shift_JIS cannot represent"},
                    EncodedCase{"AstralInShiftJis", "a𝄞", TextEncoding::ShiftJis,
                                "chl holds U+1D11E, which Shift_JIS cannot represent"}),
    chartservice_test::ByLabel());

}  // namespace
