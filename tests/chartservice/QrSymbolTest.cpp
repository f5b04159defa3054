#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/QrSymbol.h"
#include "chartservice/Repeat.h"

namespace {

using chartservice_test::Repeat;

using chartservice_test::PrintTo;

using chartservice::EncodeQrSymbol;
using chartservice::ErrorCorrection;
using chartservice::QrSymbol;
using chartservice::TextEncoding;

int WidthOf(std::string_view data, TextEncoding encoding, ErrorCorrection level) {
    auto encoding_result = EncodeQrSymbol(data, encoding, level);
    EXPECT_TRUE(encoding_result) << encoding_result.error;
    return encoding_result.symbol.Width();
}

// The error correction bits of the format information beside the top-left finder: row 8,
// columns 0 and 1, once the fixed mask 101010000010010 is taken off.
char LevelWrittenIn(const QrSymbol& symbol) {
    int bits = ((symbol.IsDark(0, 8) ? 1 : 0) ^ 1) << 1 | (symbol.IsDark(1, 8) ? 1 : 0);
    return "MLHQ"[bits];
}

TEST(QrSymbolTest, LevelIsWrittenIntoTheCode) {
    for (auto [level, letter] : {std::pair{ErrorCorrection::L, 'L'},
                                 {ErrorCorrection::M, 'M'},
                                 {ErrorCorrection::Q, 'Q'},
                                 {ErrorCorrection::H, 'H'}}) {
        auto code = EncodeQrSymbol("https://example.com/", TextEncoding::Utf8, level);
        ASSERT_TRUE(code) << code.error;
        EXPECT_EQ(LevelWrittenIn(code.symbol), letter);
        EXPECT_EQ(chartservice::ErrorCorrectionLetter(level), letter);
    }
}

// Version 1 at level L holds 152 data bits: 17 bytes in 8-bit mode (4 + 8 + 136 bits), but
// only 16 once the 12 bits of an ECI designator come first.
TEST(QrSymbolTest, NonAsciiUtf8CarriesTheEciDesignator) {
    std::string seventeenBytes = Repeat("é", 8) + "a";
    ASSERT_EQ(seventeenBytes.size(), 17u);
    EXPECT_EQ(WidthOf(seventeenBytes, TextEncoding::Utf8, ErrorCorrection::L), 25);
    EXPECT_EQ(WidthOf(seventeenBytes, TextEncoding::Latin1, ErrorCorrection::L), 21);
    EXPECT_EQ(WidthOf("abcdefghijklmnopq", TextEncoding::Utf8, ErrorCorrection::L), 21);
}

// Ten Kanji take 130 bits in Kanji mode and fit version 1 at L; as 20 bytes they do not.
TEST(QrSymbolTest, ShiftJisUsesKanjiMode) {
    std::string tenKanji = Repeat("\x93\xFA", 10);
    EXPECT_EQ(WidthOf(tenKanji, TextEncoding::ShiftJis, ErrorCorrection::L), 21);
    EXPECT_EQ(WidthOf(tenKanji, TextEncoding::Latin1, ErrorCorrection::L), 25);
}

TEST(QrSymbolTest, KanjiModeHoldsMoreThanBytesCould) {
    std::string kanji = Repeat("\x93\xFA", 1817);  // 3634 bytes; 8-bit mode holds 2953
    EXPECT_EQ(WidthOf(kanji, TextEncoding::ShiftJis, ErrorCorrection::L), 177);
    EXPECT_FALSE(EncodeQrSymbol(kanji + "\x93\xFA", TextEncoding::ShiftJis, ErrorCorrection::L));
}

TEST(QrSymbolTest, DigitsGoInNumericMode) {
    EXPECT_EQ(WidthOf(std::string(7089, '7'), TextEncoding::Utf8, ErrorCorrection::L), 177);
}

TEST(QrSymbolTest, DataWithNulIsEncodedWhole) {
    std::string data("a\0b", 3);
    EXPECT_EQ(WidthOf(data, TextEncoding::Latin1, ErrorCorrection::L), 21);
    // 17 bytes fit version 1 only when no byte is lost.
    EXPECT_EQ(WidthOf(std::string(17, '\0'), TextEncoding::Utf8, ErrorCorrection::L), 21);
    EXPECT_EQ(WidthOf(std::string(18, '\0'), TextEncoding::Utf8, ErrorCorrection::L), 25);
}

struct TooLongCase {
    const char* label;
    std::string data;
    ErrorCorrection level;
    std::string reason;
};

class QrSymbolRefuses : public testing::TestWithParam<TooLongCase> {};

TEST_P(QrSymbolRefuses, DataThatDoNotFit) {
    auto code = EncodeQrSymbol(GetParam().data, TextEncoding::Utf8, GetParam().level);
    EXPECT_FALSE(code);
    EXPECT_EQ(code.error, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QrSymbolRefuses,
    testing::Values(TooLongCase{"Empty", "", ErrorCorrection::L, "chl is empty"},
                    TooLongCase{"BytesBeyondL", std::string(2954, 'a'), ErrorCorrection::L,
                                "chl does not fit a QR code at level L"},
                    TooLongCase{"BytesBeyondH", std::string(1274, 'a'), ErrorCorrection::H,
                                "chl does not fit a QR code at level H"},
                    TooLongCase{"DigitsBeyondL", std::string(7090, '7'), ErrorCorrection::L,
                                "chl does not fit a QR code at level L"},
                    TooLongCase{"Utf8WithEciBeyondM", Repeat("日", 800), ErrorCorrection::M,
                                "chl does not fit a QR code at level M"}),
    chartservice_test::ByLabel());

TEST(QrSymbolTest, LongestDataStillFit) {
    EXPECT_EQ(WidthOf(std::string(2953, 'a'), TextEncoding::Utf8, ErrorCorrection::L), 177);
    EXPECT_EQ(WidthOf(std::string(1273, 'a'), TextEncoding::Utf8, ErrorCorrection::H), 177);
}

TEST(QrSymbolTest, ModulesOutsideTheSymbolAreLight) {
    QrSymbol symbol(2, {1, 1, 1, 1});
    EXPECT_TRUE(symbol.IsDark(1, 1));
    EXPECT_FALSE(symbol.IsDark(2, 0));
    EXPECT_FALSE(symbol.IsDark(0, -1));
    EXPECT_THROW(QrSymbol(2, {1, 1, 1}), std::invalid_argument);
}

}  // namespace
