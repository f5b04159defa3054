#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QWidget>
#include <chrono>
#include <string>
#include <vector>

#include "PaletteTest.h"
#include "PreferenceFileChecks.h"
#include "framework/gui/WindowList.h"
#include "support/ChildProcess.h"
#include "support/ProcessRun.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempFolder.h"
#include "support/TempPreferences.h"

namespace {

using vemo_test::ReadWholeFile;
using vemo_test::WriteWholeFile;

const std::string kOldFile = "120\n80\n2\n1\n12\n";

// What one whole run saw of the palette once its loop ran.
struct Seen {
    QPoint place;
    Rows rows{};
    bool sameInstance = false;
};

// Whole runs of the process, the event loop included, on one Preferences folder.
class PreferenceRunTest : public ::testing::Test {
  protected:
    // One run: `inLoop` gets the palette, then the palette is closed as by its close button.
    // Gives the exit status.
    int Run(const std::function<void(Window1&)>& inLoop = nullptr) {
        return vemo_test::RunPalette(messages_, [&](Window1& palette) {
            seen_.place = QPoint(palette.Left(), palette.Top());
            seen_.rows = SelectedRows(palette);
            if (inLoop) inLoop(palette);
        });
    }

    vemo_test::TempPreferences preferences_;
    UnhandledReports unhandled_;
    std::vector<std::string> messages_;
    Seen seen_;
};

TEST_F(PreferenceRunTest, TheFirstRunCreatesTheFileWithTheCurrentValuesAndEndsWithZero) {
    fw::Ref<fw::FolderItem> pref;
    EXPECT_EQ(Run([&](Window1& palette) { pref = palette.gMyPref; }), 0);
    EXPECT_EQ(ReadWholeFile(preferences_.File()),
              fw::Str(seen_.place.x()) + "\n" + fw::Str(seen_.place.y()) + "\n0\n0\n0\n");
    EXPECT_EQ(seen_.rows, (Rows{0, 0, 0}));
    ASSERT_NE(pref, nullptr);
    EXPECT_EQ(pref->MacType(), "pref");
    if (TypeCodesAreKept(preferences_.Folder())) {
        EXPECT_EQ(fw::ReadTypeCode(preferences_.File()), "pref");
    }
    EXPECT_TRUE(unhandled_.All().empty());
    EXPECT_TRUE(messages_.empty());
}

TEST_F(PreferenceRunTest, WhatOneRunWritesOnCloseTheNextRestores) {
    EXPECT_EQ(Run([](Window1& palette) { PlacePalette(palette, QPoint(130, 90), {1, 2, 5}); }), 0);
    EXPECT_EQ(ReadWholeFile(preferences_.File()), "130\n90\n1\n2\n5\n");
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(seen_.place, QPoint(130, 90));
    EXPECT_EQ(seen_.rows, (Rows{1, 2, 5}));
    EXPECT_EQ(ReadWholeFile(preferences_.File()), "130\n90\n1\n2\n5\n");
    EXPECT_TRUE(unhandled_.All().empty());
}

// Open sets and Close reads the position through the accessor: it must give this palette, or a
// second palette would be built and its position read or written.
TEST_F(PreferenceRunTest, TheAccessorGivesThisPaletteWhileItsOpenAndCloseRun) {
    WriteWholeFile(preferences_.File(), "200\n300\n0\n0\n0\n");
    std::size_t openBefore = 0;
    std::size_t openAfter = 1;
    EXPECT_EQ(Run([&](Window1& palette) {
                  openBefore = fw::OpenWindows().size();
                  palette.SetLeft(321);
                  palette.SetTop(222);
                  palette.Close();
                  openAfter = fw::OpenWindows().size();
              }),
              0);
    EXPECT_EQ(seen_.place, QPoint(200, 300));
    EXPECT_EQ(openBefore, 1u);
    EXPECT_EQ(openAfter, 0u) << "no second palette was built while the first closed";
    EXPECT_EQ(ReadWholeFile(preferences_.File()), "321\n222\n0\n0\n0\n");
}

TEST_F(PreferenceRunTest, AFileThatCannotBeReplacedStaysWholeAndTheRunStillEndsWithZero) {
    WriteWholeFile(preferences_.File(), kOldFile);
    vemo_test::ReadOnlyFolder readOnly(preferences_.Folder());
    EXPECT_EQ(Run([](Window1& palette) { PlacePalette(palette, QPoint(300, 300), {0, 0, 0}); }), 0);
    EXPECT_EQ(seen_.place, QPoint(120, 80)) << "the old file was read";
    EXPECT_EQ(ReadWholeFile(preferences_.File()), kOldFile);
    EXPECT_TRUE(unhandled_.All().empty());
    EXPECT_TRUE(messages_.empty());
}

// The palette built in this process, its preference file holding kOldFile; the children forked
// from it close the palette.
class PreferenceWriteFailureTest : public PaletteTest {
  protected:
    PreferenceWriteFailureTest() { WriteWholeFile(preferences_.File(), kOldFile); }
};

TEST_F(PreferenceWriteFailureTest, AFullDiskLeavesTheOldFileWholeAndStillQuits) {
    auto outcome = vemo_test::RunInChild([&](const std::function<void()>&) {
        // A file size limit makes the writes fail as a full disk would.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4, 4};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 1;
        PlacePalette(*palette_, QPoint(300, 300), {0, 0, 0});
        palette_->Event_Close();
        return fw::QuitRequested() ? 0 : 2;
    });
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.code, 0) << "1: no limit, 2: no quit";
    EXPECT_EQ(ReadWholeFile(preferences_.File()), kOldFile);
}

