#include <gtest/gtest.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "framework/text/TextFunctions.h"
#include "hostscripts/StandInHostTest.h"
#include "hostscripts/SvgDocument.h"
#include "support/SyscallStop.h"
#include "support/TinyPng.h"

namespace {

namespace fs = std::filesystem;
using vemo_test::StandInHostTest;
using vemo_test::SvgDocument;

class KilledPlacementTest : public StandInHostTest {
  protected:
    void SetUp() override {
        StandInHostTest::SetUp();
        Write(image_, vemo_test::TinyPng::Make(21, 13));
    }

    fw::ScriptProcessResult Place(const std::string& value) {
        return Run("171", {image_.string(), value, value});
    }

    std::string LogLine(const std::string& value) const {
        return image_.string() + "\t" + value + "\t" + value + "\n";
    }

    // The x value of every image in the document, in order.
    std::vector<std::string> PlacedValues() const {
        const auto document = SvgDocument::Parse(Read(Host("document.svg")));
        EXPECT_EQ(document.error, "");
        std::vector<std::string> values;
        for (const auto& image : document.images) values.push_back(image.at("data-x"));
        return values;
    }

    // The x value of every line of placed.log, in order.
    std::vector<std::string> LoggedValues() const {
        std::vector<std::string> values;
        for (const auto& line : fw::Split(Read(Host("placed.log")), "\n")) {
            if (line.empty()) continue;
            const auto fields = fw::Split(line, "\t");
            EXPECT_EQ(fields.size(), 3u) << line;
            values.push_back(fields.size() > 1 ? fields[1] : line);
        }
        return values;
    }

    // How long one placement takes here with no other beside it, from its start to its end:
    // the middle of three.
    std::chrono::microseconds PlacementTime() {
        std::vector<std::chrono::microseconds> times;
        for (const char* value : {"warm 1", "warm 2", "warm 3"}) {
            const auto start = std::chrono::steady_clock::now();
            const pid_t pid = Start("171", {image_.string(), value, value});
            int status = 0;
            EXPECT_TRUE(pid > 0 && ::waitpid(pid, &status, 0) == pid && status == 0) << value;
            times.push_back(std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::steady_clock::now() - start));
        }
        std::sort(times.begin(), times.end());
        return times[1];
    }

    std::vector<std::string> FolderFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    const fs::path image_ = folder_ / "code.png";
};

// What a run killed before its rename left: its temporary document, whose name records the
// log's size before its line, and maybe (part of) that line.
struct KilledRun {
    const char* name;
    std::string line;         // what the run wrote to placed.log
    long long recordedAbove;  // the size in the temporary document's name, above the log's
};

void PrintTo(const KilledRun& run, std::ostream* out) { *out << run.name; }

class KilledRunRepairTest : public KilledPlacementTest,
                            public ::testing::WithParamInterface<KilledRun> {};

TEST_P(KilledRunRepairTest, TheNextPlacementTakesTheLineBack) {
    ASSERT_TRUE(Place("1")) << errors_;
    const std::string log = Read(Host("placed.log"));
    const long long recorded = static_cast<long long>(log.size()) + GetParam().recordedAbove;
    Write(Host(".document.svg.4242." + std::to_string(recorded)), "<svg half");
    Write(Host("placed.log"), log + GetParam().line);

    const auto result = Place("2");
    ASSERT_TRUE(result) << result.Failure() << errors_;
    EXPECT_EQ(Read(Host("placed.log")), LogLine("1") + LogLine("2"));
    EXPECT_EQ(PlacedValues(), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"code.png", "document.svg", "placed.log"}));
}

INSTANTIATE_TEST_SUITE_P(Runs, KilledRunRepairTest,
                         ::testing::Values(KilledRun{"AfterItsLine", "lost.png\t9\t9\n", 0},
                                           KilledRun{"HalfwayThroughItsLine", "lost.pn", 0},
                                           KilledRun{"BeforeItsLine", "", 0},
                                           // The log was cut by hand since: it is not made longer.
                                           KilledRun{"BeforeALogCutShorter", "", 100}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KilledPlacementTest, AKilledFirstPlacementTakesItsNewLogBack) {
    Write(Host(".document.svg.4242.0"), "<svg half");
    Write(Host("placed.log"), "lost.png\t9\t9\n");
    ASSERT_TRUE(Place("1")) << errors_;
    EXPECT_EQ(Read(Host("placed.log")), LogLine("1"));
    EXPECT_EQ(PlacedValues(), (std::vector<std::string>{"1"}));
}

// A placement that gets a signal as it enters a system call of its own, before that call runs,
// or as it comes back from writing its log line.
struct KillPoint {
    const char* name;
    std::vector<long> entering;  // none: just after the log line
    int signal;
    bool lands;  // whether its image and its line stay
};

void PrintTo(const KillPoint& point, std::ostream* out) { *out << point.name; }

class KillPointTest : public KilledPlacementTest,
                      public ::testing::WithParamInterface<KillPoint> {};

TEST_P(KillPointTest, TheDocumentAndTheLogAgreeAfterTheNextPlacement) {
    ASSERT_TRUE(Place("1")) << errors_;
    const vemo_test::SyscallPoint point{GetParam().entering,
                                        GetParam().entering.empty() ? LogLine("7") : ""};
    const int status = vemo_test::RunSignalledAt(
        Script("171").string(), {image_.string(), "7", "7"}, point, GetParam().signal);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == GetParam().signal)
        << "status " << status << ": not stopped there, or not ended by the signal";
    const std::vector<std::string> placed =
        GetParam().lands ? std::vector<std::string>{"1", "7"} : std::vector<std::string>{"1"};
    EXPECT_EQ(PlacedValues(), placed) << "the document is the old one or the new one";

    const auto next = Place("2");
    ASSERT_TRUE(next) << next.Failure() << errors_;
    auto expected = placed;
    expected.push_back("2");
    EXPECT_EQ(PlacedValues(), expected);
    EXPECT_EQ(LoggedValues(), expected) << "placed.log and document.svg disagree";
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"code.png", "document.svg", "placed.log"}));
}

