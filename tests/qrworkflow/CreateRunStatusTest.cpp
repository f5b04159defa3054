#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CreateRunTest.h"
#include "YieldHook.h"
#include "chartservice/PngSize.h"
#include "chartservice/ZbarReader.h"
#include "support/ScriptedServer.h"
#include "support/TinyPng.h"

namespace {

using chartservice_test::ImageSize;
using chartservice_test::PngSize;
using chartservice_test::ReadQrCode;
using vemo_test::ReadRequest;
using vemo_test::ReadWholeFile;
using vemo_test::Script;
using vemo_test::ScriptedServer;
using vemo_test::Send;

const std::string& I = kItemSeparator;

Script ServeImage() {
    const std::string png = vemo_test::TinyPng::Make(8, 8);
    return {ReadRequest(), Send(vemo_test::Answer(
                               "200 OK", {"Content-Length: " + std::to_string(png.size())}, png))};
}

Script ServeError() {
    return {ReadRequest(), Send(vemo_test::Answer("500 Internal Server Error", {}, "oops"))};
}

// The run's script calls and status texts in their order, without the arguments' appending.
std::vector<std::string> CallsAndStatuses(const std::vector<std::string>& log) {
    std::vector<std::string> kept;
    for (const std::string& line : log) {
        if (line.starts_with("ScriptFunction(168)") ||
            line.starts_with("CompleteParamScriptFunction") || line.starts_with("status: ")) {
            kept.push_back(line);
        }
    }
    return kept;
}

std::string PathOf(const fw::ScriptCall& call) { return fw::VariantToString(call.arguments.at(0)); }

TEST_F(CreateRunTest, ShowsEachStatusAtOnceAroundThePlacingCalls) {
    ScriptedServer server({ServeImage(), ServeError(), ServeImage()});
    UseChartHost(server.HostAndPort());
    host_->Answer(168, SelectionItem("A", "x", "y") + I + I + SelectionItem("C", "p", "q") + I +
                           SelectionItem("D", "u", "v"));
    Click();
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
    EXPECT_EQ(Statuses(),
              (std::vector<std::string>{"A", kPlacingText, "C", "D", kPlacingText, kIdleText}));
    EXPECT_EQ(CallsAndStatuses(host_->Log()),
              (std::vector<std::string>{
                  "ScriptFunction(168)", "status: A", "CompleteParamScriptFunction(1)",
                  std::string("status: ") + kPlacingText, "status: C", "status: D",
                  "CompleteParamScriptFunction(2)", std::string("status: ") + kPlacingText,
                  std::string("status: ") + kIdleText}));
    std::vector<fw::ScriptCall> calls = RunCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(PathOf(calls[1]), TempImagePath("temp_0.png"));
    EXPECT_EQ(PathOf(calls[2]), TempImagePath("temp_3.png"));
    EXPECT_EQ(server.ConnectionsAccepted(), 3) << "no download for the empty item";
}

TEST_F(CreateRunTest, ASecondRunOverTheSameSelectionUsesTheSameNumbersAndFiles) {
    host_->Answer(168,
                  SelectionItem("first A", "x", "y") + I + I + SelectionItem("first B", "u", "v"));
    Click();
    host_->Answer(
        168, SelectionItem("second A", "x", "y") + I + I + SelectionItem("second B", "u", "v"));
    Click();
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
    std::vector<fw::ScriptCall> calls = RunCalls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[3].script, 168);
    EXPECT_EQ(PathOf(calls[1]), TempImagePath("temp_0.png"));
    EXPECT_EQ(PathOf(calls[2]), TempImagePath("temp_2.png"));
    EXPECT_EQ(PathOf(calls[4]), PathOf(calls[1]));
    EXPECT_EQ(PathOf(calls[5]), PathOf(calls[2]));
    EXPECT_EQ(ReadQrCode(ReadWholeFile(TempImagePath("temp_0.png"))), "second A");
    EXPECT_EQ(ReadQrCode(ReadWholeFile(TempImagePath("temp_2.png"))), "second B");
    EXPECT_EQ(Statuses(), (std::vector<std::string>{
                              "first A", kPlacingText, "first B", kPlacingText, kIdleText,
                              "second A", kPlacingText, "second B", kPlacingText, kIdleText}));
}