// Five whole lines "<left>\n<top>\n0\n0\n0\n" as the child below writes them: the top is
// always 100 more than the left.
bool IsOneWholeWrite(const std::string& file) {
    const std::vector<std::string> lines = fw::Split(file, "\n");
    return lines.size() == 6 && lines[5].empty() && lines[0] != "" &&
           fw::Str(fw::DoubleToInt32(fw::Val(lines[0])) + 100) == lines[1] && lines[2] == "0" &&
           lines[3] == "0" && lines[4] == "0";
}

// Rewrites the preference file until killed, each round with another place; `ready` is called
// before the first write, or after it when `afterFirstWrite` holds.
std::function<int(const std::function<void()>&)> RewriteUntilKilled(Window1& palette,
                                                                    bool afterFirstWrite) {
    return [&palette, afterFirstWrite](const std::function<void()>& ready) {
        if (!afterFirstWrite) ready();
        for (std::int32_t round = 1;; ++round) {
            palette.SetLeft(1000 + round);
            palette.SetTop(1100 + round);
            palette.Event_Close();
            if (afterFirstWrite && round == 1) ready();
        }
        return 1;
    };
}

TEST_F(PreferenceWriteFailureTest, AKillAtAnyMomentOfTheWritesLeavesOneWholeFile) {
    PlacePalette(*palette_, QPoint(100, 200), {0, 0, 0});
    palette_->Event_Close();
    ASSERT_TRUE(IsOneWholeWrite(ReadWholeFile(preferences_.File())));
    for (int delay : {1, 50, 100, 200, 300, 500, 700, 1000, 1500, 2000, 3000, 5000, 8000, 13000,
                      21000, 34000}) {
        auto outcome = vemo_test::RunInChildKilledAfter(RewriteUntilKilled(*palette_, false),
                                                        std::chrono::microseconds(delay));
        ASSERT_EQ(outcome.signal, SIGKILL);
        const std::string file = ReadWholeFile(preferences_.File());
        ASSERT_TRUE(IsOneWholeWrite(file)) << "killed after " << delay << " µs:\n" << file;
    }
    // However slow the machine, this child has replaced the file at least once.
    auto outcome = vemo_test::RunInChildKilledAfter(RewriteUntilKilled(*palette_, true),
                                                    std::chrono::microseconds(1));
    ASSERT_EQ(outcome.signal, SIGKILL);
    const std::string file = ReadWholeFile(preferences_.File());
    EXPECT_TRUE(IsOneWholeWrite(file)) << file;
    EXPECT_NE(file, "100\n200\n0\n0\n0\n") << "a whole write did not replace the file";
}

}  // namespace