INSTANTIATE_TEST_SUITE_P(
    Points, KillPointTest,
    ::testing::Values(KillPoint{"KilledBeforeTheLock", {SYS_flock}, SIGKILL, false},
                      KillPoint{"KilledBeforeTheLogLine", {SYS_fsync}, SIGKILL, false},
                      KillPoint{"KilledRightAfterTheLogLine", {}, SIGKILL, false},
                      KillPoint{"KilledAfterTheRename", {SYS_exit_group}, SIGKILL, true},
                      KillPoint{"StoppedBeforeTheLogLine", {SYS_fsync}, SIGTERM, false},
                      // Held back until the rename is done.
                      KillPoint{"StoppedRightAfterTheLogLine", {}, SIGTERM, true}),
    [](const auto& info) { return std::string(info.param.name); });

// How one run of the random-kill test ended.
struct KilledRunOutcome {
    std::string value;
    int status = 0;
    int signal = 0;  // the signal sent to it
};

TEST_F(KilledPlacementTest, KillsAtRandomMomentsNeverLeaveALineWithoutItsImage) {
    constexpr unsigned kSeed = 20261211;
    constexpr int kRuns = 600;
    constexpr int kAtOnce = 4;
    const auto placement = PlacementTime();
    SCOPED_TRACE("random seed " + std::to_string(kSeed) + ", a placement in " +
                 std::to_string(placement.count()) + " µs");
    std::mt19937 random(kSeed);
    // Kills from before the lock to after the last of a batch's renames.
    std::uniform_int_distribution<long long> delay(placement.count() / 10, placement.count() * 3);
    std::bernoulli_distribution stopGently(0.25);

    std::vector<KilledRunOutcome> outcomes;
    for (int first = 0; first < kRuns; first += kAtOnce) {
        struct Started {
            pid_t pid;
            std::chrono::microseconds delay;
            int signal;
            std::string value;
        };
        std::vector<Started> batch;
        const auto start = std::chrono::steady_clock::now();
        for (int i = first; i < first + kAtOnce; ++i) {
            const std::string value = std::to_string(i);
            const pid_t pid = Start("171", {image_.string(), value, value});
            ASSERT_GT(pid, 0);
            batch.push_back({pid, std::chrono::microseconds(delay(random)),
                             stopGently(random) ? SIGTERM : SIGKILL, value});
        }
        std::sort(batch.begin(), batch.end(),
                  [](const auto& a, const auto& b) { return a.delay < b.delay; });
        for (const auto& run : batch) {
            std::this_thread::sleep_until(start + run.delay);
            ::kill(run.pid, run.signal);  // not yet waited for, so still this run's id
        }
        for (const auto& run : batch) {
            int status = 0;
            ASSERT_EQ(::waitpid(run.pid, &status, 0), run.pid);
            outcomes.push_back({run.value, status, run.signal});
        }
    }

    std::set<std::string> landed;
    int killed = 0;
    for (const auto& outcome : outcomes) {
        if (WIFEXITED(outcome.status) && WEXITSTATUS(outcome.status) == 0) {
            landed.insert(outcome.value);
        } else if (WIFSIGNALED(outcome.status) && WTERMSIG(outcome.status) == outcome.signal) {
            ++killed;
        } else {
            ADD_FAILURE() << "run " << outcome.value << " ended with status " << outcome.status;
        }
    }
    ASSERT_GT(landed.size(), 0u) << "no run got to its end before its kill";
    ASSERT_GT(killed, 0) << "every run ended before its kill";

    const auto placed = PlacedValues();
    const std::set<std::string> placedOnce(placed.begin(), placed.end());
    EXPECT_EQ(placedOnce.size(), placed.size()) << "an image placed twice";
    EXPECT_TRUE(std::includes(placedOnce.begin(), placedOnce.end(), landed.begin(), landed.end()))
        << "a run that exited 0 lost its image";

    const auto last = Place("last");
    ASSERT_TRUE(last) << last.Failure() << errors_;
    auto after = PlacedValues();
    EXPECT_EQ(LoggedValues(), after) << "placed.log and document.svg disagree";
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.back(), "last");
    after.pop_back();
    EXPECT_EQ(after, placed) << "the last placement kept what was there";
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"code.png", "document.svg", "placed.log"}));
}

}  // namespace
