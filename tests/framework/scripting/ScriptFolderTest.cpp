#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/scripting/HostScripting.h"
#include "framework/scripting/ProcessHostScriptRunner.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(ScriptFolderTest, IsTheFolderHostscriptsBesideTheExecutable) {
    EXPECT_EQ(fw::ProcessHostScriptRunner::DefaultScriptFolder(),
              (fs::path(VEMO_TEST_BIN_DIR) / "hostscripts").string());
}

// Restores the current folder and PATH that a test changes.
class ForeignPlacesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* path = std::getenv("PATH");
        path_ = path ? path : "";
        for (const auto& place : {folder_ / "hostscripts", folder_ / "bin"}) {
            fs::create_directories(place);
            const auto script = place / "60123";
            std::ofstream(script) << "#!/bin/sh\necho found in the wrong place\n";
            fs::permissions(script, fs::perms::owner_all);
        }
        fs::current_path(folder_.Path());
        ::setenv("PATH", ((folder_ / "bin").string() + ":" + path_).c_str(), 1);
    }
    void TearDown() override {
        fs::current_path(start_);
        ::setenv("PATH", path_.c_str(), 1);
    }

    vemo_test::TempFolder folder_;
    fs::path start_ = fs::current_path();
    std::string path_;
};

TEST_F(ForeignPlacesTest, NeitherTheCurrentFolderNorPathCanOfferAScript) {
    fw::SetHostScriptRunner(nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(fw::ScriptFunction(60123), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "vemo: host script 60123 (" + fw::ProcessHostScriptRunner::DefaultScriptFolder() +
                  "/60123): missing\n");
}

}  // namespace
