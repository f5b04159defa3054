#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/LoopbackHttp.h"
#include "chartservice/PngSize.h"
#include "chartservice/QrchartdServer.h"
#include "chartservice/Repeat.h"
#include "chartservice/ZbarReader.h"

namespace {

using chartservice_test::Repeat;

using chartservice_test::ImageSize;
using chartservice_test::PercentEncode;
using chartservice_test::PrintTo;

using chartservice_test::QrchartdServer;

struct RoundTripCase {
    const char* label;
    std::string size;
    std::string encoding;
    std::string text;  // UTF-8, sent percent-encoded
    std::string level;
    std::string expected;  // the data bytes in the code
    ImageSize image;
};

class QrchartdRoundTrip : public QrchartdServer,
                          public testing::WithParamInterface<RoundTripCase> {};

TEST_P(QrchartdRoundTrip, DecodesToTheTextsBytesInExactlyTheSize) {
    const RoundTripCase& c = GetParam();
    std::string target = "/chart?cht=qr&chs=" + c.size + "&choe=" + c.encoding +
                         "&chl=" + PercentEncode(c.text) + "&chld=" + PercentEncode(c.level);
    auto reply = chartservice_test::Get(Port(), target);
    ASSERT_EQ(reply.status, 200) << reply.body;
    EXPECT_EQ(reply.Header("Content-Type"), "image/png");
    EXPECT_EQ(chartservice_test::PngSize(reply.body), c.image);
    EXPECT_EQ(chartservice_test::ReadQrCode(reply.body), c.expected);
}

const std::string kJapanese = "日本語のテキスト";
const std::string kJapaneseShiftJis =
    "\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67";

INSTANTIATE_TEST_SUITE_P(
    Table, QrchartdRoundTrip,
    testing::Values(
        RoundTripCase{"PalettesExample", "200x200", "UTF-8", "ABC", "M", "ABC", {200, 200}},
        RoundTripCase{
            "Utf8JapaneseUnderEci", "160x160", "UTF-8", kJapanese, "L", kJapanese, {160, 160}},
        RoundTripCase{"Utf8ReservedCharacters",
                      "200x200",
                      "UTF-8",
                      "a&b#c%d e+f=g\nh?",
                      "Q",
                      "a&b#c%d e+f=g\nh?",
                      {200, 200}},
        RoundTripCase{"Utf8Url",
                      "333x120",
                      "UTF-8",
                      "https://example.com/a?b=c&d=%20",
                      "H",
                      "https://example.com/a?b=c&d=%20",
                      {333, 120}},
        RoundTripCase{"Utf8EmptyEncodingIsDefault", "120x333", "", "日本", "", "日本", {120, 333}},
        RoundTripCase{
            "ShiftJisKanji", "300x300", "Shift_JIS", kJapanese, "Q", kJapaneseShiftJis, {300, 300}},
        RoundTripCase{"ShiftJisMixed",
                      "250x250",
                      "Shift_JIS",
                      "日本ABC123ｱ~",
                      "H",
                      "\x93\xFA\x96\x7B"
                      "ABC123\xB1~",
                      {250, 250}},
        RoundTripCase{"ShiftJisAscii", "100x100", "Shift_JIS", "qr-01", "M", "qr-01", {100, 100}},
        RoundTripCase{"ShiftJisWindowsExtensions",
                      "200x200",
                      "Shift_JIS",
                      "①～髙",
                      "M",
                      "\x87\x40\x81\x60\xFB\xFC",
                      {200, 200}},
        RoundTripCase{"Latin1Accents",
                      "200x200",
                      "ISO-8859-1",
                      "café ÿ Ä",
                      "H",
                      "caf\xE9 \xFF \xC4",
                      {200, 200}},
        RoundTripCase{"Latin1Wide",
                      "400x90",
                      "ISO-8859-1",
                      "Größe",
                      "L",
                      "Gr\xF6\xDF"
                      "e",
                      {400, 90}},
        RoundTripCase{"NulByte",
                      "200x200",
                      "UTF-8",
                      std::string("a\0b", 3),
                      "L",
                      std::string("a\0b", 3),
                      {200, 200}},
        RoundTripCase{"SmallestReadableScale", "58x58", "UTF-8", "A", "L", "A", {58, 58}},
        RoundTripCase{"NoMargin", "42x42", "UTF-8", "A", "L|0", "A", {42, 42}},
        RoundTripCase{"WideMargin", "500x500", "UTF-8", "A", "M|12", "A", {500, 500}},
        RoundTripCase{"Largest",
                      "1000x1000",
                      "UTF-8",
                      std::string(1500, 'q'),
                      "L",
                      std::string(1500, 'q'),
                      {1000, 1000}},
        RoundTripCase{"LargestJapanese",
                      "1000x999",
                      "UTF-8",
                      Repeat(kJapanese, 80),
                      "M",
                      Repeat(kJapanese, 80),
                      {1000, 999}}),
    chartservice_test::ByLabel());

struct EncodingCase {
    const char* label;
    std::string encoding;
    std::string text;      // UTF-8, sent percent-encoded
    std::string expected;  // the data bytes in the code
};

const EncodingCase kEncodings[] = {
    {"Utf8", "UTF-8", "Vemoコード 1+1=2", "Vemoコード 1+1=2"},
    {"ShiftJis", "Shift_JIS", "Vemoコード 1+1=2", "Vemo\x83\x52\x81\x5B\x83\x68 1+1=2"},
    {"Latin1", "ISO-8859-1", "Größe 1+1=2",
     "Gr\xF6\xDF"
     "e 1+1=2"},
};

using GridCase = std::tuple<EncodingCase, std::string, ImageSize>;

class QrchartdGrid : public QrchartdServer, public testing::WithParamInterface<GridCase> {};

TEST_P(QrchartdGrid, EveryEncodingAtEveryLevelDecodes) {
    const auto& [encoding, level, size] = GetParam();
    std::string target = "/chart?cht=qr&chs=" + std::to_string(size.width) + "x" +
                         std::to_string(size.height) + "&choe=" + encoding.encoding +
                         "&chl=" + PercentEncode(encoding.text) + "&chld=" + level;
    auto reply = chartservice_test::Get(Port(), target);
    ASSERT_EQ(reply.status, 200) << reply.body;
    EXPECT_EQ(chartservice_test::PngSize(reply.body), size);
    EXPECT_EQ(chartservice_test::ReadQrCode(reply.body), encoding.expected);
}

std::string GridName(const testing::TestParamInfo<GridCase>& info) {
    const auto& [encoding, level, size] = info.param;
    return std::string(encoding.label) + "_" + level + "_" + std::to_string(size.width) + "x" +
           std::to_string(size.height);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, QrchartdGrid,
    testing::Combine(testing::ValuesIn(kEncodings), testing::Values("L", "M", "Q", "H"),
                     testing::Values(ImageSize{120, 120}, ImageSize{260, 180})),
    GridName);

// At one pixel per module zbar reads nothing, so only the answer and its size are checked.
TEST_F(QrchartdServer, ExactFitAtOnePixelPerModule) {
    auto reply = chartservice_test::Get(Port(), "/chart?cht=qr&chs=29x29&chl=ABC&chld=M");
    ASSERT_EQ(reply.status, 200) << reply.body;
    EXPECT_EQ(chartservice_test::PngSize(reply.body), (ImageSize{29, 29}));
}

struct RefusedCase {
    const char* label;
    std::string target;
    int status;
    std::string body;
};

class QrchartdRefuses : public QrchartdServer, public testing::WithParamInterface<RefusedCase> {};

TEST_P(QrchartdRefuses, WithAOneLineReason) {
    auto reply = chartservice_test::Get(Port(), GetParam().target);
    EXPECT_EQ(reply.status, GetParam().status);
    EXPECT_EQ(reply.Header("Content-Type"), "text/plain");
    EXPECT_EQ(reply.body, GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QrchartdRefuses,
    testing::Values(
        RefusedCase{"NoQuery", "/chart", 400, "cht is missing\n"},
        RefusedCase{"SizeOutOfRange", "/chart?cht=qr&chs=1001x10&chl=x", 400,
                    "chs must be 1 to 1000 pixels each way\n"},
        RefusedCase{"TooSmallForTheCode", "/chart?cht=qr&chs=28x28&chl=ABC", 400,
                    "chl does not fit chs: the code with its margin is 29 modules each way\n"},
        RefusedCase{"TooLongForTheLevel",
                    "/chart?cht=qr&chs=1000x1000&chld=H&chl=" + std::string(1274, 'a'), 400,
                    "chl does not fit a QR code at level H\n"},
        RefusedCase{"Unrepresentable", "/chart?cht=qr&chs=200x200&choe=ISO-8859-1&chl=%E6%97%A5",
                    400, "chl holds U+65E5, which ISO-8859-1 cannot represent\n"},
        RefusedCase{"UnknownLevel", "/chart?cht=qr&chs=200x200&chl=x&chld=Z", 400,
                    "chld must be L, M, Q or H, optionally followed by |MARGIN\n"},
        RefusedCase{"OtherPath", "/other", 404, "not found\n"},
        RefusedCase{"PathBelowChart", "/chart/x?cht=qr&chs=200x200&chl=x", 404, "not found\n"},
        RefusedCase{"PathCase", "/CHART?cht=qr&chs=200x200&chl=x", 404, "not found\n"},
        RefusedCase{"Root", "/", 404, "not found\n"}),
    chartservice_test::ByLabel());

}  // namespace
