#include "framework/gui/Timer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "RecordingWindow.h"
#include "framework/gui/Runtime.h"
#include "framework/runtime/BackgroundTask.h"
#include "framework/runtime/Dispatcher.h"
#include "framework/runtime/RuntimeException.h"
#include "support/GuiRuntimeTest.h"
#include "support/WidgetLookup.h"

namespace {

class TimerTest : public GuiRuntimeTest {
  protected:
    void SetUp() override {
        GuiRuntimeTest::SetUp();
        window_ = BuildRecordingWindow();
        timer_ = window_->New<fw::Timer>();
        timer_->Constructor();
        window_->AddControl("Timer1", timer_);
        fw::InstallInstanceEventHandler(*timer_, "Action", [this](fw::Control& sender) {
            EXPECT_EQ(&sender, timer_.get());
            ++ticks_;
        });
    }

    static void RunFor(int ms) {
        RunEventsUntil([] { return false; }, ms);
    }

    fw::Ref<RecordingWindow> window_;
    fw::Ref<fw::Timer> timer_;
    int ticks_ = 0;
};

TEST_F(TimerTest, RepeatingTimerRaisesActionAgainAndAgain) {
    timer_->SetPeriod(5);
    timer_->SetMode(fw::Timer::kMultiple);
    RunEventsUntil([&] { return ticks_ >= 3; });
    EXPECT_GE(ticks_, 3);
    EXPECT_TRUE(timer_->Running());
}

TEST_F(TimerTest, SingleShotTimerRaisesActionOnceThenIsOff) {
    timer_->SetPeriod(5);
    timer_->SetMode(fw::Timer::kSingle);
    RunEventsUntil([&] { return ticks_ >= 1; });
    RunFor(50);
    EXPECT_EQ(ticks_, 1);
    EXPECT_EQ(timer_->Mode(), fw::Timer::kOff);
    EXPECT_FALSE(timer_->Running());
}

TEST_F(TimerTest, OffTimerNeverTicks) {
    timer_->SetPeriod(5);
    timer_->SetMode(fw::Timer::kOff);
    RunFor(50);
    EXPECT_EQ(ticks_, 0);
}

TEST_F(TimerTest, TicksWhileAHandlerYieldsAreDroppedNotRunInside) {
    timer_->SetPeriod(5);
    timer_->SetMode(fw::Timer::kMultiple);
    int ticksInside = -1;
    bool timerFired = false;
    // A long handler that lets the loop run pending events, as a create run does.
    fw::DispatchEvent([&] {
        QElapsedTimer clock;
        clock.start();
        int before = ticks_;
        while (clock.elapsed() < 60) fw::RuntimeBackgroundTask();
        ticksInside = ticks_ - before;
        timerFired = timer_->Running();
    });
    EXPECT_EQ(ticksInside, 0);
    EXPECT_TRUE(timerFired);
    RunEventsUntil([&] { return ticks_ >= 1; });
    EXPECT_GE(ticks_, 1) << "the timer runs again once the handler has ended";
}

TEST_F(TimerTest, ADroppedSingleShotTickComesAgain) {
    timer_->SetPeriod(5);
    timer_->SetMode(fw::Timer::kSingle);
    fw::DispatchEvent([&] {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30) fw::RuntimeBackgroundTask();
    });
    EXPECT_EQ(ticks_, 0);
    RunEventsUntil([&] { return ticks_ >= 1; });
    EXPECT_EQ(ticks_, 1);
}

TEST_F(TimerTest, AThrowingActionIsReportedAndTheTimerGoesOn) {
    fw::InstallInstanceEventHandler(*timer_, "Action", [this](fw::Control&) {
        ++ticks_;
        throw fw::RuntimeException("watch failed");
    });
    timer_->SetPeriod(5);
    timer_->SetMode(fw::Timer::kMultiple);
    RunEventsUntil([&] { return ticks_ >= 2; });
    EXPECT_GE(ticks_, 2);
    ASSERT_FALSE(unhandled_.All().empty());
    EXPECT_EQ(unhandled_.All().front(), "RuntimeException: watch failed");
}

TEST_F(TimerTest, BadModeOrPeriodIsRefusedAndKeepsTheSetting) {
    timer_->SetPeriod(1000);
    EXPECT_THROW(timer_->SetMode(3), fw::RuntimeException);
    EXPECT_THROW(timer_->SetPeriod(0), fw::RuntimeException);
    EXPECT_EQ(timer_->Mode(), fw::Timer::kOff);
    EXPECT_EQ(timer_->Period(), 1000);
}

TEST_F(TimerTest, AWindowRefusesATimerThatIsNotConstructed) {
    auto unbuilt = window_->New<fw::Timer>();
    EXPECT_THROW(window_->AddControl("Timer2", unbuilt), fw::RuntimeException);
    EXPECT_EQ(unbuilt->Window(), nullptr);
    EXPECT_EQ(window_->Controls().size(), 1u);
}

}  // namespace
