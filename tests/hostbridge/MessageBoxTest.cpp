#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/gui/Runtime.h"
#include "framework/runtime/MsgBox.h"
#include "framework/scripting/AppleEvent.h"
#include "shell/Window1.h"
#include "support/RecordingScriptHost.h"

namespace {

using Log = std::vector<std::string>;

// The palette's messages with every effect in one log: the scripts, the message box and the
// activate event, whose send succeeds or fails as the test says.
class MessageBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousPresenter_ = fw::SetMessageBoxPresenter(
            [this](const std::string& message) { host_->Note("MsgBox(" + message + ")"); });
        previousSender_ = fw::SetAppleEventSender([this](const fw::AppleEvent& event) {
            host_->Note("Send(" + event.EventClass() + " " + event.EventID() + " " +
                        event.Creator() + ")");
            return sendSucceeds_;
        });
    }
    void TearDown() override {
        fw::SetMessageBoxPresenter(previousPresenter_);
        fw::SetAppleEventSender(previousSender_);
    }

    vemo_test::RecordingScriptHostScope host_;
    // The messages need nothing of the palette's widgets, so it is never built.
    fw::Ref<Window1> palette_ = fw::RuntimeNewObject<Window1>();
    bool sendSucceeds_ = false;
    fw::MessageBoxPresenter previousPresenter_;
    fw::AppleEventSender previousSender_;
};

TEST_F(MessageBoxTest, BringsThePaletteForwardShowsTheMessageThenActivatesTheHost) {
    sendSucceeds_ = true;
    palette_->my_msgbox("保存しました");
    EXPECT_EQ(host_->Log(),
              (Log{"ScriptExecute(170)", "MsgBox(保存しました)", "Send(misc actv ART5)"}));
}

TEST_F(MessageBoxTest, AFailedActivationAsksOnceForTheHostToBeStarted) {
    palette_->AI_ACCTIVE();
    EXPECT_EQ(host_->Log(),
              (Log{"Send(misc actv ART5)", "MsgBox(Illustratorを起動してください。)"}));
}

TEST_F(MessageBoxTest, ASuccessfulActivationShowsNothing) {
    sendSucceeds_ = true;
    palette_->AI_ACCTIVE();
    EXPECT_EQ(host_->Log(), (Log{"Send(misc actv ART5)"}));
}

TEST_F(MessageBoxTest, WithoutAppleEventsTheMessageIsFollowedByTheRequestToStartTheHost) {
    fw::SetAppleEventSender(nullptr);  // this platform's own: no Apple events
    palette_->my_msgbox("");
    EXPECT_EQ(host_->Log(),
              (Log{"ScriptExecute(170)", "MsgBox()", "MsgBox(Illustratorを起動してください。)"}));
}

}  // namespace
