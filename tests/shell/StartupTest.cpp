#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QWidget>
#include <functional>

#include "framework/gui/Application.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/WindowList.h"
#include "shell/App.h"
#include "shell/MenuBar1.h"
#include "shell/ProcessSteps.h"
#include "shell/Window1.h"
#include "support/ProcessRun.h"
#include "support/TempPreferences.h"
#include "support/UnhandledReports.h"
#include "support/WidgetLookup.h"

namespace {

using vemo_test::RunProcessSteps;

// A window registered under the palette's class name that is not a palette.
class ImpostorWindow : public fw::Window {
  public:
    static const fw::ClassRecord& ClassInfo() {
        static const fw::ClassRecord& record = fw::BuildClassRecord({
            .name = "Window1.Window1",
            .base = &fw::Window::ClassInfo(),
            .create = [] { return std::make_shared<ImpostorWindow>(); },
        });
        return record;
    }
    const fw::ClassRecord& ClassOf() const override { return ClassInfo(); }
};

class StartupTest : public ::testing::Test {
  protected:
    vemo_test::TempPreferences preferences_;
    UnhandledReports unhandled_;
    bool loopRan_ = false;
    std::weak_ptr<Window1> palette_;
    std::weak_ptr<MenuBar1> menuBar_;

    // Notes the objects of the run, then does `end`.
    std::function<void()> InLoop(const std::function<void(Window1&)>& end) {
        return [this, end] {
            loopRan_ = true;
            fw::Ref<Window1> palette = Window1::Instance();
            palette_ = palette;
            menuBar_ = MenuBar1::ImplicitInstance();
            end(*palette);
        };
    }
};

TEST_F(StartupTest, ClosingThePaletteEndsTheProcessWithZero) {
    int status =
        RunProcessSteps(nullptr, InLoop([](Window1& palette) { palette.Widget()->close(); }));
    EXPECT_TRUE(loopRan_);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(unhandled_.All().empty());
    EXPECT_TRUE(palette_.expired());
    EXPECT_TRUE(menuBar_.expired()) << "the exit hook released the menu bar";
    EXPECT_EQ(MenuBar1::ImplicitInstance(), nullptr);
}

TEST_F(StartupTest, FileQuitClosesThePaletteAndEndsWithZero) {
    bool closedFirst = false;
    int status = RunProcessSteps(nullptr, InLoop([&](Window1& palette) {
                                     palette.FileQuit()->Action()->trigger();
                                     closedFirst = !palette.IsOpen();
                                 }));
    EXPECT_TRUE(closedFirst);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(palette_.expired());
    EXPECT_TRUE(menuBar_.expired());
}

TEST_F(StartupTest, CtrlQClosesThePaletteAndEndsWithZero) {
    bool active = false;
    int status = RunProcessSteps(nullptr, InLoop([&](Window1& palette) {
                                     WaitUntilExposed(*palette.Widget());
                                     active = QApplication::activeWindow() == palette.Widget();
                                     PressKeys(*palette.Widget(), Qt::Key_Q, Qt::ControlModifier);
                                 }));
    EXPECT_TRUE(active) << "the new palette takes the keyboard";
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(palette_.expired());
}

TEST_F(StartupTest, AnExceptionAtStartIsReportedTheLoopNeverRunsAndStatusIsOne) {
    int status = RunProcessSteps(
        [] {
            auto impostor = fw::RuntimeNewObject<ImpostorWindow>();
            impostor->Constructor();
        },
        [this] { loopRan_ = true; });
    EXPECT_FALSE(loopRan_);
    EXPECT_EQ(status, 1);
    ASSERT_EQ(unhandled_.All().size(), 1u);
    EXPECT_EQ(unhandled_.All()[0].rfind("IllegalCastException", 0), 0u) << unhandled_.All()[0];
    EXPECT_EQ(MenuBar1::ImplicitInstance(), nullptr) << "finalisation ran";
    EXPECT_TRUE(fw::OpenWindows().empty());
}

}  // namespace
