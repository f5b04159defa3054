#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "RecordingWindow.h"
#include "framework/design/DesignRecordWriter.h"
#include "framework/design/SetProperties.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/PluginEntrypoints.h"
#include "framework/gui/PopupMenu.h"
#include "framework/gui/StaticText.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/runtime/RuntimeException.h"
#include "support/GuiRuntimeTest.h"
#include "support/WidgetLookup.h"

namespace {

// A window with whatever controls a test adds to it, and a handler that notes its senders.
class ControlsTest : public GuiRuntimeTest {
  protected:
    void SetUp() override {
        GuiRuntimeTest::SetUp();
        fw::InitPluginEntrypoints();
        window_ = BuildRecordingWindow();
    }

    template <class T>
    fw::Ref<T> Add(const std::string& name, std::int32_t index = fw::Control::kNoIndex) {
        auto control = window_->New<T>();
        control->SetIndex(index);
        control->Constructor();
        window_->AddControl(name, control);
        return control;
    }

    fw::EventHandler NoteSender() {
        return [this](fw::Control& sender) {
            senders_.push_back(fw::ControlObjectName(sender.Name(), sender.Index()));
        };
    }

    fw::Ref<RecordingWindow> window_;
    std::vector<std::string> senders_;
};

TEST_F(ControlsTest, WidgetsAreNamedAfterTheirControls) {
    Add<fw::PopupMenu>("POP1", 1);
    Add<fw::BevelButton>("makeqr");
    EXPECT_NE(FindWidgetAs<QComboBox>("POP1(1)"), nullptr);
    EXPECT_NE(FindWidgetAs<QPushButton>("makeqr"), nullptr);
}

TEST_F(ControlsTest, LookupByNameAndByNameAndIndexGivesNilWhenAbsent) {
    auto button = Add<fw::BevelButton>("makeqr");
    auto element = Add<fw::PopupMenu>("POP1", 2);
    EXPECT_EQ(window_->ControlByName("makeqr"), button);
    EXPECT_EQ(window_->ControlByNameIndex("POP1", 2), element);
    EXPECT_EQ(window_->ControlByNameIndex("POP1", 0), nullptr);
    EXPECT_EQ(window_->ControlByName("POP1"), nullptr) << "an element needs its index";
    EXPECT_EQ(window_->ControlByName("ST1"), nullptr);
    EXPECT_EQ(button->Index(), fw::Control::kNoIndex);
    EXPECT_EQ(button->Window(), window_);
}

TEST_F(ControlsTest, ATakenNameAndIndexOrAnUnbuiltControlIsRefused) {
    Add<fw::PopupMenu>("POP1", 0);
    auto twin = window_->New<fw::PopupMenu>();
    twin->SetIndex(0);
    twin->Constructor();
    EXPECT_THROW(window_->AddControl("POP1", twin), fw::RuntimeException);
    EXPECT_THROW(window_->AddControl("ST1", window_->New<fw::StaticText>()), fw::RuntimeException);
    EXPECT_THROW(window_->AddControl("ST1", nullptr), fw::NilObjectException);
    EXPECT_EQ(window_->Controls().size(), 1u);
}

TEST_F(ControlsTest, ButtonClickRaisesActionWithTheButton) {
    auto button = Add<fw::BevelButton>("makeqr");
    fw::InstallInstanceEventHandler(*button, "Action", NoteSender());
    ClickWidget(*button->Widget());
    EXPECT_EQ(senders_, std::vector<std::string>{"makeqr"});
}

TEST_F(ControlsTest, MouseEnterIsRaisedWithTheEnteredElement) {
    auto first = Add<fw::PopupMenu>("POP1", 0);
    auto second = Add<fw::StaticText>("ST2", 1);
    fw::InstallInstanceEventHandler(*first, "MouseEnter", NoteSender());
    fw::InstallInstanceEventHandler(*second, "MouseEnter", NoteSender());
    EnterWidget(*second->Widget());
    EnterWidget(*first->Widget());
    EXPECT_EQ(senders_, (std::vector<std::string>{"ST2(1)", "POP1(0)"}));
}

TEST_F(ControlsTest, EnteringAControlWithoutHandlerRaisesNothing) {
    auto label = Add<fw::StaticText>("ST1");
    EnterWidget(*label->Widget());
    EXPECT_TRUE(senders_.empty());
    EXPECT_TRUE(unhandled_.All().empty());
}

TEST_F(ControlsTest, BindingAnEventTheClassLacksIsAnError) {
    auto label = Add<fw::StaticText>("ST1");
    EXPECT_THROW(fw::InstallInstanceEventHandler(*label, "Action", NoteSender()),
                 fw::RuntimeException);
    EXPECT_THROW(fw::InstallInstanceEventHandler(*label, "MouseEnter", nullptr),
                 fw::NilObjectException);
}

TEST_F(ControlsTest, AHandlerRunsOnItsReceiverAndDoesNothingOnceItIsGone) {
    auto receiver = BuildRecordingWindow();
    auto button = Add<fw::BevelButton>("makeqr");
    fw::InstallInstanceEventHandler(
        *button, "Action", fw::RuntimeCreateDelegate(*receiver, &RecordingWindow::NoteSender));
    ClickWidget(*button->Widget());
    EXPECT_EQ(receiver->events.back(), "Sender makeqr");

    std::weak_ptr<RecordingWindow> gone = receiver;
    receiver->Close();
    receiver.reset();
    fw::ReleaseSharedObjects();
    ASSERT_TRUE(gone.expired());
    ClickWidget(*button->Widget());
    EXPECT_TRUE(unhandled_.All().empty());
}

struct ListIndexCase {
    const char* label;
    std::int32_t row;
    std::int32_t selected;
};

class PopupListIndexTest : public ControlsTest,
                           public ::testing::WithParamInterface<ListIndexCase> {};

TEST_P(PopupListIndexTest, SelectsANamedRowAndOtherwiseKeepsItsRow) {
    auto popup = Add<fw::PopupMenu>("POP1", 1);
    popup->SetInitialValue("L - 7%\rM - 15%\rQ - 25%\rH - 30%");
    popup->SetListIndex(2);
    popup->SetListIndex(GetParam().row);
    EXPECT_EQ(popup->ListIndex(), GetParam().selected);
    EXPECT_EQ(popup->Text(), popup->List(GetParam().selected));
}

INSTANTIATE_TEST_SUITE_P(Rows, PopupListIndexTest,
                         ::testing::Values(ListIndexCase{"First", 0, 0},
                                           ListIndexCase{"Last", 3, 3},
                                           ListIndexCase{"PastTheEnd", 4, 2},
                                           ListIndexCase{"MinusOne", -1, 2},
                                           ListIndexCase{"Huge", 2147483647, 2}),
                         [](const auto& info) { return info.param.label; });

TEST_F(ControlsTest, PopupRowsComeFromCarriageReturnSeparatedText) {
    auto popup = Add<fw::PopupMenu>("POP1", 0);
    popup->SetInitialValue("Shift_JIS\rUTF-8\rISO-8859-1");
    EXPECT_EQ(popup->ListCount(), 3);
    EXPECT_EQ(popup->List(2), "ISO-8859-1");
    EXPECT_EQ(popup->ListIndex(), 0);
    EXPECT_EQ(popup->Text(), "Shift_JIS");
    popup->SetInitialValue("");
    EXPECT_EQ(popup->ListCount(), 0);
    EXPECT_EQ(popup->ListIndex(), -1);
    EXPECT_EQ(popup->Text(), "");
}

TEST_F(ControlsTest, TextSizeIsAPixelSize) {
    auto label = Add<fw::StaticText>("ST1");
    label->SetTextSize(10);
    label->SetTextUnit(0);
    EXPECT_EQ(label->Widget()->font().pixelSize(), 10);
    EXPECT_FLOAT_EQ(label->TextSize(), 10);
    label->SetTextUnit(2);
    EXPECT_DOUBLE_EQ(label->Widget()->font().pointSizeF(), 10);
    EXPECT_THROW(label->SetTextUnit(5), fw::RuntimeException);
    EXPECT_EQ(label->TextUnit(), 2);
}

TEST_F(ControlsTest, ButtonPropertiesNeedThePluginEntryPoints) {
    auto button = Add<fw::BevelButton>("makeqr");
    fw::ClearPluginEntrypoints();
    try {
        button->SetTextUnit(0);
        FAIL() << "the text unit was set without the entry points";
    } catch (const fw::RuntimeException& e) {
        EXPECT_NE(std::string(e.what()).find("BevelButton.TextUnit.Set"), std::string::npos)
            << e.what();
    }
    fw::InitPluginEntrypoints();
    button->SetTextSize(10);
    button->SetTextUnit(0);
    button->SetCaption("QRCODE作成");
    EXPECT_EQ(button->Caption(), "QRCODE作成");
    EXPECT_EQ(static_cast<QPushButton*>(button->Widget())->text(), QString("QRCODE作成"));
    EXPECT_EQ(button->Widget()->font().pixelSize(), 10);
}

TEST_F(ControlsTest, MultilineLabelsWrap) {
    auto label = Add<fw::StaticText>("ST1");
    EXPECT_FALSE(label->Multiline());
    label->SetMultiline(true);
    EXPECT_TRUE(static_cast<QLabel*>(label->Widget())->wordWrap());
}

TEST_F(ControlsTest, TabOrderFollowsTabIndexAndSkipsLabels) {
    auto popup = Add<fw::PopupMenu>("POP1", 0);
    auto label = Add<fw::StaticText>("ST1");
    auto button = Add<fw::BevelButton>("makeqr");
    popup->SetTabIndex(2);
    label->SetTabIndex(1);
    button->SetTabIndex(0);
    EXPECT_EQ(label->Widget()->focusPolicy(), Qt::NoFocus);
    QWidget* next = button->Widget()->nextInFocusChain();
    while (next != popup->Widget() && next->focusPolicy() == Qt::NoFocus) {
        next = next->nextInFocusChain();
    }
    EXPECT_EQ(next, popup->Widget());
}

// The widget is deleted once, by whichever goes first: its control or the widget it is placed on.
TEST_F(ControlsTest, AWidgetDeletedWithItsParentIsNotDeletedAgainByItsControl) {
    auto label = window_->New<fw::StaticText>();
    label->Constructor();
    auto parent = std::make_unique<QWidget>();
    label->Widget()->setParent(parent.get());
    parent.reset();
    EXPECT_EQ(label->Widget(), nullptr);
    EXPECT_FALSE(label->IsConstructed());
    EXPECT_THROW(label->SetText("x"), fw::RuntimeException);
}

TEST_F(ControlsTest, ARecordWithAnUnknownEntryChangesNothing) {
    auto label = Add<fw::StaticText>("ST1");
    label->SetText("idle");
    std::string record =
        fw::DesignRecordWriter().Text("Text", "changed").Int32("Caption", 1).Bytes();
    EXPECT_THROW(fw::SetProperties(*label, record), fw::RuntimeException);
    EXPECT_EQ(label->Text(), "idle");
}

TEST_F(ControlsTest, ControlsBeforeTheirConstructorAreRefusedWithTheirName) {
    auto label = window_->New<fw::StaticText>();
    label->SetName("ST1");
    try {
        label->SetText("x");
        FAIL() << "an unbuilt label took a text";
    } catch (const fw::RuntimeException& e) {
        EXPECT_NE(std::string(e.what()).find("ST1"), std::string::npos) << e.what();
    }
}

}  // namespace
