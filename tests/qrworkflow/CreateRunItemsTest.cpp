#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CreateRunTest.h"
#include "chartservice/ZbarReader.h"

namespace {

using chartservice_test::ReadQrCode;
using vemo_test::ReadWholeFile;

// One code that the run had placed: its file in "temp", the text it holds, the two values.
struct Placement {
    std::string file;
    std::string text;
    std::string first;
    std::string second;
};

struct ItemsCase {
    const char* name;
    std::string selection;
    std::vector<std::string> statuses;  // before the idle text that ends every run
    std::vector<Placement> placed;
    std::vector<std::string> files;  // in "temp" afterwards
    std::int32_t encodingRow = 0;    // Shift_JIS; 1 is UTF-8
};

void PrintTo(const ItemsCase& row, std::ostream* os) { *os << row.name; }

const std::string& I = kItemSeparator;
const std::string& F = kFieldSeparator;
const char* const P = kPlacingText;

class CreateRunItemsTest : public CreateRunTest, public ::testing::WithParamInterface<ItemsCase> {};

TEST_P(CreateRunItemsTest, ShowsDownloadsAndPlacesEachItem) {
    const ItemsCase& row = GetParam();
    host_->Answer(168, row.selection);
    palette_->POP1(0)->SetListIndex(row.encodingRow);
    Click();
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());

    std::vector<std::string> statuses = row.statuses;
    statuses.push_back(kIdleText);
    EXPECT_EQ(Statuses(), statuses);
    EXPECT_EQ(palette_->ST1()->Text(), kIdleText);

    std::vector<fw::ScriptCall> calls = RunCalls();
    ASSERT_EQ(calls.size(), 1 + row.placed.size());
    EXPECT_EQ(calls[0], (fw::ScriptCall{.script = 168, .withResult = true}));
    EXPECT_EQ(host_->Log().front(), "ScriptFunction(168)") << "no argument list is prepared";
    for (std::size_t k = 0; k < row.placed.size(); ++k) {
        const Placement& expected = row.placed[k];
        const fw::ScriptCall& call = calls[k + 1];
        SCOPED_TRACE(expected.file);
        EXPECT_EQ(call.script, 171);
        ASSERT_EQ(call.arguments.size(), 3u);
        for (const fw::Variant& argument : call.arguments) {
            EXPECT_EQ(fw::VarType(argument), fw::TypeString);
        }
        EXPECT_EQ(fw::VariantToString(call.arguments[0]), TempImagePath(expected.file));
        EXPECT_EQ(fw::VariantToString(call.arguments[1]), expected.first);
        EXPECT_EQ(fw::VariantToString(call.arguments[2]), expected.second);
        EXPECT_EQ(ReadQrCode(ReadWholeFile(TempImagePath(expected.file))), expected.text);
    }
    EXPECT_EQ(TempFiles(), row.files);
}

const std::string kThreeItems = "A" + F + "x" + F + "y" + I + I + "B" + F + "u" + F + "v";

INSTANTIATE_TEST_SUITE_P(
    Selections, CreateRunItemsTest,
    ::testing::Values(
        ItemsCase{"EmptySelection", "", {}, {}, {}},
        ItemsCase{"SeparatorsOnly", I + I + I, {}, {}, {}},
        ItemsCase{"NoSeparatorIsItemZero",
                  "A" + F + "x" + F + "y",
                  {"A", P},
                  {{"temp_0.png", "A", "x", "y"}},
                  {"temp_0.png"}},
        ItemsCase{"TrailingSeparator",
                  "A" + F + "x" + F + "y" + I + "B" + F + "u" + F + "v" + I,
                  {"A", P, "B", P},
                  {{"temp_0.png", "A", "x", "y"}, {"temp_1.png", "B", "u", "v"}},
                  {"temp_0.png", "temp_1.png"}},
        ItemsCase{"LeadingSeparator",
                  I + "B" + F + "u" + F + "v",
                  {"B", P},
                  {{"temp_1.png", "B", "u", "v"}},
                  {"temp_1.png"}},
        ItemsCase{"TwoSeparatorsInARowNumberZeroAndTwo",
                  kThreeItems,
                  {"A", P, "B", P},
                  {{"temp_0.png", "A", "x", "y"}, {"temp_2.png", "B", "u", "v"}},
                  {"temp_0.png", "temp_2.png"}},
        ItemsCase{"CrInsideValuesGoneLfKept",
                  "A\r\nB\r" + F + "x\r1" + F + "\r\ny\n",
                  {"A\nB", P},
                  {{"temp_0.png", "A\nB", "x1", "\ny\n"}},
                  {"temp_0.png"}},
        ItemsCase{"CrInsideASeparatorIsGoneBeforeTheSplit",
                  "A" + F + "x" + F + "y<Mipo20\r11br>B<Mipo\r2011>u" + F + "v",
                  {"A", P, "B", P},
                  {{"temp_0.png", "A", "x", "y"}, {"temp_1.png", "B", "u", "v"}},
                  {"temp_0.png", "temp_1.png"}},
        ItemsCase{"FourFieldsUseTheFirstThree",
                  "A" + F + "x" + F + "y" + F + "z",
                  {"A", P},
                  {{"temp_0.png", "A", "x", "y"}},
                  {"temp_0.png"}},
        ItemsCase{"TwoFieldsLeaveTheSecondValueEmpty",
                  "A" + F + "x" + I + "B" + F + "u" + F + "v",
                  {"A", P, "B", P},
                  {{"temp_0.png", "A", "x", ""}, {"temp_1.png", "B", "u", "v"}},
                  {"temp_0.png", "temp_1.png"}},
        ItemsCase{"OneFieldLeavesBothValuesEmpty",
                  "A",
                  {"A", P},
                  {{"temp_0.png", "A", "", ""}},
                  {"temp_0.png"}},
        ItemsCase{"DigitsOnlyValuesGoAsTexts",
                  "7" + F + "12" + F + "-3",
                  {"7", P},
                  {{"temp_0.png", "7", "12", "-3"}},
                  {"temp_0.png"}},
        // The service refuses an empty text, so the download is made but gives no image.
        ItemsCase{"EmptyTextIsDownloadedLikeAnyOther", F + "x" + F + "y", {""}, {}, {"temp_0.png"}},
        ItemsCase{"FailedDownloadThenASuccessfulOne",
                  F + "x" + F + "y" + I + "B" + F + "u" + F + "v",
                  {"", "B", P},
                  {{"temp_1.png", "B", "u", "v"}},
                  {"temp_0.png", "temp_1.png"}},
        ItemsCase{"JapaneseAndUrlSignsInUtf8",
                  "日本語 & # % ?=+" + F + "値1" + F + "値 2",
                  {"日本語 & # % ?=+", P},
                  {{"temp_0.png", "日本語 & # % ?=+", "値1", "値 2"}},
                  {"temp_0.png"},
                  1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
