#include "framework/runtime/Dispatcher.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "framework/runtime/NilObjectException.h"
#include "framework/runtime/UnhandledException.h"

namespace {

class DispatcherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = fw::SetUnhandledExceptionReporter(
            [this](const std::string& name, const std::string& message) {
                reports_.push_back(name + ": " + message);
            });
    }
    void TearDown() override { fw::SetUnhandledExceptionReporter(previous_); }

    std::vector<std::string> reports_;
    fw::UnhandledExceptionReporter previous_;
};

TEST_F(DispatcherTest, AThrowingHandlerEndsAndItsExceptionIsReportedByClass) {
    bool after = false;
    EXPECT_TRUE(fw::DispatchEvent([&] {
        throw fw::NilObjectException("POP1(0)");
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_EQ(reports_, std::vector<std::string>{"NilObjectException: POP1(0)"});
    EXPECT_FALSE(fw::IsDispatching());
}

TEST_F(DispatcherTest, ForeignExceptionsAreReportedToo) {
    fw::DispatchEvent([] { throw std::out_of_range("index 9"); });
    fw::DispatchEvent([] { throw 42; });
    EXPECT_EQ(reports_,
              (std::vector<std::string>{"std::exception: index 9", "unknown exception: "}));
}

TEST_F(DispatcherTest, NoHandlerStartsWhileAnotherRuns) {
    int inner = 0;
    bool innerDispatched = true;
    fw::DispatchEvent([&] {
        EXPECT_TRUE(fw::IsDispatching());
        innerDispatched = fw::DispatchEvent([&] { ++inner; });
    });
    EXPECT_FALSE(innerDispatched);
    EXPECT_EQ(inner, 0);
    EXPECT_TRUE(fw::DispatchEvent([&] { ++inner; })) << "the next event runs again";
    EXPECT_EQ(inner, 1);
}

}  // namespace
