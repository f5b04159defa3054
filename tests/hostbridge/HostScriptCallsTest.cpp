#include "hostbridge/HostScriptCalls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/runtime/BackgroundTask.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/runtime/RuntimeException.h"
#include "support/RecordingScriptHost.h"

namespace {

using Log = std::vector<std::string>;
using List = fw::Ref<const HostScriptArgumentList>;

// One of the four calls, seen alike: the calls without a result give the empty text.
struct HostCall {
    const char* name;
    std::int32_t script;
    bool withResult;
    std::function<fw::String(const List&)> call;
};

void PrintTo(const HostCall& call, std::ostream* out) { *out << call.name; }

const HostCall kGetContents{"getcontents", 168, true, getcontents};
const HostCall kFrontAppli{"frontAppli", 169, true, frontAppli};
const HostCall kAcctiveMyApp{"acctivemyapp", 170, false, [](const List& arguments) {
                                 acctivemyapp(arguments);
                                 return fw::String();
                             }};
const HostCall kSetQRCode{"setqrcode", 171, true, setqrcode};

// Records the script operations, with every yield to the framework among them.
class HostScriptCallsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previousTask_ = fw::SetBackgroundTask([this] { host_->Note("RuntimeBackgroundTask"); });
    }
    void TearDown() override { fw::SetBackgroundTask(previousTask_); }

    vemo_test::RecordingScriptHostScope host_;
    std::function<void()> previousTask_;
};

class EachCallTest : public HostScriptCallsTest, public ::testing::WithParamInterface<HostCall> {
  protected:
    std::string Complete() const {
        return std::string(GetParam().withResult ? "CompleteParamScriptFunction"
                                                 : "CompleteParamScriptExecute") +
               "(1)";
    }
};

TEST_P(EachCallTest, AnEmptyListRunsTheScriptWithoutArguments) {
    const HostCall& call = GetParam();
    call.call(NewHostScriptArgumentList());
    const std::string road = call.withResult ? "ScriptFunction" : "ScriptExecute";
    EXPECT_EQ(host_->Log(), Log{road + "(" + fw::Str(call.script) + ")"});
    EXPECT_EQ(
        host_->Calls(),
        (std::vector<fw::ScriptCall>{{.script = call.script, .withResult = call.withResult}}));
}

TEST_P(EachCallTest, OneIntegerGoesAsAnIntegerThenTheCallRuns) {
    const HostCall& call = GetParam();
    call.call(NewHostScriptArgumentList({5}));
    EXPECT_EQ(host_->Log(),
              (Log{"StartParamScript(" + fw::Str(call.script) + ")", "AddIntegerScriptParam(1, 5)",
                   "RuntimeBackgroundTask", Complete()}));
}

TEST_P(EachCallTest, TextsGoAsTextsHoweverTheyRead) {
    const HostCall& call = GetParam();
    call.call(NewHostScriptArgumentList({"5", "-12", ""}));
    EXPECT_EQ(
        host_->Log(),
        (Log{"StartParamScript(" + fw::Str(call.script) + ")", "AddStringScriptParam(1, \"5\")",
             "RuntimeBackgroundTask", "AddStringScriptParam(1, \"-12\")", "RuntimeBackgroundTask",
             "AddStringScriptParam(1, \"\")", "RuntimeBackgroundTask", Complete()}));
}

TEST_P(EachCallTest, AMissingListRaisesBeforeAnyScriptOperation) {
    EXPECT_THROW(GetParam().call(nullptr), fw::NilObjectException);
    EXPECT_TRUE(host_->Log().empty());
}

TEST_P(EachCallTest, AnExceptionOfTheHostReachesTheCaller) {
    host_->AnswerWith([](const fw::ScriptCall&) -> fw::String {
        throw fw::RuntimeException("the host went away");
    });
    EXPECT_THROW(GetParam().call(NewHostScriptArgumentList()), fw::RuntimeException);
    EXPECT_THROW(GetParam().call(NewHostScriptArgumentList({"x"})), fw::RuntimeException);
}

INSTANTIATE_TEST_SUITE_P(Calls, EachCallTest,
                         ::testing::Values(kGetContents, kFrontAppli, kAcctiveMyApp, kSetQRCode),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostScriptCallsTest, SetqrcodeGivesItsThreeTextsInListOrder) {
    setqrcode(NewHostScriptArgumentList({"/home/u/.cache/vemo/temp/temp_0.png", "120", "80"}));
    EXPECT_EQ(host_->Log(), (Log{"StartParamScript(171)",
                                 "AddStringScriptParam(1, \"/home/u/.cache/vemo/temp/temp_0.png\")",
                                 "RuntimeBackgroundTask", "AddStringScriptParam(1, \"120\")",
                                 "RuntimeBackgroundTask", "AddStringScriptParam(1, \"80\")",
                                 "RuntimeBackgroundTask", "CompleteParamScriptFunction(1)"}));
    EXPECT_EQ(host_->CallsOf(171),
              (std::vector<fw::ScriptCall>{
                  {.script = 171,
                   .arguments = {"/home/u/.cache/vemo/temp/temp_0.png", "120", "80"},
                   .withResult = true}}));
}

TEST_F(HostScriptCallsTest, EachValueGoesByItsOwnTypeCode) {
    setqrcode(NewHostScriptArgumentList({"a", 7, "7", -2147483647 - 1}));
    EXPECT_EQ(host_->Calls().at(0).arguments,
              (std::vector<fw::Variant>{"a", 7, "7", -2147483647 - 1}));
}

TEST_F(HostScriptCallsTest, ResultsComeBackUnchanged) {
    const fw::String selection = " A<Mipo2011>x \r\n<Mipo2011>y\t<Mipo2011br>\n\n";
    host_->Answer(168, selection);
    host_->Answer(169, "  Illustrator \r\n");
    host_->Answer(171, "placed\n");
    EXPECT_EQ(getcontents(NewHostScriptArgumentList()), selection);
    EXPECT_EQ(frontAppli(NewHostScriptArgumentList()), "  Illustrator \r\n");
    EXPECT_EQ(setqrcode(NewHostScriptArgumentList({"/p.png", "1", "2"})), "placed\n");
    host_->Answer(169, "");
    EXPECT_EQ(frontAppli(NewHostScriptArgumentList()), "");
}

TEST_F(HostScriptCallsTest, EveryCallStartsItsOwnPreparedCall) {
    setqrcode(NewHostScriptArgumentList({"a"}));
    setqrcode(NewHostScriptArgumentList({"b"}));
    EXPECT_EQ(host_->Log().at(4), "StartParamScript(171)");
    EXPECT_EQ(host_->Log().at(5), "AddStringScriptParam(2, \"b\")");
    EXPECT_EQ(host_->CallsOf(171).size(), 2u);
}

}  // namespace
