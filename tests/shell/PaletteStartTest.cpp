#include <gtest/gtest.h>

#include <QMenuBar>
#include <QWidget>

#include "PaletteTest.h"
#include "framework/gui/Application.h"
#include "framework/gui/WindowList.h"
#include "shell/App.h"
#include "shell/MenuBar1.h"

namespace {

TEST_F(PaletteTest, StartUpMakesOneAppOneMenuBarAndOnePalette) {
    auto application = fw::RuntimeCheckCast<App>(fw::AppObject());
    ASSERT_NE(application, nullptr);
    ASSERT_NE(MenuBar1::ImplicitInstance(), nullptr);
    EXPECT_EQ(application->MenuBar(), MenuBar1::ImplicitInstance());
    EXPECT_EQ(palette_->MenuBar(), application->MenuBar()) << "one bar for both";
    ASSERT_EQ(fw::OpenWindows().size(), 1u);
    EXPECT_EQ(fw::OpenWindows()[0], palette_);
    EXPECT_EQ(Window1::Instance(), palette_);
    EXPECT_EQ(fw::GetImplicitWindow(Window1::ClassInfo().Name()), palette_);
}

TEST_F(PaletteTest, ThePaletteShowsTitledAndSizedWhenBuilt) {
    EXPECT_TRUE(palette_->Widget()->isVisible());
    EXPECT_EQ(palette_->Title(), "Vemoコード");
    EXPECT_EQ(palette_->Width(), 160);
    EXPECT_EQ(palette_->Height(), 137);
    EXPECT_EQ(palette_->Frame(), 7);
    EXPECT_EQ(palette_->Widget()->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(palette_->Widget()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(palette_->Widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(palette_->MenuBarWidget()->isVisible());
}

TEST_F(PaletteTest, PropertiesStayEmptyButThePreferenceFileSetAtOpen) {
    EXPECT_EQ(palette_->Untitled, 0);
    ASSERT_NE(palette_->gMyPref, nullptr) << "set also while the file is missing";
    EXPECT_EQ(palette_->gMyPref->AbsolutePath(), preferences_.File());
    EXPECT_EQ(palette_->gMyScriptFolder, nullptr);
    EXPECT_EQ(palette_->gAiver, "");
}

TEST_F(PaletteTest, TheTimerRepeatsEverySecond) {
    auto timer = palette_->Timer1();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->ClassOf().Name(), "Window1.Timer1");
    EXPECT_EQ(timer->Mode(), fw::Timer::kMultiple);
    EXPECT_EQ(timer->Period(), 1000);
    EXPECT_TRUE(timer->Running());
    EXPECT_EQ(timer->Index(), fw::Control::kNoIndex);
}

TEST_F(PaletteTest, NineControlsAndNoOthers) {
    std::vector<std::string> names;
    for (const auto& control : palette_->Controls()) {
        names.push_back(fw::ControlObjectName(control->Name(), control->Index()));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Timer1", "makeqr", "POP1(0)", "POP1(1)", "ST2(1)",
                                               "ST2(0)", "ST1", "POP1(2)", "ST2(2)"}));
    EXPECT_EQ(palette_->POP1(3), nullptr);
    EXPECT_EQ(palette_->ST2(-1), nullptr);
}

}  // namespace
