#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QLabel>
#include <algorithm>
#include <filesystem>
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
const std::string kImageSize = "240";  // row 4 of the size popup

std::string Item(const std::string& text, const std::string& x, const std::string& y) {
    return text + kFieldSeparator + x + kFieldSeparator + y;
}

// The selection as the host hands it over: what a user selected, with the line ends of the
// drawing application's texts (CR, CR LF) still in it.
const std::vector<std::string> kSelection = {
    Item("Vemoコード 日本語のテキスト", "20", "20"),
    "",
    Item("Tom&Jerry", "280", "20"),
    Item("#tag", "540", "20"),
    Item("%41 is 100%", "20", "280"),
    Item("two words+one", "280", "280"),
    Item("一行目\r\n二行目", "540", "280"),
    Item("C\rR", "1\r20", "54\r0"),
};

// One placed item: its number in the selection, the text in its code and the values it was
// placed with.
struct Placement {
    int number;
    std::string text;
    std::string x;
    std::string y;
};

const std::vector<Placement> kPlacements = {
    {0, "Vemoコード 日本語のテキスト", "20", "20"},
    {2, "Tom&Jerry", "280", "20"},
    {3, "#tag", "540", "20"},
    {4, "%41 is 100%", "20", "280"},
    {5, "two words+one", "280", "280"},
    {6, "一行目\n二行目", "540", "280"},
    {7, "CR", "120", "540"},
};

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) joined += (i ? separator : "") + parts[i];
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

class CreateRunEndToEndTest : public EndToEndTest {
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

    // The user picks UTF-8, level Q and the size, then clicks the create button.
    void ClickWithTheSettingsChosen(Window1& palette) {
        ChooseRow("POP1(0)", 1);
        ChooseRow("POP1(1)", 2);
        ChooseRow("POP1(2)", 4);
        auto* status = static_cast<QLabel*>(palette.ST1()->Widget());
        StatusRecorder recorder(*status);
        QWidget* button = FindWidget("makeqr");
        ASSERT_NE(button, nullptr);
        ClickWidget(*button);
        statuses_ = recorder.Texts();
        finalStatus_ = status->text().toStdString();
    }

    std::vector<std::string> statuses_;
    std::string finalStatus_;
};

TEST_F(CreateRunEndToEndTest, AClickTurnsEverySelectedItemIntoAPlacedCode) {
    WriteWholeFile(Host("selection.txt"), Joined(kSelection, kItemSeparator));
    EXPECT_EQ(RunPalette([this](Window1& palette) { ClickWithTheSettingsChosen(palette); }), 0);

    std::vector<std::string> expectedFiles;
    std::string expectedLog;
    std::vector<std::string> expectedStatuses;
    for (const Placement& placed : kPlacements) {
        expectedFiles.push_back("temp_" + std::to_string(placed.number) + ".png");
        expectedLog += TempImage(placed.number) + "\t" + placed.x + "\t" + placed.y + "\n";
        expectedStatuses.insert(expectedStatuses.end(), {placed.text, kPlacingText});
    }
    expectedStatuses.push_back(kIdleText);
    std::sort(expectedFiles.begin(), expectedFiles.end());

    EXPECT_EQ(TempFiles(), expectedFiles) << "the empty item 1 leaves a gap";
    for (const Placement& placed : kPlacements) {
        EXPECT_EQ(ReadQrCode(ReadWholeFile(TempImage(placed.number))), placed.text)
            << "temp_" << placed.number << ".png";
    }
    EXPECT_EQ(ReadWholeFile(Host("placed.log")), expectedLog);

    const SvgDocument document = SvgDocument::Parse(ReadWholeFile(Host("document.svg")));
    ASSERT_EQ(document.error, "");
    ASSERT_EQ(document.images.size(), kPlacements.size());
    for (std::size_t i = 0; i < kPlacements.size(); ++i) {
        const Placement& placed = kPlacements[i];
        const SvgDocument::Attributes& image = document.images[i];
        SCOPED_TRACE("image " + std::to_string(i));
        EXPECT_EQ(image.at("x"), placed.x);
        EXPECT_EQ(image.at("y"), placed.y);
        EXPECT_EQ(image.at("width"), kImageSize);
        EXPECT_EQ(image.at("height"), kImageSize);
        EXPECT_EQ(image.at("data-path"), TempImage(placed.number));
        EXPECT_EQ(ReadQrCode(EmbeddedPng(image)), placed.text);
    }

    EXPECT_EQ(statuses_, expectedStatuses);
    EXPECT_EQ(finalStatus_, kIdleText);
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
    EXPECT_THAT(messages_, ::testing::IsEmpty());
}

}  // namespace
