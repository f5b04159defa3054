#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QLabel>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "EndToEndTest.h"
#include "chartservice/ZbarReader.h"
#include "hostscripts/SvgDocument.h"
#include "shell/PaletteTexts.h"

namespace {

using chartservice_test::ReadQrCode;
using vemo_test::ReadWholeFile;
using vemo_test::SvgDocument;
using vemo_test::WriteWholeFile;

const std::string kItemSeparator = "<Mipo2011br>";
const std::string kFieldSeparator = "<Mipo2011>";
const std::string kPlacingText = "セット中";

std::string Item(const std::string& text, const std::string& x, const std::string& y) {
    return text + kFieldSeparator + x + kFieldSeparator + y;
}

// What became of one non-empty item: its number in the selection, the text the status line
// showed for it and, when the chart service drew it, the bytes in its code and the values it
// was placed with.
struct Outcome {
    int number;
    std::string text;
    std::optional<std::string> code;  // none: refused, so not placed
    std::string x;
    std::string y;
};

Outcome Placed(int number, const std::string& text, const std::string& x, const std::string& y) {
    return {number, text, text, x, y};
}

struct SelectionCase {
    const char* name;
    // The popups' rows as the user chose them: encoding, level, size; and the size's text.
    std::array<int, 3> rows;
    std::string size;
    // The selection as the host hands it over, with the line ends of the drawing
    // application's texts (CR, CR LF) still in it; none when there is no selection file.
    std::optional<std::string> selection;
    std::vector<Outcome> outcomes;
};

void PrintTo(const SelectionCase& row, std::ostream* out) { *out << row.name; }

std::string Joined(const std::vector<std::string>& parts) {
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) joined += (i ? kItemSeparator : "") + parts[i];
    return joined;
}

std::string EmbeddedPng(const SvgDocument::Attributes& image) {
    const std::string prefix = "data:image/png;base64,";
    const std::string href = image.at("href");
    if (!href.starts_with(prefix)) return {};
    return QByteArray::fromBase64(QByteArray::fromStdString(href.substr(prefix.size())),
                                  QByteArray::AbortOnBase64DecodingErrors)
        .toStdString();
}

bool IsPlainNumber(const std::string& value) {
    return !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
}

class CreateRunEndToEndTest : public EndToEndTest,
                              public ::testing::WithParamInterface<SelectionCase> {
  protected:
    std::string TempImage(int number) const {
        return (defaultFolder_ / "temp" / ("temp_" + std::to_string(number) + ".png")).string();
    }

    std::vector<std::string> TempFiles() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry :
             std::filesystem::directory_iterator(defaultFolder_ / "temp", error)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // The user chooses the rows, then clicks the create button.
    void ChooseAndClick(Window1& palette) {
        for (int index = 0; index < 3; ++index) {
            ChooseRow("POP1(" + std::to_string(index) + ")",
                      GetParam().rows[static_cast<std::size_t>(index)]);
        }
        auto* status = static_cast<QLabel*>(palette.ST1()->Widget());
        StatusRecorder recorder(*status);
        QWidget* button = FindWidget("makeqr");
        ASSERT_NE(button, nullptr);
        ClickWidget(*button);
        statuses_ = recorder.Texts();
        finalStatus_ = status->text().toStdString();
    }

    std::vector<Outcome> PlacedOutcomes() const {
        std::vector<Outcome> placed;
        for (const Outcome& outcome : GetParam().outcomes) {
            if (outcome.code) placed.push_back(outcome);
        }
        return placed;
    }

    std::vector<std::string> statuses_;
    std::string finalStatus_;
};

