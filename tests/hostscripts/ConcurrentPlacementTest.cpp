#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "framework/text/TextFunctions.h"
#include "hostscripts/StandInHostTest.h"
#include "hostscripts/SvgDocument.h"
#include "support/TinyPng.h"

namespace {

using vemo_test::StandInHostTest;

TEST_F(StandInHostTest, FiftyPlacementsAtOnceAllLand) {
    constexpr int kRuns = 50;
    const std::filesystem::path image = folder_ / "code.png";
    Write(image, vemo_test::TinyPng::Make(21, 13));

    std::vector<pid_t> children;
    for (int i = 0; i < kRuns; ++i) {
        const std::string value = std::to_string(i);
        const pid_t pid = Start("171", {image.string(), value, value});
        ASSERT_GT(pid, 0);
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }

    const auto document = vemo_test::SvgDocument::Parse(Read(Host("document.svg")));
    ASSERT_EQ(document.error, "");
    ASSERT_EQ(document.images.size(), static_cast<std::size_t>(kRuns));
    std::multiset<std::string> placed;
    for (const auto& placedImage : document.images) {
        EXPECT_EQ(placedImage.at("x"), placedImage.at("y"));
        placed.insert(placedImage.at("x"));
    }
    auto lines = fw::Split(Read(Host("placed.log")), "\n");
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kRuns) + 1) << "each line with its end";
    EXPECT_EQ(lines.back(), "");
    lines.pop_back();
    std::multiset<std::string> logged;
    for (const auto& line : lines) {
        const auto fields = fw::Split(line, "\t");
        ASSERT_EQ(fields.size(), 3u) << line;
        EXPECT_EQ(fields[0], image.string());
        logged.insert(fields[1]);
    }
    std::multiset<std::string> expected;
    for (int i = 0; i < kRuns; ++i) expected.insert(std::to_string(i));
    EXPECT_EQ(placed, expected);
    EXPECT_EQ(logged, expected);
    EXPECT_EQ(document.root.at("width"), "70") << "49 + 21: reaches the last image's far edge";
}

}  // namespace
