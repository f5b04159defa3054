#include "framework/scripting/PreparedScriptCalls.h"

#include <gtest/gtest.h>

#include "framework/runtime/RuntimeException.h"

namespace {

TEST(PreparedScriptCallsTest, EachCallKeepsItsOwnArgumentsInOrder) {
    fw::PreparedScriptCalls calls;
    const auto first = calls.Start(171);
    const auto second = calls.Start(168);
    ASSERT_NE(first, second);
    calls.Append(first, "a");
    calls.Append(second, 5);
    calls.Append(first, 7);
    calls.Append(first, "b");
    EXPECT_EQ(calls.Take(first), (fw::ScriptCall{.script = 171, .arguments = {"a", 7, "b"}}));
    EXPECT_EQ(calls.Take(second), (fw::ScriptCall{.script = 168, .arguments = {5}}));
}

TEST(PreparedScriptCallsTest, AHandleEndsWhenItsCallIsTaken) {
    fw::PreparedScriptCalls calls;
    const auto handle = calls.Start(170);
    calls.Take(handle);
    EXPECT_THROW(calls.Take(handle), fw::RuntimeException);
    EXPECT_THROW(calls.Append(handle, 1), fw::RuntimeException);
    EXPECT_NE(calls.Start(170), handle) << "a handle is never given twice";
}

TEST(PreparedScriptCallsTest, AnUnknownHandleIsAnError) {
    fw::PreparedScriptCalls calls;
    EXPECT_THROW(calls.Append(0, "x"), fw::RuntimeException);
    EXPECT_THROW(calls.Take(42), fw::RuntimeException);
}

}  // namespace
