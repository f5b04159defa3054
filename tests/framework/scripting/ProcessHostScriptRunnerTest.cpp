#include "framework/scripting/ProcessHostScriptRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "framework/runtime/RuntimeException.h"
#include "framework/scripting/HostScripting.h"
#include "support/ScopedHostScriptRunner.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
namespace fs = std::filesystem;

constexpr std::int32_t kEchoArguments = 7;

// Prints each of its arguments followed by a NUL, so that every byte of every one shows.
constexpr const char* kEchoArgumentsScript =
    "#!/bin/sh\n"
    "for argument in \"$@\"; do printf '%s\\0' \"$argument\"; done\n";

std::vector<std::string> SplitAtNul(const std::string& output) {
    std::vector<std::string> pieces;
    std::string::size_type from = 0;
    for (auto at = output.find('\0'); at != std::string::npos; at = output.find('\0', from)) {
        pieces.push_back(output.substr(from, at - from));
        from = at + 1;
    }
    EXPECT_EQ(from, output.size()) << "output after the last NUL";
    return pieces;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ProcessRunnerTest : public ::testing::Test {
  protected:
    explicit ProcessRunnerTest(std::chrono::milliseconds timeout = 20s)
        : runner_(
              std::make_shared<fw::ProcessHostScriptRunner>(fw::ProcessHostScriptRunner::Settings{
                  .folder = folder_.Path(), .timeout = timeout})) {}

    void WriteScript(std::int32_t script, const std::string& text,
                     fs::perms permissions = fs::perms::owner_all) {
        const fs::path path = folder_ / fw::Str(script);
        std::ofstream(path, std::ios::binary) << text;
        fs::permissions(path, permissions);
    }

    std::string ScriptPath(std::int32_t script) const {
        return (folder_ / fw::Str(script)).string();
    }

    vemo_test::TempFolder folder_;
    vemo_test::ScopedHostScriptRunner<fw::ProcessHostScriptRunner> runner_;
};

struct HostileText {
    const char* name;
    std::string text;
};

void PrintTo(const HostileText& text, std::ostream* out) { *out << text.name; }

class HostileArgumentTest : public ProcessRunnerTest,
                            public ::testing::WithParamInterface<HostileText> {};

TEST_P(HostileArgumentTest, ReachesTheScriptUnchanged) {
    WriteScript(kEchoArguments, kEchoArgumentsScript);
    const auto handle = fw::StartParamScript(kEchoArguments);
    fw::AddStringScriptParam(handle, GetParam().text);
    EXPECT_EQ(SplitAtNul(fw::CompleteParamScriptFunction(handle)),
              std::vector<std::string>{GetParam().text});
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileArgumentTest,
                         ::testing::Values(HostileText{"Spaces", " two  words "},
                                           HostileText{"DoubleQuotes", "say \"hi\" \""},
                                           HostileText{"SingleQuotes", "it's 'quoted"},
                                           HostileText{"CommandSubstitution", "$(echo injected)"},
                                           HostileText{"Backticks", "`echo injected`"},
                                           HostileText{"Semicolon", "a; echo injected"},
                                           HostileText{"PipeAndAmpersands", "a | b && c &"},
                                           HostileText{"Newlines", "line 1\nline 2\r\n"},
                                           HostileText{"Japanese", "日本語のテキスト"},
                                           HostileText{"Variable", "$HOME ${PATH}"},
                                           HostileText{"Glob", "*"},
                                           HostileText{"Backslashes", "a\\nb\\"},
                                           HostileText{"LeadingDash", "-n"},
                                           HostileText{"Empty", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProcessRunnerTest, NoTextIsEvaluated) {
    WriteScript(kEchoArguments, kEchoArgumentsScript);
    const fs::path marker = folder_ / "evaluated";
    const auto handle = fw::StartParamScript(kEchoArguments);
    fw::AddStringScriptParam(handle, "$(touch '" + marker.string() + "')");
    fw::AddStringScriptParam(handle, "`touch '" + marker.string() + "'`");
    fw::AddStringScriptParam(handle, "; touch '" + marker.string() + "'");
    EXPECT_EQ(SplitAtNul(fw::CompleteParamScriptFunction(handle)).size(), 3u);
    EXPECT_FALSE(fs::exists(marker));
}

TEST_F(ProcessRunnerTest, ArgumentsGoInTheOrderAppendedAndIntegersAsDecimalText) {
    WriteScript(kEchoArguments, kEchoArgumentsScript);
    const auto handle = fw::StartParamScript(kEchoArguments);
    fw::AddStringScriptParam(handle, "first");
    fw::AddIntegerScriptParam(handle, -5);
    fw::AddStringScriptParam(handle, "");
    fw::AddIntegerScriptParam(handle, 2147483647);
    fw::AddStringScriptParam(handle, "007");
    EXPECT_EQ(SplitAtNul(fw::CompleteParamScriptFunction(handle)),
              (std::vector<std::string>{"first", "-5", "", "2147483647", "007"}));
}

TEST_F(ProcessRunnerTest, ScriptFunctionRunsWithoutArguments) {
    WriteScript(kEchoArguments, "#!/bin/sh\nprintf '%s' \"$#\"\n");
    EXPECT_EQ(fw::ScriptFunction(kEchoArguments), "0");
}

TEST_F(ProcessRunnerTest, TheResultIsTheOutputByteForByte) {
    WriteScript(3, "#!/bin/sh\nprintf '  lead\\r\\nnul\\000byte\\t \\n\\n'\n");
    EXPECT_EQ(fw::ScriptFunction(3), "  lead\r\nnul\0byte\t \n\n"s);
}

TEST_F(ProcessRunnerTest, OutputBeyondAPipeBufferIsReadWhole) {
    WriteScript(3, "#!/bin/sh\nhead -c 3000000 /dev/zero | tr '\\000' 'q'\n");
    EXPECT_EQ(fw::ScriptFunction(3), std::string(3000000, 'q'));
}

TEST_F(ProcessRunnerTest, TheScriptReadsNothingFromOurStandardInput) {
    WriteScript(3, "#!/bin/sh\ncat\necho end\n");
    EXPECT_EQ(fw::ScriptFunction(3), "end\n");
}

TEST_F(ProcessRunnerTest, TheExecuteOperationsRunTheScriptToItsEnd) {
    const fs::path record = folder_ / "record";
    WriteScript(4, "#!/bin/sh\nsleep 0.2\necho \"run $#:$*\" >> '" + record.string() + "'\n");
    fw::ScriptExecute(4);
    const auto handle = fw::StartParamScript(4);
    fw::AddStringScriptParam(handle, "a b");
    fw::AddIntegerScriptParam(handle, 9);
    fw::CompleteParamScriptExecute(handle);
    EXPECT_EQ(ReadFile(record), "run 0:\nrun 2:a b 9\n");
}

TEST_F(ProcessRunnerTest, AHandleLastsForOneRun) {
    WriteScript(kEchoArguments, kEchoArgumentsScript);
    const auto handle = fw::StartParamScript(kEchoArguments);
    fw::CompleteParamScriptFunction(handle);
    EXPECT_THROW(fw::CompleteParamScriptFunction(handle), fw::RuntimeException);
    EXPECT_THROW(fw::AddStringScriptParam(handle, "late"), fw::RuntimeException);
}

struct BrokenScript {
    const char* name;
    std::optional<std::string> text;  // none: there is no file
    fs::perms permissions;
    std::string reason;
};

void PrintTo(const BrokenScript& script, std::ostream* out) { *out << script.name; }

class BrokenScriptTest : public ProcessRunnerTest,
                         public ::testing::WithParamInterface<BrokenScript> {
  protected:
    BrokenScriptTest() : ProcessRunnerTest(300ms) {}
};

TEST_P(BrokenScriptTest, GivesTheEmptyTextAndSaysWhatHappened) {
    constexpr std::int32_t script = 9;
    if (GetParam().text) WriteScript(script, *GetParam().text, GetParam().permissions);
    for (const bool withArguments : {false, true}) {
        ::testing::internal::CaptureStderr();
        std::string result;
        if (withArguments) {
            const auto handle = fw::StartParamScript(script);
            fw::AddStringScriptParam(handle, "x");
            result = fw::CompleteParamScriptFunction(handle);
        } else {
            result = fw::ScriptFunction(script);
        }
        EXPECT_EQ(result, "");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "vemo: host script 9 (" + ScriptPath(script) + "): " + GetParam().reason + "\n");
    }
}

constexpr auto kRunnable = fs::perms::owner_all;

INSTANTIATE_TEST_SUITE_P(
    Scripts, BrokenScriptTest,
    ::testing::Values(BrokenScript{"Missing", std::nullopt, kRunnable, "missing"},
                      BrokenScript{"NotExecutable", "#!/bin/sh\necho hi\n",
                                   fs::perms::owner_read | fs::perms::owner_write,
                                   "not executable"},
                      BrokenScript{"NoInterpreterLine", "echo hi\n", kRunnable,
                                   "could not be started: Exec format error"},
                      BrokenScript{"NonZeroExit", "#!/bin/sh\necho partial\nexit 3\n", kRunnable,
                                   "exited with status 3"},
                      BrokenScript{"KilledBySignal", "#!/bin/sh\necho partial\nkill -9 $$\n",
                                   kRunnable, "was killed by signal 9 (Killed)"},
                      BrokenScript{"Hangs", "#!/bin/sh\necho partial\nsleep 60\n", kRunnable,
                                   "did not finish within 300 ms and was killed"},
                      BrokenScript{"HangsIgnoringTerm",
                                   "#!/bin/sh\ntrap '' TERM\necho partial\nsleep 60\n", kRunnable,
                                   "did not finish within 300 ms and was killed"},
                      BrokenScript{"ClosesItsOutputAndHangs", "#!/bin/sh\nexec >&-\nsleep 60\n",
                                   kRunnable, "did not finish within 300 ms and was killed"}),
    [](const auto& info) { return std::string(info.param.name); });

bool ProcessIsGone(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return true;
    const auto state = line.find(") ");
    return state != std::string::npos && line.compare(state + 2, 1, "Z") == 0;
}

class HungScriptTest : public ProcessRunnerTest {
  protected:
    HungScriptTest() : ProcessRunnerTest(300ms) {}
};

TEST_F(HungScriptTest, WhatTheScriptStartedIsKilledWithIt) {
    const fs::path pidFile = folder_ / "child";
    WriteScript(5, "#!/bin/sh\nsleep 60 &\necho $! > '" + pidFile.string() + "'\nwait\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fw::ScriptFunction(5), "");
    ::testing::internal::GetCapturedStderr();
    const pid_t child = std::stoi(ReadFile(pidFile));
    bool gone = ProcessIsGone(child);
    for (int check = 0; !gone && check < 200; ++check) {
        std::this_thread::sleep_for(10ms);
        gone = ProcessIsGone(child);
    }
    EXPECT_TRUE(gone) << "the script's own child " << child << " still runs";
}

TEST_F(HungScriptTest, AHungScriptMayCleanUpBeforeItIsKilled) {
    const fs::path cleaned = folder_ / "cleaned";
    WriteScript(5, "#!/bin/sh\ntrap 'echo done > \"" + cleaned.string() +
                       "\"; exit 0' TERM\nsleep 60 &\nwait\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fw::ScriptFunction(5), "");
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                ::testing::HasSubstr("did not finish within 300 ms and was killed"));
    EXPECT_EQ(ReadFile(cleaned), "done\n") << "the script got SIGTERM before SIGKILL";
}

TEST_F(HungScriptTest, ABackgroundChildThatKeepsTheOutputOpenCountsAsHanging) {
    WriteScript(5, "#!/bin/sh\necho early\nsleep 60 &\nexit 0\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fw::ScriptFunction(5), "");
    EXPECT_THAT(::testing::internal::GetCapturedStderr(),
                ::testing::HasSubstr("did not finish within 300 ms"));
}

}  // namespace
