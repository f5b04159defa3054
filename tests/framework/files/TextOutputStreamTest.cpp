#include "framework/files/TextOutputStream.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "framework/files/FolderItem.h"
#include "support/ChildProcess.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempFolder.h"

namespace {

using vemo_test::ReadWholeFile;
using vemo_test::TempFolder;
using vemo_test::WriteWholeFile;

const std::string kPreviousFile = "120\n80\n2\n1\n12\n";

class TextOutputStreamTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteWholeFile(path_, kPreviousFile); }

    std::size_t EntriesInFolder() const {
        auto entries = std::filesystem::directory_iterator(temp_.Path());
        return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
    }

    TempFolder temp_;
    std::string path_ = temp_ / "vemo_p.pref";
    fw::FolderItem item_{path_};
};

TEST_F(TextOutputStreamTest, WritesLfEndedLinesAndReplacesTheWholeOldFile) {
    WriteWholeFile(path_, "1\n2\n3\n4\n5\n6\n7\n");
    auto stream = item_.CreateTextFile();
    ASSERT_TRUE(stream);
    for (const char* line : {"120", "80", "2", "1", "12"}) stream->WriteLine(line);
    EXPECT_TRUE(stream->Close());
    EXPECT_EQ(ReadWholeFile(path_), kPreviousFile);
    EXPECT_FALSE(stream->Close()) << "closed once already";
    EXPECT_EQ(EntriesInFolder(), 1u) << "no temporary file is left behind";
}

TEST_F(TextOutputStreamTest, ANewFileIsCreatedWhereThereWasNone) {
    auto stream = fw::FolderItem(temp_ / "new.pref").CreateTextFile();
    ASSERT_TRUE(stream);
    stream->WriteLine("ファイル");
    ASSERT_TRUE(stream->Close());
    EXPECT_EQ(ReadWholeFile(temp_ / "new.pref"), "ファイル\n");
}

TEST_F(TextOutputStreamTest, UntilCloseTheOldFileStaysAndAStreamDroppedUnclosedChangesNothing) {
    {
        auto stream = item_.CreateTextFile();
        ASSERT_TRUE(stream);
        stream->WriteLine("999");
        EXPECT_EQ(ReadWholeFile(path_), kPreviousFile);
    }
    EXPECT_EQ(ReadWholeFile(path_), kPreviousFile);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(TextOutputStreamTest, AProcessKilledWhileWritingLeavesTheOldFileWhole) {
    auto outcome = vemo_test::RunInChild(
        [&](const std::function<void()>& ready) {
            auto stream = item_.CreateTextFile();
            if (!stream) return 1;
            for (int line = 0; line < 100000; ++line) stream->WriteLine("999999");
            ready();
            return 2;
        },
        /*killWhenReady=*/true);
    ASSERT_EQ(outcome.signal, SIGKILL) << "the child did not get to the write";
    EXPECT_EQ(ReadWholeFile(path_), kPreviousFile);
}

// A file size limit makes the writes fail as a full disk would: past the stream's buffer, or
// only when the buffer is flushed at Close, part of a line written.
struct FullDisk {
    const char* label;
    rlim_t limit;
    int lines;
};

void PrintTo(const FullDisk& disk, std::ostream* out) { *out << disk.label; }

class FullDiskTest : public TextOutputStreamTest, public ::testing::WithParamInterface<FullDisk> {};

TEST_P(FullDiskTest, AWriteThatFailsMakesCloseFailAndLeavesTheOldFileWhole) {
    const FullDisk& disk = GetParam();
    auto outcome = vemo_test::RunInChild([&](const std::function<void()>&) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{disk.limit, disk.limit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 1;
        auto stream = item_.CreateTextFile();
        if (!stream) return 2;
        for (int line = 0; line < disk.lines; ++line) stream->WriteLine("999999");
        return stream->Close() ? 3 : 0;
    });
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0) << "1: no limit, 2: no stream, 3: Close reported success";
    EXPECT_EQ(ReadWholeFile(path_), kPreviousFile);
    EXPECT_EQ(EntriesInFolder(), 1u) << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(Writes, FullDiskTest,
                         ::testing::Values(FullDisk{"PastTheBuffer", 4096, 10000},
                                           FullDisk{"CutInTheLastFlush", 10, 5}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(TextOutputStreamTest, NoStreamWhereTheFileCannotBeCreated) {
    std::filesystem::create_directory(temp_ / "folder");
    EXPECT_FALSE(fw::FolderItem(temp_ / "folder").CreateTextFile()) << "a folder in its place";
    EXPECT_FALSE(fw::FolderItem(temp_ / "missing/f.pref").CreateTextFile()) << "no folder";
    vemo_test::ReadOnlyFolder readOnly(temp_ / "locked");
    EXPECT_FALSE(fw::FolderItem(temp_ / "locked/f.pref").CreateTextFile()) << "unwritable";
}

}  // namespace
