#include <gtest/gtest.h>

#include <map>
#include <string>

#include "standinhost/HostFolder.h"

namespace {

using standinhost::HostFolder;

struct Case {
    const char* name;
    std::map<std::string, std::string> environment;
    std::string folder;  // empty: none
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class HostFolderTest : public ::testing::TestWithParam<Case> {};

TEST_P(HostFolderTest, TakesTheFirstVariableThatIsSet) {
    const auto& environment = GetParam().environment;
    const auto folder = HostFolder::Locate([&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
    if (GetParam().folder.empty()) {
        EXPECT_FALSE(folder);
        EXPECT_EQ(folder.Reason(), "no document folder: set VEMO_HOST_DIR or HOME");
    } else {
        ASSERT_TRUE(folder) << folder.Reason();
        EXPECT_EQ(*folder, GetParam().folder);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Environments, HostFolderTest,
    ::testing::Values(
        Case{"Own", {{"VEMO_HOST_DIR", "/a"}, {"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}}, "/a"},
        Case{"Data", {{"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}}, "/x/vemo/host"},
        Case{"Home", {{"HOME", "/h"}}, "/h/.local/share/vemo/host"},
        Case{"EmptyCountsAsUnset",
             {{"VEMO_HOST_DIR", ""}, {"XDG_DATA_HOME", ""}, {"HOME", "/h"}},
             "/h/.local/share/vemo/host"},
        Case{"Relative", {{"VEMO_HOST_DIR", "-h"}}, "-h"}, Case{"None", {}, ""},
        Case{"AllEmpty", {{"VEMO_HOST_DIR", ""}, {"HOME", ""}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostFolderOpenTest, AFolderThatCannotExistHoldsNothing) {
    const auto folder = HostFolder::OpenExisting("/proc/self/status/host");
    ASSERT_TRUE(folder) << folder.Reason();
    EXPECT_FALSE(*folder);
}

TEST(HostFolderOpenTest, AFileInPlaceOfTheFolderIsAnError) {
    const auto folder = HostFolder::OpenExisting("/proc/self/status");
    EXPECT_FALSE(folder);
    EXPECT_NE(folder.Reason().find("Not a directory"), std::string::npos) << folder.Reason();
}

}  // namespace
