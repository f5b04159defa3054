#include "framework/files/TextInputStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "framework/files/FolderItem.h"
#include "support/TempFolder.h"

namespace {

// The UTF-8 byte order mark.
const std::string kMark = "\xEF\xBB\xBF";

using vemo_test::TempFolder;

struct LineCase {
    const char* name;
    std::string content;
    std::vector<std::string> lines;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class ReadLineTest : public ::testing::TestWithParam<LineCase> {
  protected:
    TempFolder temp_;
};

TEST_P(ReadLineTest, SplitsAtEveryKindOfLineEndAndGivesEmptyTextPastTheEnd) {
    vemo_test::WriteWholeFile(temp_ / "f", GetParam().content);
    auto stream = fw::FolderItem(temp_ / "f").OpenAsTextFile();
    ASSERT_TRUE(stream);
    for (const auto& line : GetParam().lines) EXPECT_EQ(stream->ReadLine(), line);
    EXPECT_EQ(stream->ReadLine(), "");
    EXPECT_EQ(stream->ReadLine(), "");
    stream->Close();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadLineTest,
    ::testing::Values(
        LineCase{"Lf", "120\n80\n2\n", {"120", "80", "2"}},
        LineCase{"CrLf", "120\r\n80\r\n2\r\n", {"120", "80", "2"}},
        LineCase{"Cr", "120\r80\r2\r", {"120", "80", "2"}},
        LineCase{"Mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        LineCase{"EmptyLines", "\n\r\n\rx\n", {"", "", "", "x"}},
        LineCase{"CrAtTheVeryEnd", "a\r", {"a"}},
        LineCase{"NoFinalLineEnd", "200\n300", {"200", "300"}},
        LineCase{"Utf8", "ファイル\n", {"ファイル"}}, LineCase{"EmptyFile", "", {}},
        LineCase{"ByteOrderMark", kMark + "120\n80\n", {"120", "80"}},
        LineCase{"ByteOrderMarkAndCrLf", kMark + "120\r\n80\r\n", {"120", "80"}},
        LineCase{"OnlyAByteOrderMark", kMark, {}},
        LineCase{"ByteOrderMarkLaterIsText", "1\n" + kMark + "2\n", {"1", kMark + "2"}},
        LineCase{"HalfAMarkIsText", kMark.substr(0, 2) + "7\n", {kMark.substr(0, 2) + "7"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextInputStreamTest, AMissingFileOrAFolderGivesNoStream) {
    TempFolder temp;
    EXPECT_FALSE(fw::FolderItem(temp / "missing").OpenAsTextFile());
    EXPECT_FALSE(fw::FolderItem(temp.Path()).OpenAsTextFile());
}

TEST(TextInputStreamTest, AClosedStreamReadsEmptyText) {
    TempFolder temp;
    vemo_test::WriteWholeFile(temp / "f", "1\n2\n");
    auto stream = fw::FolderItem(temp / "f").OpenAsTextFile();
    EXPECT_EQ(stream->ReadLine(), "1");
    stream->Close();
    EXPECT_EQ(stream->ReadLine(), "");
    stream->Close();
}

}  // namespace
