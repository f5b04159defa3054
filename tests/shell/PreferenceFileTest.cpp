#include <gtest/gtest.h>

#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "PaletteTest.h"
#include "PreferenceFileChecks.h"
#include "support/TempFolder.h"

namespace {

// The UTF-8 byte order mark.
const std::string kMark = "\xEF\xBB\xBF";

using vemo_test::ReadWholeFile;
using vemo_test::WriteWholeFile;

struct ReadCase {
    const char* label;
    std::optional<std::string> file;  // none: there is no file
    std::optional<QPoint> place;      // none: where the framework placed the palette
    Rows rows;
};

void PrintTo(const ReadCase& read, std::ostream* out) { *out << read.label; }

// The palette started with the case's preference file in place.
class PreferenceReadTest : public PaletteTest, public ::testing::WithParamInterface<ReadCase> {
  protected:
    PreferenceReadTest() {
        if (GetParam().file) WriteWholeFile(preferences_.File(), *GetParam().file);
    }
};

TEST_P(PreferenceReadTest, TheFileIsAppliedWhenThePaletteOpens) {
    const ReadCase& expected = GetParam();
    if (expected.place) {
        EXPECT_EQ(QPoint(palette_->Left(), palette_->Top()), *expected.place);
    } else {
        EXPECT_FALSE(palette_->Widget()->testAttribute(Qt::WA_Moved))
            << "the palette stays where the framework placed it";
    }
    EXPECT_EQ(SelectedRows(*palette_), expected.rows);
    EXPECT_TRUE(palette_->Widget()->isVisible());
    ASSERT_NE(palette_->gMyPref, nullptr);
    EXPECT_EQ(palette_->gMyPref->AbsolutePath(), preferences_.File());
    EXPECT_EQ(std::filesystem::exists(preferences_.File()), expected.file.has_value())
        << "reading makes no file";
    if (expected.file) {
        EXPECT_EQ(ReadWholeFile(preferences_.File()), *expected.file);
    }
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(unhandled_.All().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, PreferenceReadTest,
    ::testing::Values(
        ReadCase{"NoFile", std::nullopt, std::nullopt, {0, 0, 0}},
        ReadCase{"RaisedToTheLeastPlace", "5\n20\n1\n3\n4\n", QPoint(10, 40), {1, 3, 4}},
        ReadCase{"TheLeastPlaceStands", "10\n40\n0\n0\n0\n", QPoint(10, 40), {0, 0, 0}},
        ReadCase{"NegativePlace", "-50\n-50\n2\n0\n1\n", QPoint(10, 40), {2, 0, 1}},
        ReadCase{
            "FarBeyondEveryScreen", "30000\n20000\n1\n2\n12\n", QPoint(30000, 20000), {1, 2, 12}},
        ReadCase{"EmptyFile", "", QPoint(10, 40), {0, 0, 0}},
        ReadCase{"TwoLines", "200\n300\n", QPoint(200, 300), {0, 0, 0}},
        ReadCase{"SevenLines", "150\n160\n2\n3\n5\n7\n8\n", QPoint(150, 160), {2, 3, 5}},
        ReadCase{"RowBeyondTheEncodings", "100\n100\n9\n1\n2\n", QPoint(100, 100), {0, 1, 2}},
        ReadCase{"NegativeRow", "100\n100\n1\n-1\n2\n", QPoint(100, 100), {1, 0, 2}},
        ReadCase{"CrLfLineEnds", "120\r\n80\r\n2\r\n1\r\n12\r\n", QPoint(120, 80), {2, 1, 12}},
        ReadCase{"ByteOrderMark", kMark + "120\n80\n2\n1\n12\n", QPoint(120, 80), {2, 1, 12}},
        ReadCase{"ByteOrderMarkAndCrLf",
                 kMark + "130\r\n90\r\n1\r\n2\r\n5\r\n",
                 QPoint(130, 90),
                 {1, 2, 5}},
        ReadCase{"NoLineEndAfterTheLast", "120\n80\n2\n1\n12", QPoint(120, 80), {2, 1, 12}},
        ReadCase{
            "FractionsAndTrailingText", "120.7\n80px\n2.9\n+1\n 12\n", QPoint(120, 80), {2, 1, 12}},
        ReadCase{"NoNumbers", "left\ntop\nx\n\n", QPoint(10, 40), {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.label); });

struct WriteCase {
    const char* label;
    QPoint place;
    Rows rows;
    const char* lines;
};

void PrintTo(const WriteCase& write, std::ostream* out) { *out << write.label; }

class PreferenceWriteTest : public PaletteTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(PreferenceWriteTest, CloseWritesTheFiveCurrentValuesThenQuitsWithZero) {
    const WriteCase& expected = GetParam();
    PlacePalette(*palette_, expected.place, expected.rows);
    ASSERT_FALSE(fw::QuitRequested());
    palette_->Event_Close();
    EXPECT_EQ(ReadWholeFile(preferences_.File()), expected.lines);
    EXPECT_TRUE(fw::QuitRequested()) << "the handler itself quits";
    EXPECT_EQ(palette_->gMyPref->MacType(), "pref");
    if (TypeCodesAreKept(preferences_.Folder())) {
        EXPECT_EQ(fw::ReadTypeCode(preferences_.File()), "pref");
    }
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(unhandled_.All().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, PreferenceWriteTest,
    ::testing::Values(
        WriteCase{"Moved", QPoint(120, 80), {2, 1, 12}, "120\n80\n2\n1\n12\n"},
        WriteCase{"AtTheLeastPlace", QPoint(10, 40), {0, 0, 0}, "10\n40\n0\n0\n0\n"},
        WriteCase{"AboveAndLeftOfTheScreen", QPoint(-30, 5), {0, 3, 0}, "-30\n5\n0\n3\n0\n"}),
    [](const auto& info) { return std::string(info.param.label); });

class SevenLineFileTest : public PaletteTest {
  protected:
    SevenLineFileTest() { WriteWholeFile(preferences_.File(), "150\n160\n2\n3\n5\n7\n8\n"); }
};

TEST_F(SevenLineFileTest, TheNextCloseWritesExactlyFiveLines) {
    palette_->Event_Close();
    EXPECT_EQ(ReadWholeFile(preferences_.File()), "150\n160\n2\n3\n5\n");
}

TEST_F(PaletteTest, AMissingPreferencesFolderIsMadeWhenThePaletteCloses) {
    std::filesystem::remove_all(preferences_.Folder());
    PlacePalette(*palette_, QPoint(120, 80), {2, 1, 12});
    palette_->Event_Close();
    EXPECT_EQ(ReadWholeFile(preferences_.File()), "120\n80\n2\n1\n12\n");
    EXPECT_TRUE(fw::QuitRequested());
}

// A folder where the file should be: it cannot be read, and no file can replace it.
class FolderInPlaceOfTheFileTest : public PaletteTest {
  protected:
    FolderInPlaceOfTheFileTest() { std::filesystem::create_directory(preferences_.File()); }
};

TEST_F(FolderInPlaceOfTheFileTest, NothingIsReadOrWrittenAndCloseStillQuits) {
    EXPECT_FALSE(palette_->Widget()->testAttribute(Qt::WA_Moved));
    EXPECT_EQ(SelectedRows(*palette_), (Rows{0, 0, 0}));
    palette_->Event_Close();
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_TRUE(std::filesystem::is_directory(preferences_.File()));
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(unhandled_.All().empty());
}

// The user has no Preferences folder at all (no home folder).
class NoPreferencesFolderTest : public PaletteTest {
  protected:
    NoPreferencesFolderTest() { fw::SpecialFolder::SetPreferences(""); }
};

TEST_F(NoPreferencesFolderTest, TheFileReferenceStaysEmptyNothingIsWrittenAndCloseStillQuits) {
    EXPECT_EQ(palette_->gMyPref, nullptr);
    EXPECT_FALSE(palette_->Widget()->testAttribute(Qt::WA_Moved));
    palette_->Event_Close();
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_TRUE(std::filesystem::is_empty(preferences_.Folder()));
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(unhandled_.All().empty());
}

}  // namespace
