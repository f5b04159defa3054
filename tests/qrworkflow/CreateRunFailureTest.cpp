#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CreateRunTest.h"
#include "ImageAnswerCases.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/runtime/RuntimeException.h"

namespace {

const std::string& I = kItemSeparator;

std::string Item(const std::string& text) { return SelectionItem(text, "x", "y"); }

// An exception ends the run where it is raised: the default handling reports it, the status
// line keeps its text, and the next click runs again.
TEST_F(CreateRunTest, AnExceptionFromGetcontentsLeavesTheStatusLineAndPlacesNothing) {
    EnterWidget(*palette_->POP1(2)->Widget());
    const std::string help = SettingHelpText(2);
    host_->AnswerWith([](const fw::ScriptCall&) -> fw::String {
        throw fw::RuntimeException("the host is gone");
    });
    Click();
    EXPECT_EQ(unhandled_.All(), (std::vector<std::string>{"RuntimeException: the host is gone"}));
    EXPECT_EQ(palette_->ST1()->Text(), help);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{help})) << "only the hover's";
    EXPECT_EQ(RunCalls().size(), 1u);
    EXPECT_THAT(TempFiles(), ::testing::IsEmpty());

    host_->AnswerWith({});
    host_->Answer(168, Item("A"));
    Click();
    EXPECT_EQ(unhandled_.All().size(), 1u);
    EXPECT_EQ(RunCalls().size(), 3u);
    EXPECT_EQ(palette_->ST1()->Text(), kIdleText);
}

TEST_F(CreateRunTest, AnExceptionFromAPlacingEndsTheRunThere) {
    int placings = 0;
    host_->AnswerWith([&](const fw::ScriptCall& call) -> fw::String {
        if (call.script == 168) return Item("A") + I + Item("B") + I + Item("C");
        if (call.script == 171 && ++placings == 2) throw fw::RuntimeException("cannot place");
        return {};
    });
    Click();
    EXPECT_EQ(unhandled_.All(), (std::vector<std::string>{"RuntimeException: cannot place"}));
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"A", kPlacingText, "B"}));
    EXPECT_EQ(placings, 2);
    EXPECT_EQ(TempFiles(), (std::vector<std::string>{"temp_0.png", "temp_1.png"}))
        << "no download for the item after it";
}

TEST_F(CreateRunTest, AFolderTempThatCannotBeReferredToEndsTheRunAtTheFirstItem) {
    fw::SetDefaultFolder("");
    host_->Answer(168, Item("A") + I + Item("B"));
    Click();
    ASSERT_EQ(unhandled_.All().size(), 1u);
    EXPECT_THAT(unhandled_.All()[0], ::testing::StartsWith("NilObjectException: "));
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(RunCalls().size(), 1u);
}

// A palette without its popups: the run has fetched the selection, then stops at the
// settings before it shows or downloads anything.
TEST_F(CreateRunTest, AMissingPopupRaisesNilObjectExceptionAfterTheSelectionIsFetched) {
    host_->Answer(168, Item("A"));
    fw::Ref<Window1> bare = fw::RuntimeNewObject<Window1>();
    try {
        bare->makeqr_Action(*palette_->makeqr());
        ADD_FAILURE() << "no exception";
    } catch (const fw::NilObjectException& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("POP1(0)"));
    }
    EXPECT_EQ(RunCalls().size(), 1u);
    EXPECT_THAT(Statuses(), ::testing::IsEmpty());
    EXPECT_THAT(TempFiles(), ::testing::IsEmpty());
}

// A chart server that answers 200 with something other than an image: the item is skipped
// like any failed download, so the host is never asked to place it and "セット中" never shows.
class CreateRunImageAnswerTest : public CreateRunTest,
                                 public ::testing::WithParamInterface<ImageAnswerCase> {};

TEST_P(CreateRunImageAnswerTest, HandsOnlyAPngToTheHost) {
    vemo_test::ScriptedServer server(
        {{vemo_test::ReadRequest(), vemo_test::Send(GetParam().answer)}});
    UseChartHost(server.HostAndPort());
    host_->Answer(168, Item("A"));
    Click();
    EXPECT_THAT(unhandled_.All(), ::testing::IsEmpty());
    EXPECT_EQ(server.ConnectionsAccepted(), 1);
    if (GetParam().isImage) {
        ASSERT_EQ(host_->CallsOf(171).size(), 1u);
        EXPECT_EQ(fw::VariantToString(host_->CallsOf(171)[0].arguments.at(0)),
                  TempImagePath("temp_0.png"));
        EXPECT_EQ(Statuses(), (std::vector<std::string>{"A", kPlacingText, kIdleText}));
    } else {
        EXPECT_THAT(host_->CallsOf(171), ::testing::IsEmpty());
        EXPECT_EQ(Statuses(), (std::vector<std::string>{"A", kIdleText}));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, CreateRunImageAnswerTest, ::testing::ValuesIn(ImageAnswerCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
