#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "framework/text/TextFunctions.h"
#include "hostscripts/StandInHostTest.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using vemo_test::StandInHostTest;

struct Selection {
    const char* name;
    std::string bytes;
};

void PrintTo(const Selection& selection, std::ostream* out) { *out << selection.name; }

class SelectionTest : public StandInHostTest, public ::testing::WithParamInterface<Selection> {};

TEST_P(SelectionTest, Script168PrintsTheSelectionAsItStands) {
    Write(Host("selection.txt"), GetParam().bytes);
    const auto result = Run("168");
    ASSERT_TRUE(result) << result.Failure() << errors_;
    EXPECT_EQ(result.Output(), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, SelectionTest,
    ::testing::Values(
        Selection{"Japanese",
                  "日本語<Mipo2011>10<Mipo2011>20<Mipo2011br>二つ目<Mipo2011>a<Mipo2011>b"},
        Selection{"CarriageReturns", "A\r<Mipo2011>1\r\n<Mipo2011>2\r\n"},
        Selection{"BlanksAndEmptyLines", "  lead<Mipo2011> <Mipo2011>\t\n\n\n"},
        Selection{"Backslashes", "a\\nb\\<Mipo2011>%s<Mipo2011>$(x)"},
        Selection{"NulByte", "before\0after"s}, Selection{"Empty", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandInHostTest, Script168GivesNothingWithoutASelection) {
    const auto result = Run("168");
    ASSERT_TRUE(result) << result.Failure() << errors_;
    EXPECT_EQ(result.Output(), "");
}

struct Frontmost {
    const char* name;
    std::optional<std::string> file;  // none: there is no file
    std::string answer;
};

void PrintTo(const Frontmost& frontmost, std::ostream* out) { *out << frontmost.name; }

class FrontmostTest : public StandInHostTest, public ::testing::WithParamInterface<Frontmost> {};

TEST_P(FrontmostTest, Script169NamesTheFrontmostApplication) {
    if (GetParam().file) Write(Host("frontmost"), *GetParam().file);
    const auto result = Run("169");
    ASSERT_TRUE(result) << result.Failure() << errors_;
    EXPECT_EQ(result.Output(), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FrontmostTest,
    ::testing::Values(Frontmost{"NoFileMeansThePaletteItself", std::nullopt, "Vemoコード"},
                      Frontmost{"IllustratorWithLineEnd", "Illustrator\n", "Illustrator"},
                      Frontmost{"WithoutLineEnd", "Illustrator", "Illustrator"},
                      Frontmost{"WindowsLineEnd", "Illustrator\r\n", "Illustrator"},
                      Frontmost{"OnlyTheFirstLine", "Finder\nIllustrator\n", "Finder"},
                      Frontmost{"BlanksStay", " Illustrator CS5 \n", " Illustrator CS5 "},
                      Frontmost{"EmptyFile", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandInHostTest, Script170RecordsEachBringingToTheFront) {
    ASSERT_TRUE(Run("170")) << errors_;
    ASSERT_TRUE(Run("170")) << errors_;
    const auto lines = fw::Split(Read(Host("activated.log")), "\n");
    ASSERT_EQ(lines.size(), 3u) << "two lines, each with its line end";
    EXPECT_THAT(lines[0], ::testing::EndsWith("Vemoコード brought to the front"));
    EXPECT_THAT(lines[1], ::testing::EndsWith("Vemoコード brought to the front"));
    EXPECT_EQ(lines[2], "");
}

TEST_F(StandInHostTest, TheFolderIsMadeWhenItIsMissing) {
    const fs::path deeper = folder_ / "not" / "yet";
    ::setenv("VEMO_HOST_DIR", deeper.c_str(), 1);
    ASSERT_TRUE(Run("170")) << errors_;
    EXPECT_TRUE(fs::exists(deeper / "activated.log"));
}

// Restores HOME and XDG_DATA_HOME after a test that changes them.
class DefaultFolderTest : public StandInHostTest {
  protected:
    void SetUp() override {
        ::unsetenv("VEMO_HOST_DIR");
        for (auto& [name, value] : saved_) {
            if (const char* now = std::getenv(name)) value = now;
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name, value->c_str(), 1);
            } else {
                ::unsetenv(name);
            }
        }
    }

    std::pair<const char*, std::optional<std::string>> saved_[2] = {{"HOME", {}},
                                                                    {"XDG_DATA_HOME", {}}};
};

TEST_F(DefaultFolderTest, IsInTheUsersDataFolder) {
    ::setenv("HOME", (folder_ / "home").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (folder_ / "data").c_str(), 1);
    ASSERT_TRUE(Run("170")) << errors_;
    EXPECT_TRUE(fs::exists(folder_ / "data" / "vemo" / "host" / "activated.log"));

    ::unsetenv("XDG_DATA_HOME");
    ASSERT_TRUE(Run("170")) << errors_;
    EXPECT_TRUE(
        fs::exists(folder_ / "home" / ".local" / "share" / "vemo" / "host" / "activated.log"));
}

TEST_F(DefaultFolderTest, WithoutAnyFolderTheScriptSaysSo) {
    ::unsetenv("HOME");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(Run("168"));
    EXPECT_THAT(errors_, ::testing::HasSubstr("no document folder"));
}

TEST_F(StandInHostTest, TheDemoSelectionHasThreeItemsOfThreeFields) {
    const auto setup = Run("setup-demo");
    ASSERT_TRUE(setup) << setup.Failure() << errors_;
    const auto selection = Run("168");
    ASSERT_TRUE(selection) << errors_;
    const auto items = fw::Split(selection.Output(), "<Mipo2011br>");
    ASSERT_EQ(items.size(), 3u) << selection.Output();
    for (const auto& item : items) {
        const auto fields = fw::Split(item, "<Mipo2011>");
        ASSERT_EQ(fields.size(), 3u) << item;
        EXPECT_FALSE(fields[0].empty());
        EXPECT_EQ(fw::Str(static_cast<std::int32_t>(fw::Val(fields[1]))), fields[1]) << item;
        EXPECT_EQ(fw::Str(static_cast<std::int32_t>(fw::Val(fields[2]))), fields[2]) << item;
    }
}

TEST_F(StandInHostTest, TheDemoKeepsASelectionThatIsThere) {
    Write(Host("selection.txt"), "mine<Mipo2011>1<Mipo2011>2");
    ASSERT_TRUE(Run("setup-demo")) << errors_;
    EXPECT_EQ(Read(Host("selection.txt")), "mine<Mipo2011>1<Mipo2011>2");
}

}  // namespace
