#include <gtest/gtest.h>

#include <vector>

#include "chartservice/CaseLabel.h"
#include "chartservice/LoopbackHttp.h"
#include "chartservice/QrchartdServer.h"
#include "chartservice/Repeat.h"
#include "chartservice/ZbarReader.h"
#include "qrworkflow/ChartAddress.h"

namespace {

using chartservice_test::PrintTo;
using chartservice_test::QrchartdServer;

// A piece of text and the bytes the code holds for it.
struct Piece {
    std::string text;  // UTF-8
    std::string inCode;
};

// The pieces taken in turn, `count` of them.
Piece Cycle(const std::vector<Piece>& pieces, int count) {
    Piece whole;
    for (int i = 0; i < count; ++i) {
        whole.text += pieces[i % pieces.size()].text;
        whole.inCode += pieces[i % pieces.size()].inCode;
    }
    return whole;
}

struct LongestCase {
    const char* label;
    std::string encoding;
    std::vector<Piece> pieces;
    int capacity;  // pieces at level L in a version-40 code
};

class QrchartdLongestText : public QrchartdServer, public testing::WithParamInterface<LongestCase> {
  protected:
    // The reply to the text as the palette asks for it.
    static chartservice_test::HttpReply Ask(const std::string& text, const std::string& encoding) {
        return chartservice_test::Get(Port(), ChartPath(text, encoding, "L", "1000"));
    }
};

TEST_P(QrchartdLongestText, DecodesToItsExactBytes) {
    Piece longest = Cycle(GetParam().pieces, GetParam().capacity);
    auto reply = Ask(longest.text, GetParam().encoding);
    ASSERT_EQ(reply.status, 200) << reply.body;
    EXPECT_EQ(chartservice_test::ReadQrCode(reply.body), longest.inCode);
}

TEST_P(QrchartdLongestText, OneMoreDoesNotFit) {
    Piece tooLong = Cycle(GetParam().pieces, GetParam().capacity + 1);
    auto reply = Ask(tooLong.text, GetParam().encoding);
    EXPECT_EQ(reply.status, 400);
    EXPECT_EQ(reply.body, "chl does not fit a QR code at level L\n");
}

// UTF-8 goes in one 8-bit segment after the ECI designator: 2,952 bytes. Shift_JIS Kanji go in
// Kanji mode, 13 bits each; half-width katakana are one byte each in Shift_JIS, three in UTF-8
// and nine in the request line, the longest there is.
INSTANTIATE_TEST_SUITE_P(
    Table, QrchartdLongestText,
    testing::Values(
        LongestCase{"Utf8Kanji",
                    "UTF-8",
                    {{"日", "日"}, {"本", "本"}, {"語", "語"}, {"漢", "漢"}, {"字", "字"}},
                    984},
        LongestCase{"ShiftJisKanji",
                    "Shift_JIS",
                    {{"日", "\x93\xFA"},
                     {"本", "\x96\x7B"},
                     {"語", "\x8C\xEA"},
                     {"漢", "\x8A\xBF"},
                     {"字", "\x8E\x9A"}},
                    1817},
        LongestCase{"ShiftJisHalfWidthKatakana",
                    "Shift_JIS",
                    {{"ｱ", "\xB1"}, {"ｲ", "\xB2"}, {"ｳ", "\xB3"}, {"ﾝ", "\xDD"}},
                    2953},
        LongestCase{"Latin1",
                    "ISO-8859-1",
                    {{"é", "\xE9"}, {"à", "\xE0"}, {"ü", "\xFC"}, {"ß", "\xDF"}, {"ÿ", "\xFF"}},
                    2953}),
    chartservice_test::ByLabel());

// One byte past the UTF-8 capacity, as an ASCII letter after the Kanji.
TEST_F(QrchartdServer, Utf8OneBytePastTheCapacityDoesNotFit) {
    std::string text = chartservice_test::Repeat("漢", 984) + "a";
    auto reply = chartservice_test::Get(Port(), ChartPath(text, "UTF-8", "L", "1000"));
    EXPECT_EQ(reply.status, 400);
    EXPECT_EQ(reply.body, "chl does not fit a QR code at level L\n");
}

}  // namespace