// The popups change under the run: once the selection is fetched, and again after the first
// placing. Every image has the size that was set when the settings were read.
TEST_F(CreateRunTest, ReadsTheSettingsOnceAfterFetchingTheSelection) {
    int placings = 0;
    host_->AnswerWith([&](const fw::ScriptCall& call) -> fw::String {
        if (call.script == 168) {
            palette_->POP1(2)->SetListIndex(2);
            return SelectionItem("A", "x", "y") + I + SelectionItem("B", "u", "v");
        }
        if (call.script == 171 && ++placings == 1) palette_->POP1(2)->SetListIndex(6);
        return {};
    });
    Click();
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
    EXPECT_EQ(placings, 2);
    EXPECT_EQ(palette_->POP1(2)->Text(), "280");
    EXPECT_EQ(PngSize(ReadWholeFile(TempImagePath("temp_0.png"))), (ImageSize{200, 200}));
    EXPECT_EQ(PngSize(ReadWholeFile(TempImagePath("temp_1.png"))), (ImageSize{200, 200}));
}

// After the last placing only the ends of the passes are left: item 0's and the two empty ones.
TEST_F(CreateRunTest, YieldsAtTheEndOfEveryPassSkippedOnesToo) {
    host_->Answer(168, SelectionItem("A", "x", "y") + I + I);
    {
        YieldHook hook([&] { host_->Note("yield"); });
        Click();
    }
    const std::vector<std::string>& log = host_->Log();
    const std::string placed = std::string("status: ") + kPlacingText;
    auto last = std::find(log.rbegin(), log.rend(), placed);
    ASSERT_NE(last, log.rend());
    EXPECT_EQ(
        std::vector<std::string>(last.base(), log.end()),
        (std::vector<std::string>{"yield", "yield", "yield", std::string("status: ") + kIdleText}));
}

TEST_F(CreateRunTest, SeparatorsAloneStillYieldOncePerItem) {
    host_->Answer(168, I + I);
    int yields = 0;
    {
        YieldHook hook([&] { ++yields; });
        Click();
    }
    EXPECT_EQ(yields, 3);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{kIdleText}));
}

struct LevelCase {
    const char* name;
    const char* rows;  // the level popup's rows, CR-separated; nullptr keeps the palette's
    std::int32_t selectedRow;
    const char* letter;
};

void PrintTo(const LevelCase& row, std::ostream* os) { *os << row.name; }

class LevelLetterTest : public CreateRunTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelLetterTest, ComesFromTheRowNumberAloneAndTheRunGoesOn) {
    const LevelCase& row = GetParam();
    ScriptedServer server({ServeImage()});
    UseChartHost(server.HostAndPort());
    auto level = palette_->POP1(1);
    if (row.rows) level->SetInitialValue(row.rows);
    level->SetListIndex(row.selectedRow);
    palette_->POP1(0)->SetListIndex(2);
    palette_->POP1(2)->SetListIndex(12);
    host_->Answer(168, SelectionItem("A", "x", "y") + I + SelectionItem("B", "u", "v"));
    Click();
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
    EXPECT_EQ(RunCalls().size(), 3u) << "both items placed";
    std::vector<std::string> requestLines;
    for (const std::string& request : server.Requests()) {
        requestLines.push_back(request.substr(0, request.find("\r\n")));
    }
    const std::string query = "GET /chart?cht=qr&chs=400x400&choe=ISO-8859-1&chl=";
    const std::string end = std::string("&chld=") + row.letter + " HTTP/1.0";
    EXPECT_EQ(requestLines, (std::vector<std::string>{query + "A" + end, query + "B" + end}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LevelLetterTest,
    ::testing::Values(LevelCase{"Row0IsL", nullptr, 0, "L"}, LevelCase{"Row1IsM", nullptr, 1, "M"},
                      LevelCase{"Row2IsQ", nullptr, 2, "Q"}, LevelCase{"Row3IsH", nullptr, 3, "H"},
                      // The caption is not read: the letter follows the row's number.
                      LevelCase{"CaptionsAreNotRead", "H\rQ\rM\rL", 0, "L"},
                      LevelCase{"Row4IsNoLetter", "L\rM\rQ\rH\rX", 4, ""},
                      LevelCase{"NoRowIsNoLetter", "", -1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
