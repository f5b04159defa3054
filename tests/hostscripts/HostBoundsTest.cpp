#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "hostscripts/StandInHostTest.h"
#include "hostscripts/SvgDocument.h"
#include "support/TinyPng.h"

namespace {

namespace fs = std::filesystem;
using vemo_test::StandInHostTest;
using vemo_test::TinyPng;

// A file that a query script must not read whole, or at all.
struct ReadBound {
    const char* name;
    const char* script;
    const char* file;
    std::function<void(const fs::path&)> make;
    std::string reason;
};

void PrintTo(const ReadBound& bound, std::ostream* out) { *out << bound.name; }

void HugeFirstLine(const fs::path& path) {
    std::ofstream(path, std::ios::binary) << std::string(2 * 1024 * 1024, 'a') << "\n";
}
void Fifo(const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }
void LinkToZero(const fs::path& path) { fs::create_symlink("/dev/zero", path); }
void Folder(const fs::path& path) { fs::create_directory(path); }
void SparseGigabyte(const fs::path& path) {
    std::ofstream(path, std::ios::binary).close();
    fs::resize_file(path, 1024ull * 1024 * 1024);
}

class ReadBoundTest : public StandInHostTest, public ::testing::WithParamInterface<ReadBound> {};

TEST_P(ReadBoundTest, FailsAtOnceSayingWhy) {
    GetParam().make(Host(GetParam().file));
    const auto result = Run(GetParam().script);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Failure(), "exited with status 1") << "neither hung nor killed";
    EXPECT_THAT(errors_,
                ::testing::HasSubstr(std::string(GetParam().script) + ": " +
                                     Host(GetParam().file).string() + " " + GetParam().reason));
    EXPECT_EQ(std::count(errors_.begin(), errors_.end(), '\n'), 1) << errors_;
}

