#include <gtest/gtest.h>

#include <algorithm>

#include "framework/runtime/ClassRecord.h"
#include "shell/ProcessSteps.h"

namespace {

// In a process of its own: no class record exists before Initialize.
TEST(InitializeOrderTest, BuildsTheFrameworksRecordsFirstAndTheSystemsLastInOrder) {
    ASSERT_TRUE(fw::ClassRecordBuildLog().empty());
    Initialize();
    const auto& log = fw::ClassRecordBuildLog();
    const std::vector<std::string> system{"App",          "Window1.Window1", "Window1.Timer1",
                                          "Window1.POP1", "Window1.ST2",     "MenuBar1.MenuBar1"};
    ASSERT_GT(log.size(), system.size());
    EXPECT_TRUE(std::equal(system.begin(), system.end(), log.end() - system.size()));
    for (const char* framework : {"Application", "Window", "PopupMenu", "StaticText", "BevelButton",
                                  "Timer", "MenuItem", "MenuBar", "QuitMenuItem"}) {
        EXPECT_NE(std::find(log.begin(), log.end() - system.size(), framework),
                  log.end() - system.size())
            << framework;
    }
    Initialize();
    EXPECT_EQ(fw::ClassRecordBuildLog().size(), log.size()) << "each record is built once";
}

}  // namespace
