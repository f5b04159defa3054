#pragma once

#include <gtest/gtest.h>
#include <spawn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/scripting/ScriptProcess.h"
#include "support/TempFolder.h"

extern char** environ;

namespace vemo_test {

// Runs the host scripts of the built tree against a document folder of the test's own, given
// to the scripts through VEMO_HOST_DIR.
class StandInHostTest : public ::testing::Test {
  protected:
    void SetUp() override { ::setenv("VEMO_HOST_DIR", folder_.Path().c_str(), 1); }
    void TearDown() override { ::unsetenv("VEMO_HOST_DIR"); }

    static std::filesystem::path Script(const std::string& name) {
        return std::filesystem::path(VEMO_TEST_BIN_DIR) / "hostscripts" / name;
    }

    // Runs the script and gives back how it ended; what it writes on standard error is kept
    // in errors_.
    fw::ScriptProcessResult Run(const std::string& name,
                                const std::vector<std::string>& arguments = {}) {
        return RunProgram(Script(name).string(), arguments);
    }

    // Runs any program as Run runs a script.
    fw::ScriptProcessResult RunProgram(const std::string& program,
                                       const std::vector<std::string>& arguments) {
        ::testing::internal::CaptureStderr();
        auto result = fw::RunScriptProcess(program, arguments, std::chrono::seconds(20));
        errors_ = ::testing::internal::GetCapturedStderr();
        return result;
    }

    // Runs the script as Run does, but without root's power over file permissions: a file
    // that the script may not read or write stays so when the tests run as root, as on CI.
    fw::ScriptProcessResult RunUnprivileged(const std::string& name,
                                            const std::vector<std::string>& arguments) {
        if (::geteuid() != 0) return Run(name, arguments);
        std::vector<std::string> unprivileged{"--bounding-set=-dac_override,-dac_read_search", "--",
                                              Script(name).string()};
        unprivileged.insert(unprivileged.end(), arguments.begin(), arguments.end());
        return RunProgram("/usr/bin/setpriv", unprivileged);
    }

    // Starts the script without waiting for it; gives its process id, -1 when it cannot start.
    static pid_t Start(const std::string& name, const std::vector<std::string>& arguments) {
        const std::string program = Script(name).string();
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        pid_t pid = -1;
        if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            return -1;
        }
        return pid;
    }

    std::filesystem::path Host(const std::string& name) const { return folder_ / name; }

    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    static void Write(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    TempFolder folder_;
    std::string errors_;
};

}  // namespace vemo_test
