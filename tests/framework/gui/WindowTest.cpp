#include "framework/gui/Window.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QWidget>
#include <algorithm>

#include "RecordingWindow.h"
#include "framework/gui/MenuBar.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/StaticText.h"
#include "framework/runtime/BackgroundTask.h"
#include "framework/runtime/Dispatcher.h"
#include "framework/runtime/RuntimeException.h"
#include "support/GuiRuntimeTest.h"
#include "support/WidgetLookup.h"

namespace {

using Events = std::vector<std::string>;

class WindowTest : public GuiRuntimeTest {};

TEST_F(WindowTest, BuildRaisesLayoutAndCreateControlsThenOpenWhileFindable) {
    auto window = BuildRecordingWindow();
    EXPECT_EQ(window->events, (Events{"Layout", "CreateControls", "Open"}));
    EXPECT_EQ(window->findable, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(fw::GetImplicitWindow("Test.RecordingWindow"), window);
    EXPECT_EQ(fw::GetImplicitWindow("Window"), nullptr);
}

TEST_F(WindowTest, ShowsOnlyOnceTheBuildIsDone) {
    auto window = BuildRecordingWindow([](RecordingWindow& w) {
        w.onLayout = [](RecordingWindow& self) { self.SetVisible(true); };
    });
    EXPECT_EQ(window->shownAt, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(window->Widget()->isVisible());
}

TEST_F(WindowTest, AnInvisibleRecordKeepsTheWindowHidden) {
    auto window = BuildRecordingWindow([](RecordingWindow& w) {
        w.onLayout = [](RecordingWindow& self) { self.SetVisible(false); };
    });
    EXPECT_FALSE(window->Widget()->isVisible());
    window->SetVisible(true);
    EXPECT_TRUE(window->Widget()->isVisible());
}

TEST_F(WindowTest, FindableDuringCloseAndGoneAfter) {
    auto window = BuildRecordingWindow();
    EXPECT_TRUE(window->Close());
    EXPECT_EQ(window->events, (Events{"Layout", "CreateControls", "Open", "CancelClose", "Close"}));
    EXPECT_TRUE(window->findable.back());
    EXPECT_EQ(fw::GetImplicitWindow("Test.RecordingWindow"), nullptr);
    EXPECT_FALSE(window->Widget()->isVisible());
    EXPECT_FALSE(window->IsOpen());
}

TEST_F(WindowTest, AnExceptionDuringTheBuildPassesOnAndLeavesNoWindow) {
    EXPECT_THROW(BuildRecordingWindow([](RecordingWindow& w) {
                     w.onCreateControls = [](RecordingWindow&) {
                         throw fw::RuntimeException("no controls");
                     };
                 }),
                 fw::RuntimeException);
    EXPECT_EQ(fw::GetImplicitWindow("Test.RecordingWindow"), nullptr);
    EXPECT_TRUE(fw::OpenWindows().empty());
}

TEST_F(WindowTest, ARefusedCloseKeepsTheWindowOpen) {
    auto window = BuildRecordingWindow();
    window->refuseClose = true;
    EXPECT_FALSE(window->Close());
    EXPECT_TRUE(window->IsOpen());
    EXPECT_EQ(window->events.back(), "CancelClose");
    EXPECT_EQ(fw::GetImplicitWindow("Test.RecordingWindow"), window);
    EXPECT_FALSE(fw::QuitRequested());
}

TEST_F(WindowTest, TheUserClosingTheLastWindowEndsTheLoopWithZero) {
    auto window = BuildRecordingWindow();
    window->Widget()->close();
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(window->events.back(), "Close");
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(WindowTest, ClosingOneOfTwoWindowsKeepsTheLoopRunning) {
    auto first = BuildRecordingWindow();
    auto second = fw::RuntimeCheckCast<fw::Window>(fw::Window::ClassInfo().NewObject());
    second->Constructor();
    first->Widget()->close();
    EXPECT_FALSE(fw::QuitRequested());
    second->Widget()->close();
    EXPECT_TRUE(fw::QuitRequested());
}

TEST_F(WindowTest, AnExitCodeAskedForInCloseIsKept) {
    auto window = BuildRecordingWindow();
    window->onClose = [](RecordingWindow&) { fw::Quit(3); };
    window->Widget()->close();
    EXPECT_EQ(fw::RuntimeExit(), 3);
}

TEST_F(WindowTest, ACloseRequestWhileAHandlerRunsIsKeptAndCarriedOutOnceWhenItEnds) {
    auto window = BuildRecordingWindow();
    bool openInHandler = false;
    bool shownInHandler = false;
    fw::DispatchEvent([&] {
        window->Widget()->close();
        window->Widget()->close();
        openInHandler = window->IsOpen();
        shownInHandler = window->Widget()->isVisible();
    });
    EXPECT_TRUE(openInHandler);
    EXPECT_TRUE(shownInHandler);
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(std::count(window->events.begin(), window->events.end(), "Close"), 1);
    window->Widget()->close();
    EXPECT_EQ(std::count(window->events.begin(), window->events.end(), "Close"), 1);
}

TEST_F(WindowTest, AThrowingCloseHandlerStillClosesAndIsReported) {
    auto window = BuildRecordingWindow();
    window->onClose = [](RecordingWindow&) { throw fw::RuntimeException("disk full"); };
    window->Widget()->close();
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(unhandled_.All(), std::vector<std::string>{"RuntimeException: disk full"});
}

TEST_F(WindowTest, AThrowingCancelCloseStillClosesWithoutTheCloseEvent) {
    auto window = BuildRecordingWindow();
    window->onCancelClose = [](RecordingWindow&) { throw fw::RuntimeException("no answer"); };
    EXPECT_THROW(window->Close(), fw::RuntimeException);
    EXPECT_EQ(window->events.back(), "CancelClose");
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(fw::GetImplicitWindow("Test.RecordingWindow"), nullptr);
}

TEST_F(WindowTest, CloseFromInsideItsOwnHandlersIsRefused) {
    auto window = BuildRecordingWindow();
    std::vector<bool> inner;
    window->onCancelClose = [&](RecordingWindow& self) { inner.push_back(self.Close()); };
    window->onClose = [&](RecordingWindow& self) { inner.push_back(self.Close()); };
    EXPECT_TRUE(window->Close());
    EXPECT_EQ(inner, (std::vector<bool>{false, false}));
    EXPECT_TRUE(window->Close()) << "closed already";
}

TEST_F(WindowTest, AClosedWindowIsReleasedOnlyOnceNoHandlerRuns) {
    auto second = BuildRecordingWindow();  // keeps the loop from being asked to end
    std::weak_ptr<RecordingWindow> closed;
    fw::DispatchEvent([&] {
        auto window = BuildRecordingWindow();
        closed = window;
        window->Close();
        window.reset();
        for (int turn = 0; turn < 20; ++turn) fw::RuntimeBackgroundTask();
        EXPECT_FALSE(closed.expired()) << "released under a running handler";
    });
    EXPECT_TRUE(RunEventsUntil([&] { return closed.expired(); }));
}

TEST_F(WindowTest, LeftAndTopReadBackWhatWasSet) {
    auto window = BuildRecordingWindow();
    window->SetLeft(120);
    window->SetTop(85);
    EXPECT_EQ(window->Left(), 120);
    EXPECT_EQ(window->Top(), 85);
    window->SetLeft(window->Left());
    window->SetTop(window->Top());
    EXPECT_EQ(window->Left(), 120);
    EXPECT_EQ(window->Top(), 85);
}

class ToolWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        bar_ = std::make_shared<fw::MenuBar>();
        auto menu = std::make_shared<fw::MenuItem>();
        menu->Constructor();
        menu->SetText("File");
        bar_->Append(menu);
        window_ = BuildRecordingWindow([this](RecordingWindow& w) {
            w.onLayout = [this](RecordingWindow& self) {
                self.SetMenuBar(bar_);
                self.SetWidth(160);
                self.SetHeight(137);
                self.SetMinWidth(64);
                self.SetMinHeight(64);
                self.SetFrame(7);
            };
            w.onCreateControls = [](RecordingWindow& self) {
                auto label = std::make_shared<fw::StaticText>();
                label->Constructor();
                self.AddControl("label", label);
                label->SetLeft(6);
                label->SetTop(96);
                label->SetWidth(148);
                label->SetHeight(41);
            };
        });
    }

    fw::Ref<fw::MenuBar> bar_;
    fw::Ref<RecordingWindow> window_;
};

TEST_F(ToolWindowTest, ContentHasItsSizeBelowTheMenuBar) {
    QWidget* content = window_->ContentWidget();
    EXPECT_EQ(content->size(), QSize(160, 137));
    EXPECT_EQ(window_->Width(), 160);
    EXPECT_EQ(window_->Height(), 137);
    QMenuBar* menuBar = window_->MenuBarWidget();
    ASSERT_TRUE(menuBar->isVisible());
    EXPECT_GT(menuBar->height(), 0);
    EXPECT_EQ(content->y(), menuBar->height());
    EXPECT_EQ(window_->Widget()->height(), 137 + menuBar->height());
}

TEST_F(ToolWindowTest, FloatsAboveOtherWindows) {
    Qt::WindowFlags flags = window_->Widget()->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
}

TEST_F(ToolWindowTest, ResizingKeepsTheLimitsAndMovesNoControl) {
    QWidget* top = window_->Widget();
    int bar = window_->MenuBarWidget()->height();
    EXPECT_EQ(top->minimumSize(), QSize(64, 64 + bar));
    EXPECT_EQ(top->maximumSize(), QSize(32000, 32000 + bar));
    top->resize(400, 300);
    QWidget* label = window_->ContentWidget()->findChild<QWidget*>("label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), QRect(6, 96, 148, 41));
    EXPECT_EQ(window_->Width(), 400);
    EXPECT_EQ(window_->Height(), 300 - bar);
}

TEST_F(ToolWindowTest, HidingTheMenuBarKeepsTheContentSize) {
    window_->SetMenuBarVisible(false);
    EXPECT_FALSE(window_->MenuBarWidget()->isVisible());
    EXPECT_EQ(window_->ContentWidget()->geometry(), QRect(0, 0, 160, 137));
}

TEST_F(WindowTest, UsingAWindowBeforeItsConstructorIsAnError) {
    fw::Window window;
    EXPECT_THROW(window.SetTitle("x"), fw::RuntimeException);
    auto unheld = std::make_unique<fw::Window>();
    EXPECT_THROW(unheld->Constructor(), fw::RuntimeException);
}

}  // namespace
