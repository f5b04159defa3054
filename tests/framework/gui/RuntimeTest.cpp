#include "framework/gui/Runtime.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "framework/gui/Application.h"
#include "framework/runtime/Dispatcher.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/runtime/RuntimeException.h"
#include "support/GuiRuntimeTest.h"

namespace {

class RuntimeTest : public GuiRuntimeTest {};

int startups = 0;
void CountStartup() { ++startups; }
void FailStartup() { throw fw::NilObjectException("no application"); }

TEST_F(RuntimeTest, InitializationCallsTheStartupExactlyOnce) {
    startups = 0;
    fw::Delegate startup = fw::RuntimeCreateDelegate(&CountStartup);
    fw::RunFrameworkInitialization(startup);
    EXPECT_EQ(startups, 1);
}

TEST_F(RuntimeTest, AFailedStartPassesTheExceptionOnAndExitsWithOne) {
    EXPECT_THROW(fw::RunFrameworkInitialization(fw::RuntimeCreateDelegate(&FailStartup)),
                 fw::NilObjectException);
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

TEST_F(RuntimeTest, AMissingStartupIsAFailedStart) {
    EXPECT_THROW(fw::RunFrameworkInitialization(nullptr), fw::NilObjectException);
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

TEST_F(RuntimeTest, QuitBeforeTheLoopMakesItReturnAtOnce) {
    bool ran = false;
    QObject scope;  // takes the timer along when the test ends
    QTimer::singleShot(0, &scope, [&] { ran = true; });
    fw::Quit(3);
    fw::RuntimeRun();
    EXPECT_FALSE(ran) << "the loop did not run";
    EXPECT_EQ(fw::RuntimeExit(), 3);
}

TEST_F(RuntimeTest, QuitFromAHandlerEndsTheLoopWithItsCode) {
    QTimer::singleShot(0, [] { fw::DispatchEvent([] { fw::Quit(4); }); });
    fw::RuntimeRun();
    EXPECT_EQ(fw::RuntimeExit(), 4);
}

TEST_F(RuntimeTest, ExitStatusIsZeroWithoutAQuitCode) { EXPECT_EQ(fw::RuntimeExit(), 0); }

TEST_F(RuntimeTest, TheApplicationObjectIsHeldUntilExit) {
    EXPECT_THROW(fw::RegisterAppObject(nullptr), fw::NilObjectException);
    auto application = std::make_shared<fw::Application>();
    std::weak_ptr<fw::Application> held = application;
    fw::RegisterAppObject(std::move(application));
    EXPECT_FALSE(held.expired());
    EXPECT_EQ(fw::AppObject(), held.lock());
    fw::RuntimeExit();
    EXPECT_TRUE(held.expired());
}

TEST_F(RuntimeTest, ANewRunForgetsTheLastOne) {
    fw::Quit(5);
    fw::RuntimeInit();
    EXPECT_FALSE(fw::QuitRequested());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

}  // namespace
