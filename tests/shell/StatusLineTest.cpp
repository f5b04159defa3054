#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include "PaletteTest.h"
#include "shell/PaletteTexts.h"
#include "support/PaintCounter.h"
#include "support/WidgetLookup.h"

namespace {

std::string StatusText(const Window1& palette) { return palette.ST1()->Text(); }

const char* const kEncodingHelp =
    "文字コードを指定します。作成したQRコードを読み込んで文字化けする場合は変更して下さい。";
const char* const kLevelHelp =
    "誤り訂正レベルです。QRコードに汚れなどがあっても正確に読み取れるようになります。Hが最大です。";
const char* const kSizeHelp = "QRコードのサイズです。複雑なコードの場合大きくして下さい。";

struct HoverCase {
    const char* objectName;
    const char* help;  // nullptr: no help, the status line keeps the idle text
};

class HoverHelpTest : public PaletteTest, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(HoverHelpTest, EnteringAControlShowsItsRowsHelpOrNothing) {
    QWidget* widget = FindWidget(GetParam().objectName);
    ASSERT_NE(widget, nullptr);
    EnterWidget(*widget);
    const char* help = GetParam().help;
    EXPECT_EQ(StatusText(*palette_), help ? help : kIdleText);
    EXPECT_TRUE(unhandled_.All().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Controls, HoverHelpTest,
    ::testing::Values(HoverCase{"POP1(0)", kEncodingHelp}, HoverCase{"POP1(1)", kLevelHelp},
                      HoverCase{"POP1(2)", kSizeHelp}, HoverCase{"ST2(0)", kEncodingHelp},
                      HoverCase{"ST2(1)", kLevelHelp}, HoverCase{"ST2(2)", kSizeHelp},
                      HoverCase{"ST1", nullptr}, HoverCase{"makeqr", nullptr}),
    [](const auto& info) {
        std::string name = info.param.objectName;
        std::erase(name, '(');
        std::erase(name, ')');
        return name;
    });

TEST_F(PaletteTest, EnteringThePaletteBackgroundShowsNothing) {
    EnterWidget(*palette_->ContentWidget());
    EnterWidget(*palette_->Widget());
    EXPECT_EQ(StatusText(*palette_), kIdleText);
}

TEST_F(PaletteTest, HelpStaysAfterThePointerLeavesAndTheNextHoverReplacesIt) {
    EnterWidget(*palette_->POP1(2)->Widget());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(palette_->POP1(2)->Widget(), &leave);
    EXPECT_EQ(StatusText(*palette_), SettingHelpText(2));
    EnterWidget(*palette_->ST2(0)->Widget());
    EXPECT_EQ(StatusText(*palette_), SettingHelpText(0));
}

TEST_F(PaletteTest, TheIdleTextIsOneParagraph) {
    EXPECT_EQ(std::string(kIdleText).find('\n'), std::string::npos);
    EXPECT_NE(std::string(kIdleText).find("クリックGoogle"), std::string::npos);
}

TEST_F(PaletteTest, SetST1RedrawsTheNewTextBeforeItReturns) {
    QWidget* status = palette_->ST1()->Widget();
    WaitUntilExposed(*status);
    PaintCounter paints(*status,
                        [status] { return static_cast<QLabel*>(status)->text().toStdString(); });
    palette_->SetST1("テスト");
    ASSERT_GE(paints.Count(), 1) << "no paint before SetST1 returned";
    EXPECT_EQ(paints.Seen().back(), "テスト");
    int before = paints.Count();
    palette_->SetST1("テスト");
    EXPECT_GT(paints.Count(), before) << "the same text is drawn again";
    palette_->SetST1("");
    EXPECT_EQ(paints.Seen().back(), "");
    EXPECT_EQ(StatusText(*palette_), "");
}

TEST_F(PaletteTest, HoveringTheSameRowAgainRedrawsAgain) {
    QWidget* status = palette_->ST1()->Widget();
    WaitUntilExposed(*status);
    PaintCounter paints(*status, [] { return std::string(); });
    EnterWidget(*palette_->POP1(1)->Widget());
    int afterPopup = paints.Count();
    EnterWidget(*palette_->ST2(1)->Widget());
    EXPECT_GE(afterPopup, 1);
    EXPECT_GT(paints.Count(), afterPopup);
    EXPECT_EQ(StatusText(*palette_), SettingHelpText(1));
}

}  // namespace