const std::string kNotRegular = "is not a regular file";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadBoundTest,
    ::testing::Values(
        ReadBound{"FrontmostHugeFirstLine", "169", "frontmost", HugeFirstLine,
                  "has a first line longer than 4096 bytes"},
        ReadBound{"FrontmostFifo", "169", "frontmost", Fifo, kNotRegular},
        ReadBound{"FrontmostLinkToDevZero", "169", "frontmost", LinkToZero, kNotRegular},
        ReadBound{"FrontmostFolder", "169", "frontmost", Folder, kNotRegular},
        ReadBound{"FrontmostSparseGigabyte", "169", "frontmost", SparseGigabyte,
                  "has a first line longer than 4096 bytes"},
        ReadBound{"SelectionFifo", "168", "selection.txt", Fifo, kNotRegular},
        ReadBound{"SelectionLinkToDevZero", "168", "selection.txt", LinkToZero, kNotRegular},
        ReadBound{"SelectionFolder", "168", "selection.txt", Folder, kNotRegular},
        ReadBound{"SelectionSparseGigabyte", "168", "selection.txt", SparseGigabyte,
                  "is larger than 67108864 bytes"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandInHostTest, TheFirstLineOfFrontmostMayFillTheWholeBound) {
    Write(Host("frontmost"), std::string(4096, 'x') + "\r\nsecond");
    const auto result = Run("169");
    ASSERT_TRUE(result) << errors_;
    EXPECT_EQ(result.Output(), std::string(4096, 'x'));
}

TEST_F(StandInHostTest, ALinkToASelectionIsFollowed) {
    Write(folder_ / "elsewhere.txt", "a<Mipo2011>1<Mipo2011>2");
    fs::create_symlink(folder_ / "elsewhere.txt", Host("selection.txt"));
    const auto result = Run("168");
    ASSERT_TRUE(result) << errors_;
    EXPECT_EQ(result.Output(), "a<Mipo2011>1<Mipo2011>2");
}

// A host folder that the query scripts find missing, or that cannot ever be made.
struct AbsentFolder {
    const char* name;
    std::string below;  // the folder, below the test's own
};

void PrintTo(const AbsentFolder& folder, std::ostream* out) { *out << folder.name; }

class AbsentFolderTest : public StandInHostTest,
                         public ::testing::WithParamInterface<AbsentFolder> {
  protected:
    void SetUp() override {
        StandInHostTest::SetUp();
        Write(folder_ / "file", "a file, not a folder");
        ::setenv("VEMO_HOST_DIR", (folder_ / GetParam().below).c_str(), 1);
    }
};

TEST_P(AbsentFolderTest, QueriesAnswerAndMakeNothing) {
    const auto selection = Run("168");
    ASSERT_TRUE(selection) << selection.Failure() << errors_;
    EXPECT_EQ(selection.Output(), "");
    const auto front = Run("169");
    ASSERT_TRUE(front) << front.Failure() << errors_;
    EXPECT_EQ(front.Output(), "Vemoコード");
    EXPECT_EQ(errors_, "");
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

INSTANTIATE_TEST_SUITE_P(Folders, AbsentFolderTest,
                         ::testing::Values(AbsentFolder{"Missing", "missing/host"},
                                           AbsentFolder{"CannotBeMade", "file/host"}),
                         [](const auto& info) { return std::string(info.param.name); });

class PlacementBoundTest : public StandInHostTest {
  protected:
    void SetUp() override {
        StandInHostTest::SetUp();
        Write(image_, png_);
    }

    fw::ScriptProcessResult Place() { return Run("171", {image_.string(), "10", "20"}); }

    const std::string png_ = TinyPng::Make(21, 13);
    const fs::path image_ = folder_ / "code.png";
};

TEST_F(PlacementBoundTest, APlacedLogThatIsALinkIsNotWrittenThrough) {
    const fs::path target = folder_ / "target.log";
    Write(target, "kept\n");
    fs::create_symlink(target, Host("placed.log"));
    const auto result = Place();
    EXPECT_FALSE(result);
    EXPECT_THAT(errors_, ::testing::HasSubstr("placed.log is a link; nothing placed"));
    EXPECT_EQ(Read(target), "kept\n");
    EXPECT_FALSE(fs::exists(Host("document.svg"))) << "the document and the log agree";
}

TEST_F(PlacementBoundTest, ADocumentThatIsALinkIsLeftAlone) {
    ASSERT_TRUE(Place()) << errors_;
    fs::rename(Host("document.svg"), folder_ / "real.svg");
    fs::create_symlink(folder_ / "real.svg", Host("document.svg"));
    const std::string real = Read(folder_ / "real.svg");
    EXPECT_FALSE(Place());
    EXPECT_THAT(errors_, ::testing::HasSubstr("document.svg is a link"));
    EXPECT_EQ(Read(folder_ / "real.svg"), real);
    EXPECT_TRUE(fs::is_symlink(Host("document.svg")));
}

TEST_F(PlacementBoundTest, AReadOnlyDocumentIsLeftAlone) {
    ASSERT_TRUE(Place()) << errors_;
    const std::string before = Read(Host("document.svg"));
    const std::string log = Read(Host("placed.log"));
    fs::permissions(Host("document.svg"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(Place());
    EXPECT_THAT(errors_, ::testing::HasSubstr("document.svg is read-only"));
    EXPECT_EQ(Read(Host("document.svg")), before);
    EXPECT_EQ(Read(Host("placed.log")), log);
}

TEST_F(PlacementBoundTest, AReadOnlyPlacedLogLeavesTheDocumentAsItWas) {
    ASSERT_TRUE(Place()) << errors_;
    const std::string document = Read(Host("document.svg"));
    const std::string log = Read(Host("placed.log"));
    fs::permissions(Host("placed.log"), fs::perms::owner_read | fs::perms::group_read);
    const auto result = RunUnprivileged("171", {image_.string(), "30", "40"});
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Failure(), "exited with status 1");
    EXPECT_THAT(errors_, ::testing::HasSubstr("171: cannot write " + Host("placed.log").string() +
                                              "; nothing placed: Permission denied"));
    EXPECT_EQ(Read(Host("document.svg")), document) << "the document and the log agree";
    EXPECT_EQ(Read(Host("placed.log")), log);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 3)
        << "no temporary document is left beside code.png, document.svg and placed.log";
}

TEST_F(PlacementBoundTest, AGigabyteImageIsRefusedWithoutReadingIt) {
    SparseGigabyte(image_);
    const auto result = Place();
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Failure(), "exited with status 1");
    EXPECT_THAT(errors_, ::testing::HasSubstr("is larger than 67108864 bytes"));
    EXPECT_FALSE(fs::exists(Host("document.svg")));
}

TEST_F(PlacementBoundTest, AnImageWithABadCrcIsRefused) {
    std::string broken = png_;
    broken[broken.size() - 13] ^= 0x01;  // the last byte of IDAT's CRC
    Write(image_, broken);
    EXPECT_FALSE(Place());
    EXPECT_THAT(errors_, ::testing::HasSubstr("171: not a valid PNG file: IDAT: CRC error"));
    EXPECT_FALSE(fs::exists(Host("document.svg")));
    EXPECT_FALSE(fs::exists(Host("placed.log")));
}

TEST_F(PlacementBoundTest, BytesAfterIendAreNotEmbedded) {
    Write(image_, png_ + "<script>trailing</script>");
    ASSERT_TRUE(Place()) << errors_;
    EXPECT_THAT(errors_, ::testing::HasSubstr("the 25 bytes after the PNG file's IEND chunk"));
    const auto document = vemo_test::SvgDocument::Parse(Read(Host("document.svg")));
    ASSERT_EQ(document.images.size(), 1u);
    const std::string href = document.images[0].at("href");
    const std::string prefix = "data:image/png;base64,";
    ASSERT_EQ(href.substr(0, prefix.size()), prefix);
    EXPECT_EQ(
        QByteArray::fromBase64(QByteArray::fromStdString(href.substr(prefix.size()))).toStdString(),
        png_);
}

TEST_F(PlacementBoundTest, ATemporaryDocumentLeftByAKilledRunIsRemoved) {
    Write(Host(".document.svg.4242"), "<svg half");
    ASSERT_TRUE(Place()) << errors_;
    EXPECT_FALSE(fs::exists(Host(".document.svg.4242")));
}

TEST_F(PlacementBoundTest, AValueThatIsNoNumberIsZeroWithAWarning) {
    ASSERT_TRUE(Run("171", {image_.string(), "12px", "1e3"})) << errors_;
    EXPECT_THAT(errors_, ::testing::HasSubstr("171: x is no decimal number within 1e9 of 0"));
    EXPECT_THAT(errors_, ::testing::HasSubstr("171: y is no decimal number within 1e9 of 0"));
    const auto document = vemo_test::SvgDocument::Parse(Read(Host("document.svg")));
    ASSERT_EQ(document.images.size(), 1u);
    EXPECT_EQ(document.images[0].at("x"), "0");
    EXPECT_EQ(document.images[0].at("y"), "0");
}

}  // namespace
