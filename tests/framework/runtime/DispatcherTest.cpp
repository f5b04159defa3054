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

const char kCloseKey = 0;
const char kQuitKey = 0;

TEST_F(DispatcherTest, ARequestWithNoHandlerRunningRunsAtOnce) {
    int runs = 0;
    EXPECT_TRUE(fw::DispatchOrKeep(&kCloseKey, [&] {
        EXPECT_TRUE(fw::IsDispatching());
        ++runs;
    }));
    EXPECT_EQ(runs, 1);
}

TEST_F(DispatcherTest, ARequestWhileAHandlerRunsIsKeptUntilItEndsAndRunsOnce) {
    std::vector<std::string> order;
    fw::DispatchEvent([&] {
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(fw::DispatchOrKeep(&kCloseKey, [&] { order.push_back("close"); }));
        }
        order.push_back("handler ends");
    });
    EXPECT_EQ(order, (std::vector<std::string>{"handler ends", "close"}));
    EXPECT_FALSE(fw::IsDispatching());
    fw::DispatchEvent([] {});
    EXPECT_EQ(order.size(), 2u) << "a request ran is not kept for the next handler";
}

TEST_F(DispatcherTest, KeptRequestsOfDifferentKeysRunInTheOrderTheyCame) {
    std::vector<std::string> order;
    fw::DispatchEvent([&] {
        fw::DispatchOrKeep(&kQuitKey, [&] { order.push_back("quit"); });
        fw::DispatchOrKeep(&kCloseKey, [&] { order.push_back("close"); });
        fw::DispatchOrKeep(&kQuitKey, [&] { order.push_back("second quit"); });
    });
    EXPECT_EQ(order, (std::vector<std::string>{"quit", "close"}));
}

TEST_F(DispatcherTest, AKeptRequestRunsAsAHandlerAndWhatItThrowsIsReported) {
    bool nextRan = false;
    fw::DispatchEvent([&] {
        fw::DispatchOrKeep(&kCloseKey, [] { throw fw::NilObjectException("gMyPref"); });
        fw::DispatchOrKeep(&kQuitKey, [&] {
            EXPECT_TRUE(fw::IsDispatching());
            EXPECT_FALSE(fw::DispatchEvent([] {})) << "no handler starts inside a kept one";
            nextRan = true;
        });
    });
    EXPECT_EQ(reports_, std::vector<std::string>{"NilObjectException: gMyPref"});
    EXPECT_TRUE(nextRan) << "a throwing request does not drop the next";
}

TEST_F(DispatcherTest, ARequestKeptWhileAKeptOneRunsRunsAfterIt) {
    std::vector<std::string> order;
    fw::DispatchEvent([&] {
        fw::DispatchOrKeep(&kCloseKey, [&] {
            order.push_back("close");
            fw::DispatchOrKeep(&kCloseKey, [&] { order.push_back("close again"); });
        });
    });
    EXPECT_EQ(order, (std::vector<std::string>{"close", "close again"}));
}

}  // namespace
