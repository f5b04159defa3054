#include "shell/MenuBar1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>

#include "PaletteTest.h"
#include "framework/gui/Application.h"
#include "framework/gui/QuitMenuItem.h"
#include "framework/runtime/NilObjectException.h"

namespace {

struct ItemCase {
    const char* name;
    const char* parent;  // "" for the bar
    std::int32_t position;
    const char* text;
    const char* shortcut;  // nullptr: never set
    QKeySequence keys;
    bool quits;
    fw::Ref<fw::MenuItem> (Window1::*accessor)() const;
};

class MenuBar1ItemTest : public PaletteTest, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(MenuBar1ItemTest, StandsInItsPlaceWithItsTextAndShortcut) {
    const ItemCase& expected = GetParam();
    auto bar = MenuBar1::ImplicitInstance();
    auto item = bar->Lookup(expected.name);
    ASSERT_NE(item, nullptr);
    fw::MenuItem* parent = *expected.parent ? bar->Lookup(expected.parent).get() : bar.get();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(item->Parent(), parent);
    EXPECT_EQ(parent->Item(expected.position), item);
    EXPECT_EQ(item->Text(), expected.text);
    EXPECT_EQ(item->KeyboardShortcut(), expected.shortcut ? expected.shortcut : "");
    EXPECT_EQ(item->Action()->shortcut(), expected.keys);
    EXPECT_TRUE(item->AutoEnable());
    EXPECT_TRUE(item->Action()->isEnabled());
    EXPECT_EQ(item->Action()->isSeparator(), std::string(expected.text) == "-");
    const fw::ClassRecord& expectedClass =
        expected.quits ? fw::QuitMenuItem::ClassInfo() : fw::MenuItem::ClassInfo();
    EXPECT_EQ(&item->ClassOf(), &expectedClass);
    if (expected.accessor) {
        EXPECT_EQ(((*palette_).*expected.accessor)(), item);
    } else {
        EXPECT_EQ(palette_->FileQuit(), item);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuBar1ItemTest,
    ::testing::Values(
        ItemCase{"FileMenu", "", 0, "ファイル", "", {}, false, &Window1::FileMenu},
        ItemCase{"FileQuit", "FileMenu", 0, "終了", "Cmd+Q", QKeySequence(Qt::CTRL | Qt::Key_Q),
                 true, nullptr},
        ItemCase{"EditMenu", "", 1, "編集", "", {}, false, &Window1::EditMenu},
        ItemCase{"EditUndo", "EditMenu", 0, "元に戻す", "Cmd+Z", QKeySequence(Qt::CTRL | Qt::Key_Z),
                 false, &Window1::EditUndo},
        ItemCase{"UntitledMenu1", "EditMenu", 1, "-", nullptr, {}, false, &Window1::UntitledMenu1},
        ItemCase{"EditCut", "EditMenu", 2, "カット", "Cmd+X", QKeySequence(Qt::CTRL | Qt::Key_X),
                 false, &Window1::EditCut},
        ItemCase{"EditCopy", "EditMenu", 3, "コピー", "Cmd+C", QKeySequence(Qt::CTRL | Qt::Key_C),
                 false, &Window1::EditCopy},
        ItemCase{"EditPaste", "EditMenu", 4, "貼り付け", "Cmd+V",
                 QKeySequence(Qt::CTRL | Qt::Key_V), false, &Window1::EditPaste},
        ItemCase{"EditClear", "EditMenu", 5, "削除", "", {}, false, &Window1::EditClear},
        ItemCase{"UntitledMenu0", "EditMenu", 6, "-", nullptr, {}, false, &Window1::UntitledMenu0},
        ItemCase{"EditSelectAll", "EditMenu", 7, "すべてを選択", "Cmd+A",
                 QKeySequence(Qt::CTRL | Qt::Key_A), false, &Window1::EditSelectAll}),
    [](const auto& info) { return info.param.name; });

TEST_F(PaletteTest, TheBarHasTwoTopMenusWithOneAndEightItems) {
    auto bar = MenuBar1::ImplicitInstance();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Item(0)->Count(), 1);
    EXPECT_EQ(bar->Item(1)->Count(), 8);
    QList<QAction*> shown = palette_->MenuBarWidget()->actions();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0]->text(), QString("ファイル"));
    EXPECT_EQ(shown[1]->text(), QString("編集"));
    ASSERT_NE(shown[1]->menu(), nullptr);
    EXPECT_EQ(shown[1]->menu()->actions().size(), 8);
}

TEST_F(PaletteTest, TheMenuBarIsBuiltOnceAndReleasedByTheExitHook) {
    auto first = MenuBar1::Instance();
    EXPECT_EQ(MenuBar1::Instance(), first);
    EXPECT_EQ(first->Count(), 2) << "a second request builds nothing again";
    std::weak_ptr<MenuBar1> held = first;
    first.reset();
    palette_->SetMenuBar(nullptr);
    fw::AppObject()->SetMenuBar(nullptr);
    MenuBar1::ImplicitInstanceExit();
    EXPECT_EQ(MenuBar1::ImplicitInstance(), nullptr);
    EXPECT_TRUE(held.expired());
}

TEST_F(PaletteTest, MenuAccessorsNeedAMenuBar) {
    palette_->SetMenuBar(nullptr);
    EXPECT_THROW(palette_->EditUndo(), fw::NilObjectException);
}

}  // namespace
