#include "framework/scripting/AppleEvent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(AppleEventTest, ANewEventKeepsItsThreeCodes) {
    const auto event = fw::NewAppleEvent("misc", "actv", "ART5");
    ASSERT_TRUE(event);
    EXPECT_EQ(event->EventClass(), "misc");
    EXPECT_EQ(event->EventID(), "actv");
    EXPECT_EQ(event->Creator(), "ART5");
    EXPECT_EQ(event->ClassOf().Name(), "AppleEvent");
}

TEST(AppleEventTest, ThisPlatformSendsNothing) {
    EXPECT_FALSE(fw::NewAppleEvent("misc", "actv", "ART5")->Send());
}

TEST(AppleEventTest, AnInstalledSenderSeesTheEventAndGivesTheAnswer) {
    std::vector<std::string> sent;
    const auto previous = fw::SetAppleEventSender([&](const fw::AppleEvent& event) {
        sent.push_back(event.EventClass() + "/" + event.EventID() + "/" + event.Creator());
        return true;
    });
    EXPECT_TRUE(fw::NewAppleEvent("misc", "actv", "ART5")->Send());
    fw::SetAppleEventSender(previous);
    EXPECT_EQ(sent, std::vector<std::string>{"misc/actv/ART5"});
    EXPECT_FALSE(fw::NewAppleEvent("misc", "actv", "ART5")->Send()) << "the default is back";
}

TEST(AppleEventTest, ACodeThatIsNotFourBytesMakesNoEvent) {
    EXPECT_FALSE(fw::NewAppleEvent("mis", "actv", "ART5"));
    EXPECT_FALSE(fw::NewAppleEvent("misc", "actvx", "ART5"));
    EXPECT_FALSE(fw::NewAppleEvent("misc", "actv", ""));
}

}  // namespace
