#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QSignalSpy>
#include <chrono>
#include <string>
#include <vector>

#include "CreateRunTest.h"
#include "YieldHook.h"
#include "support/ScriptedServer.h"
#include "support/TinyPng.h"

namespace {

using namespace std::chrono_literals;

const std::string kSelection =
    SelectionItem("A", "x", "y") + kItemSeparator + kItemSeparator + SelectionItem("B", "u", "v");

class SecondClickTest : public CreateRunTest {
  protected:
    void SetUp() override {
        CreateRunTest::SetUp();
        button_ = FindWidgetAs<QAbstractButton>("makeqr");
        ASSERT_NE(button_, nullptr);
        clicks_ = std::make_unique<QSignalSpy>(button_, &QAbstractButton::clicked);
        host_->Answer(168, kSelection);
    }

    int Runs() const {
        int runs = 0;
        for (const fw::ScriptCall& call : RunCalls()) runs += call.script == 168;
        return runs;
    }

    // The calls and statuses of exactly one run over the selection of SetUp.
    void ExpectOneWholeRun() {
        EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
        EXPECT_EQ(Runs(), 1);
        EXPECT_EQ(RunCalls().size(), 3u);
        EXPECT_EQ(Statuses(),
                  (std::vector<std::string>{"A", kPlacingText, "B", kPlacingText, kIdleText}));
    }

    QAbstractButton* button_ = nullptr;
    std::unique_ptr<QSignalSpy> clicks_;
};

// The answers trickle in, so the download's wait yields several times before each ends.
TEST_F(SecondClickTest, ClicksDuringTheYieldsOfARunAndItsDownloadsStartNoRun) {
    const std::string png = vemo_test::TinyPng::Make(8, 8);
    const vemo_test::Script slowImage = {
        vemo_test::ReadRequest(),
        vemo_test::SendInPieces(vemo_test::Answer("200 OK", {}, png), 16, 20ms)};
    vemo_test::ScriptedServer server({slowImage});
    UseChartHost(server.HostAndPort());
    constexpr int kClicksInside = 12;
    int clicksInside = 0;
    {
        // A bounded number, so that a run that is re-entered still comes to an end.
        YieldHook hook([&] {
            if (clicksInside == kClicksInside) return;
            ++clicksInside;
            ClickWidget(*button_);
        });
        Click();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(clicksInside, kClicksInside) << "the run and its downloads yield more often";
    EXPECT_EQ(clicks_->count(), 1 + kClicksInside) << "every click reached the button";
    ExpectOneWholeRun();
    EXPECT_EQ(server.ConnectionsAccepted(), 2);

    Click();
    EXPECT_EQ(Runs(), 2) << "a click after the run starts the next";
}

TEST_F(SecondClickTest, AClickWhileAPlacingIsUnderWayStartsNoRun) {
    int clicksInside = 0;
    host_->AnswerWith([&](const fw::ScriptCall& call) -> fw::String {
        if (call.script == 171 && clicksInside < 2) {
            ++clicksInside;
            ClickWidget(*button_);
        }
        return call.script == 168 ? kSelection : fw::String();
    });
    Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks_->count(), 3);
    ExpectOneWholeRun();
}

}  // namespace
