#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>
#include <tuple>
#include <vector>

#include "framework/runtime/RuntimeException.h"
#include "shell/PaletteTest.h"
#include "support/RecordingScriptHost.h"

namespace {

using Log = std::vector<std::string>;

// The built palette with a recording host that names the frontmost application.
class WatchTest : public PaletteTest {
  protected:
    // One tick, raised as the timer raises it; false when no handler ran.
    bool Tick() { return palette_->Timer1()->RaiseEvent("Action"); }

    void ExpectShown(bool shown) {
        EXPECT_EQ(palette_->Visible(), shown);
        EXPECT_EQ(palette_->Widget()->isVisible(), shown);
    }

    vemo_test::RecordingScriptHostScope host_;
};

struct NameCase {
    const char* label;
    const char* name;
    bool shows;
};

void PrintTo(const NameCase& name, std::ostream* out) { *out << name.label; }

class WatchNameTest : public WatchTest,
                      public ::testing::WithParamInterface<std::tuple<NameCase, bool>> {};

TEST_P(WatchNameTest, ShowsOnlyForTheTwoWholeNamesWhateverItWasBefore) {
    const auto& [name, shownBefore] = GetParam();
    host_->Answer(169, name.name);
    palette_->SetVisible(shownBefore);
    ASSERT_TRUE(Tick()) << "the watch is attached to Timer1's Action";
    ExpectShown(name.shows);
    EXPECT_EQ(host_->Log(), Log{"ScriptFunction(169)"}) << "one call, without arguments";
    EXPECT_TRUE(unhandled_.All().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, WatchNameTest,
    ::testing::Combine(::testing::Values(NameCase{"Empty", "", false},
                                         NameCase{"Illustrator", "Illustrator", true},
                                         NameCase{"OwnName", "Vemoコード", true},
                                         NameCase{"VendorBefore", "Adobe Illustrator", false},
                                         NameCase{"VersionAfter", "Illustrator CS5", false},
                                         NameCase{"LeadingBlank", " Illustrator", false},
                                         NameCase{"TrailingLineEnd", "Illustrator\n", false},
                                         NameCase{"LowerCase", "illustrator", false},
                                         NameCase{"OwnNameShortened", "Vemo", false},
                                         NameCase{"Finder", "Finder", false}),
                       ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).label) +
               (std::get<1>(info.param) ? "_FromShown" : "_FromHidden");
    });

// Qt's widget changed behind the framework's back shows whether a tick set Visible again.
TEST_F(WatchTest, EveryTickSetsVisibleAlsoWhenItHoldsThatValueAlready) {
    host_->Answer(169, "Illustrator");
    palette_->Widget()->hide();
    ASSERT_TRUE(palette_->Visible());
    ASSERT_TRUE(Tick());
    ExpectShown(true);

    host_->Answer(169, "Finder");
    palette_->SetVisible(false);
    palette_->Widget()->show();
    ASSERT_TRUE(Tick());
    ExpectShown(false);
}

TEST_F(WatchTest, EveryTickAsksTheHostAfresh) {
    host_->Answer(169, "Finder");
    for (int tick = 0; tick < 3; ++tick) ASSERT_TRUE(Tick());
    EXPECT_EQ(host_->CallsOf(169).size(), 3u);
    ExpectShown(false);
}

TEST_F(WatchTest, ActsOnThePaletteThatTheAccessorGives) {
    fw::Ref<Window1> unbuilt = fw::RuntimeNewObject<Window1>();
    host_->Answer(169, "Finder");
    unbuilt->Timer1_Action(*palette_->Timer1());
    ExpectShown(false);
    EXPECT_TRUE(unbuilt->Visible()) << "the window that ran the handler is not the one set";
}

TEST_F(WatchTest, AHostThatThrowsEndsTheTickWithThePaletteAsItWas) {
    host_->AnswerWith([](const fw::ScriptCall&) -> fw::String {
        throw fw::RuntimeException("script 169 broke");
    });
    for (bool shown : {true, false}) {
        palette_->SetVisible(shown);
        ASSERT_TRUE(Tick());
        ExpectShown(shown);
    }
    EXPECT_EQ(unhandled_.All(),
              (Log{"RuntimeException: script 169 broke", "RuntimeException: script 169 broke"}));
}

TEST_F(WatchTest, RealTicksHideThePaletteAndShowItAgain) {
    std::string front = "Finder";
    host_->AnswerWith([&](const fw::ScriptCall&) { return front; });
    QWidget& widget = *palette_->Widget();
    ASSERT_TRUE(widget.isVisible());

    EXPECT_TRUE(QTest::qWaitFor([&] { return !widget.isVisible(); }, 3000));
    EXPECT_FALSE(palette_->Visible());
    EXPECT_TRUE(palette_->Timer1()->Running()) << "the timer goes on while the palette is hidden";

    front = "Vemoコード";
    EXPECT_TRUE(QTest::qWaitFor([&] { return widget.isVisible(); }, 3000));
    EXPECT_TRUE(palette_->Visible());
    EXPECT_GE(host_->CallsOf(169).size(), 2u);
    EXPECT_TRUE(unhandled_.All().empty());
}

}  // namespace