TEST_P(CreateRunEndToEndTest, AClickPlacesTheCodeOfEverySelectedItem) {
    const SelectionCase& row = GetParam();
    if (row.selection) WriteWholeFile(Host("selection.txt"), *row.selection);
    EXPECT_EQ(RunPalette([this](Window1& palette) { ChooseAndClick(palette); }), 0);

    // Every download leaves its file, a refused one too; an empty item leaves a gap.
    std::vector<std::string> expectedFiles;
    std::vector<std::string> expectedStatuses;
    for (const Outcome& outcome : row.outcomes) {
        expectedFiles.push_back("temp_" + std::to_string(outcome.number) + ".png");
        expectedStatuses.push_back(outcome.text);
        if (outcome.code) expectedStatuses.push_back(kPlacingText);
    }
    expectedStatuses.push_back(kIdleText);
    std::sort(expectedFiles.begin(), expectedFiles.end());
    EXPECT_EQ(TempFiles(), expectedFiles);
    EXPECT_EQ(statuses_, expectedStatuses);
    EXPECT_EQ(finalStatus_, kIdleText);

    std::string expectedLog;
    for (const Outcome& placed : PlacedOutcomes()) {
        EXPECT_EQ(ReadQrCode(ReadWholeFile(TempImage(placed.number))), placed.code)
            << "temp_" << placed.number << ".png";
        expectedLog += TempImage(placed.number) + "\t" + placed.x + "\t" + placed.y + "\n";
    }
    EXPECT_EQ(ReadWholeFile(Host("placed.log")), expectedLog);

    const std::vector<Outcome> placed = PlacedOutcomes();
    if (placed.empty()) {
        EXPECT_FALSE(std::filesystem::exists(Host("document.svg")));
    } else {
        const SvgDocument document = SvgDocument::Parse(ReadWholeFile(Host("document.svg")));
        ASSERT_EQ(document.error, "");
        ASSERT_EQ(document.images.size(), placed.size());
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const SvgDocument::Attributes& image = document.images[i];
            SCOPED_TRACE("image " + std::to_string(i));
            EXPECT_EQ(image.at("data-path"), TempImage(placed[i].number));
            EXPECT_EQ(image.at("data-x"), placed[i].x);
            EXPECT_EQ(image.at("data-y"), placed[i].y);
            if (IsPlainNumber(placed[i].x)) {
                EXPECT_EQ(image.at("x"), placed[i].x);
            }
            if (IsPlainNumber(placed[i].y)) {
                EXPECT_EQ(image.at("y"), placed[i].y);
            }
            EXPECT_EQ(image.at("width"), row.size);
            EXPECT_EQ(image.at("height"), row.size);
            EXPECT_EQ(ReadQrCode(EmbeddedPng(image)), placed[i].code);
        }
    }
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
    EXPECT_THAT(messages_, ::testing::IsEmpty()) << "a refused item is skipped without a word";
}

INSTANTIATE_TEST_SUITE_P(
    Selections, CreateRunEndToEndTest,
    ::testing::Values(
        SelectionCase{
            "EveryKindOfText",
            {1, 2, 4},
            "240",
            Joined({Item("Vemoコード 日本語のテキスト", "20", "20"), "",
                    Item("Tom&Jerry", "280", "20"), Item("#tag", "540", "20"),
                    Item("%41 is 100%", "20", "280"), Item("two words+one", "280", "280"),
                    Item("一行目\r\n二行目", "540", "280"), Item("C\rR", "1\r20", "54\r0")}),
            {Placed(0, "Vemoコード 日本語のテキスト", "20", "20"),
             Placed(2, "Tom&Jerry", "280", "20"), Placed(3, "#tag", "540", "20"),
             Placed(4, "%41 is 100%", "20", "280"), Placed(5, "two words+one", "280", "280"),
             Placed(6, "一行目\n二行目", "540", "280"), Placed(7, "CR", "120", "540")}},
        // The first start's rows: Shift_JIS, level L, 160 pixels.
        SelectionCase{"TheFirstRowsEncodeInShiftJis",
                      {0, 0, 0},
                      "160",
                      Joined({Item("Vemoコード", "10", "10"), Item("QR #1 & 2", "200", "10")}),
                      {{0, "Vemoコード", "Vemo\x83\x52\x81\x5B\x83\x68", "10", "10"},
                       Placed(1, "QR #1 & 2", "200", "10")}},
        SelectionCase{"MissingFieldsAreEmptyAndExtraOnesUnused",
                      {1, 0, 0},
                      "160",
                      Joined({"text alone", Item("with x", "30", "") + kFieldSeparator + "9",
                              "with one value" + kFieldSeparator + "70"}),
                      {Placed(0, "text alone", "", ""), Placed(1, "with x", "30", ""),
                       Placed(2, "with one value", "70", "")}},
        // ISO-8859-1 has no Japanese, a code needs a text, and 2000 bytes do not fit at level H.
        SelectionCase{"WhatTheChartServiceRefusesIsSkipped",
                      {2, 3, 0},
                      "160",
                      Joined({Item("日本語", "1", "1"), Item("Größe", "2", "2"), Item("", "3", "3"),
                              Item(std::string(2000, 'x'), "4", "4"), Item("last", "5", "5")}),
                      {{0, "日本語", std::nullopt, "1", "1"},
                       {1, "Größe",
                        "Gr\xF6\xDF"
                        "e",
                        "2", "2"},
                       {2, "", std::nullopt, "3", "3"},
                       {3, std::string(2000, 'x'), std::nullopt, "4", "4"},
                       Placed(4, "last", "5", "5")}},
        // The CR goes before the items are split, so the middle item is empty too.
        SelectionCase{"SeparatorsAloneMakeNothing",
                      {1, 0, 0},
                      "160",
                      kItemSeparator + "\r" + kItemSeparator,
                      {}},
        SelectionCase{"NoSelectionMakesNothing", {1, 0, 0}, "160", std::nullopt, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
