#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "RecordingWindow.h"
#include "framework/gui/MenuBar.h"
#include "framework/gui/QuitMenuItem.h"
#include "framework/gui/Runtime.h"
#include "framework/runtime/Dispatcher.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/runtime/RuntimeException.h"
#include "support/GuiRuntimeTest.h"

namespace {

template <class T = fw::MenuItem>
fw::Ref<T> MakeItem(const std::string& name, const std::string& text,
                    const std::string& shortcut = "") {
    auto item = std::make_shared<T>();
    item->Constructor();
    item->SetName(name);
    item->SetText(text);
    item->SetKeyboardShortcut(shortcut);
    return item;
}

class MenuTest : public GuiRuntimeTest {
  protected:
    void SetUp() override {
        GuiRuntimeTest::SetUp();
        bar_ = std::make_shared<fw::MenuBar>();
        bar_->Append(MakeItem("FileMenu", "ファイル"));
        bar_->Child("FileMenu")->Append(MakeItem<fw::QuitMenuItem>("FileQuit", "終了", "Cmd+Q"));
        bar_->Append(MakeItem("EditMenu", "編集"));
        bar_->Child("EditMenu")->Append(MakeItem("EditUndo", "元に戻す", "Cmd+Z"));
        bar_->Child("EditMenu")->Append(MakeItem("UntitledMenu1", "-"));
    }

    fw::Ref<fw::MenuBar> bar_;
};

TEST_F(MenuTest, ChildFindsOnlyDirectChildrenAndLookupAnyDepth) {
    EXPECT_EQ(bar_->Child("EditUndo"), nullptr);
    auto undo = bar_->Lookup("EditUndo");
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->Text(), "元に戻す");
    EXPECT_EQ(undo->Parent(), bar_->Child("EditMenu").get());
    EXPECT_EQ(bar_->Lookup("EditRedo"), nullptr);
    EXPECT_EQ(bar_->Count(), 2);
    EXPECT_EQ(bar_->Item(2), nullptr);
}

TEST_F(MenuTest, ItemsDrawAsActionsWithShortcutsAndSeparators) {
    QAction* quit = bar_->Lookup("FileQuit")->Action();
    EXPECT_EQ(quit->text(), QString("終了"));
    EXPECT_EQ(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(quit->isEnabled());
    QAction* separator = bar_->Lookup("UntitledMenu1")->Action();
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_TRUE(separator->text().isEmpty()) << "a bare line, not a titled section";
    EXPECT_EQ(bar_->Lookup("UntitledMenu1")->Text(), "-");
    EXPECT_TRUE(bar_->Child("FileMenu")->Action()->shortcut().isEmpty());
    QMenu* file = bar_->Child("FileMenu")->Action()->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->actions(), QList<QAction*>{quit});
}

TEST_F(MenuTest, AnUnreadableShortcutIsRefusedAndTheOldOneKept) {
    auto undo = bar_->Lookup("EditUndo");
    EXPECT_THROW(undo->SetKeyboardShortcut("Cmd+"), fw::RuntimeException);
    EXPECT_EQ(undo->KeyboardShortcut(), "Cmd+Z");
    EXPECT_EQ(undo->Action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
}

TEST_F(MenuTest, AutoEnableOffDisablesTheItem) {
    auto undo = bar_->Lookup("EditUndo");
    undo->SetAutoEnable(false);
    EXPECT_FALSE(undo->Action()->isEnabled());
}

TEST_F(MenuTest, AppendRefusesWhatWouldBreakTheTreeAndChangesNothing) {
    auto edit = bar_->Child("EditMenu");
    EXPECT_THROW(edit->Append(nullptr), fw::NilObjectException);
    EXPECT_THROW(edit->Append(bar_->Lookup("EditUndo")), fw::RuntimeException);
    EXPECT_THROW(edit->Append(std::make_shared<fw::MenuItem>()), fw::RuntimeException);
    EXPECT_THROW(bar_->Lookup("EditUndo")->Append(edit), fw::RuntimeException);
    EXPECT_EQ(edit->Count(), 2);
}

TEST_F(MenuTest, AnItemThatOutlivesItsMenuHasNoParentAndCanGoIntoAnother) {
    auto undo = bar_->Lookup("EditUndo");
    bar_.reset();
    EXPECT_EQ(undo->Parent(), nullptr);
    auto other = MakeItem("OtherMenu", "その他");
    other->Append(undo);
    EXPECT_EQ(undo->Parent(), other.get());
    EXPECT_EQ(other->Action()->menu()->actions(), QList<QAction*>{undo->Action()});
}

TEST_F(MenuTest, OneBarShowsInTwoWindowsAndLaterMenusReachBoth) {
    auto first = BuildRecordingWindow();
    auto second = BuildRecordingWindow();
    first->SetMenuBar(bar_);
    second->SetMenuBar(bar_);
    bar_->Append(MakeItem("HelpMenu", "ヘルプ"));
    for (const auto& window : {first, second}) {
        QList<QAction*> tops = window->MenuBarWidget()->actions();
        ASSERT_EQ(tops.size(), 3);
        EXPECT_EQ(tops[0]->text(), QString("ファイル"));
        EXPECT_EQ(tops[2]->text(), QString("ヘルプ"));
    }
    first->SetMenuBar(nullptr);
    EXPECT_TRUE(first->MenuBarWidget()->actions().isEmpty());
    EXPECT_EQ(second->MenuBarWidget()->actions().size(), 3);
}

TEST_F(MenuTest, QuitClosesTheWindowsFirstThenEndsWithZero) {
    auto window = BuildRecordingWindow();
    window->SetMenuBar(bar_);
    bar_->Lookup("FileQuit")->Action()->trigger();
    EXPECT_EQ(window->events.back(), "Close");
    EXPECT_FALSE(window->IsOpen());
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(MenuTest, AQuitChosenWhileAHandlerRunsIsCarriedOutOnceWhenItEnds) {
    auto window = BuildRecordingWindow();
    bool quitInHandler = true;
    fw::DispatchEvent([&] {
        bar_->Lookup("FileQuit")->Action()->trigger();
        bar_->Lookup("FileQuit")->Action()->trigger();
        quitInHandler = fw::QuitRequested() || !window->IsOpen();
    });
    EXPECT_FALSE(quitInHandler);
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(std::count(window->events.begin(), window->events.end(), "Close"), 1);
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(MenuTest, ARefusedCloseStopsTheQuit) {
    auto window = BuildRecordingWindow();
    window->refuseClose = true;
    bar_->Lookup("FileQuit")->Action()->trigger();
    EXPECT_TRUE(window->IsOpen());
    EXPECT_FALSE(fw::QuitRequested());
}

TEST_F(MenuTest, PlainItemsDoNothingWhenChosen) {
    auto window = BuildRecordingWindow();
    bar_->Lookup("EditUndo")->Action()->trigger();
    EXPECT_TRUE(window->IsOpen());
    EXPECT_FALSE(fw::QuitRequested());
}

}  // namespace
