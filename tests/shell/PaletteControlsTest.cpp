#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "PaletteTest.h"
#include "support/WidgetLookup.h"

namespace {

constexpr std::int32_t kNone = fw::Control::kNoIndex;

struct ControlCase {
    const char* objectName;
    const char* name;
    std::int32_t index;
    const char* className;
    QRect geometry;
    std::int32_t tabIndex;
    std::vector<std::string> texts;  // a popup's rows, a label's text, the button's caption
};

class PaletteControlsTest : public PaletteTest, public ::testing::WithParamInterface<ControlCase> {
  protected:
    fw::Ref<fw::RectControl> Control() const {
        const ControlCase& expected = GetParam();
        return fw::RuntimeCheckCast<fw::RectControl>(
            expected.index == kNone ? palette_->ControlByName(expected.name)
                                    : palette_->ControlByNameIndex(expected.name, expected.index));
    }
};

TEST_P(PaletteControlsTest, HasItsClassPlaceAndTabIndex) {
    const ControlCase& expected = GetParam();
    auto control = Control();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->ClassOf().Name(), expected.className);
    EXPECT_EQ(control->Index(), expected.index);
    EXPECT_EQ(QRect(control->Left(), control->Top(), control->Width(), control->Height()),
              expected.geometry);
    EXPECT_EQ(control->TabIndex(), expected.tabIndex);
    EXPECT_TRUE(control->Visible());
    EXPECT_TRUE(control->Enabled());
    QWidget* widget = FindWidget(expected.objectName);
    ASSERT_EQ(widget, control->Widget());
    EXPECT_EQ(widget->geometry(), expected.geometry);
    EXPECT_EQ(widget->parentWidget(), palette_->ContentWidget());
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->font().pixelSize(), 10);
}

TEST_P(PaletteControlsTest, ShowsItsTexts) {
    const ControlCase& expected = GetParam();
    QWidget* widget = FindWidget(expected.objectName);
    ASSERT_NE(widget, nullptr);
    std::vector<std::string> texts;
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        for (int row = 0; row < box->count(); ++row)
            texts.push_back(box->itemText(row).toStdString());
        EXPECT_EQ(box->currentIndex(), 0) << "each popup starts on its first row";
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        texts.push_back(label->text().toStdString());
        EXPECT_EQ(label->wordWrap(), std::string(expected.name) == "ST1");
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        texts.push_back(button->text().toStdString());
    }
    EXPECT_EQ(texts, expected.texts);
}

std::vector<std::string> SizeRows() {
    std::vector<std::string> rows;
    for (int size = 160; size <= 400; size += 20) rows.push_back(std::to_string(size));
    return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PaletteControlsTest,
    ::testing::Values(
        ControlCase{"makeqr", "makeqr", kNone, "BevelButton", {5, 72, 149, 20}, 1, {"QRCODE作成"}},
        ControlCase{"POP1(0)",
                    "POP1",
                    0,
                    "Window1.POP1",
                    {78, 5, 76, 20},
                    2,
                    {"Shift_JIS", "UTF-8", "ISO-8859-1"}},
        ControlCase{"POP1(1)",
                    "POP1",
                    1,
                    "Window1.POP1",
                    {77, 27, 77, 20},
                    3,
                    {"L - 7%", "M - 15%", "Q - 25%", "H - 30%"}},
        ControlCase{"ST2(1)", "ST2", 1, "Window1.ST2", {3, 31, 73, 13}, 4, {"誤り訂正レベル"}},
        ControlCase{"ST2(0)", "ST2", 0, "Window1.ST2", {3, 10, 73, 13}, 5, {"文字コード"}},
        ControlCase{"ST1",
                    "ST1",
                    kNone,
                    "StaticText",
                    {6, 96, 148, 41},
                    6,
                    {"Illustratorのテキストを選択して作成ボタンをクリックGoogle "
                     "APIを使用しています。"}},
        ControlCase{"POP1(2)", "POP1", 2, "Window1.POP1", {77, 50, 77, 20}, 7, SizeRows()},
        ControlCase{"ST2(2)", "ST2", 2, "Window1.ST2", {3, 54, 73, 13}, 8, {"サイズ"}}),
    [](const auto& info) {
        std::string name = info.param.name;
        if (info.param.index != kNone) name += std::to_string(info.param.index);
        return name;
    });

TEST_F(PaletteTest, PopupsStartOnTheirFirstRows) {
    EXPECT_EQ(palette_->POP1(0)->Text(), "Shift_JIS");
    EXPECT_EQ(palette_->POP1(1)->Text(), "L - 7%");
    EXPECT_EQ(palette_->POP1(2)->Text(), "160");
    EXPECT_EQ(palette_->POP1(2)->ListCount(), 13);
    EXPECT_EQ(palette_->POP1(2)->List(12), "400");
    for (std::int32_t index = 0; index < 3; ++index)
        EXPECT_EQ(palette_->POP1(index)->ListIndex(), 0);
}

TEST_F(PaletteTest, TabRunsFromTheButtonThroughThePopupsInTabIndexOrder) {
    std::vector<std::string> order;
    QWidget* start = palette_->makeqr()->Widget();
    QWidget* at = start;
    do {
        if (at->focusPolicy() & Qt::TabFocus) order.push_back(at->objectName().toStdString());
        at = at->nextInFocusChain();
    } while (at != start && order.size() < 10);
    EXPECT_EQ(order, (std::vector<std::string>{"makeqr", "POP1(0)", "POP1(1)", "POP1(2)"}));
}

TEST_F(PaletteTest, ResizingMovesNoControl) {
    palette_->Widget()->resize(300, 250);
    EXPECT_EQ(palette_->makeqr()->Widget()->geometry(), QRect(5, 72, 149, 20));
    EXPECT_EQ(palette_->ST1()->Widget()->geometry(), QRect(6, 96, 148, 41));
    palette_->Widget()->resize(10, 10);
    EXPECT_EQ(palette_->Width(), 64) << "the palette's minimum width holds";
    EXPECT_EQ(palette_->Height(), 64);
}

}  // namespace
