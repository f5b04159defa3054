#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "PaletteTest.h"
#include "shell/PaletteTexts.h"
#include "support/WidgetLookup.h"

namespace {

QImage Shot(QWidget& widget) { return widget.grab().toImage(); }

// The text without its last character (a whole code point, never half of one).
QString WithoutLastCharacter(const QString& text) {
    QString shorter = text;
    shorter.chop(shorter.back().isLowSurrogate() ? 2 : 1);
    return shorter;
}

QRect EditField(QComboBox& box) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.frame = box.hasFrame();
    option.currentText = box.currentText();
    option.subControls = QStyle::SC_All;
    return box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                       &box);
}

class PopupRowFitTest : public PaletteTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PopupRowFitTest, EveryRowFitsTheRoomTheStyleLeavesForIt) {
    auto* box = FindWidgetAs<QComboBox>(GetParam());
    ASSERT_NE(box, nullptr);
    const QRect field = EditField(*box);
    ASSERT_TRUE(box->rect().contains(field));
    const QFontMetrics metrics(box->font());
    ASSERT_GT(box->count(), 0);
    for (int row = 0; row < box->count(); ++row) {
        const QString text = box->itemText(row);
        EXPECT_LE(metrics.horizontalAdvance(text), field.width())
            << text.toStdString() << " in " << field.width() << " pixels";
    }
}

TEST_P(PopupRowFitTest, TheLastCharacterOfEveryRowIsDrawn) {
    auto* box = FindWidgetAs<QComboBox>(GetParam());
    ASSERT_NE(box, nullptr);
    for (int row = 0; row < box->count(); ++row) {
        const QString text = box->itemText(row);
        box->setCurrentIndex(row);
        const QImage whole = Shot(*box);
        box->setItemText(row, WithoutLastCharacter(text));
        const QImage cut = Shot(*box);
        box->setItemText(row, text);
        EXPECT_TRUE(whole != cut) << text.toStdString() << " looks the same without its end";
    }
}

INSTANTIATE_TEST_SUITE_P(Popups, PopupRowFitTest,
                         ::testing::Values("POP1(0)", "POP1(1)", "POP1(2)"), [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, '(');
                             std::erase(name, ')');
                             return name;
                         });

// The rows that `text` inks in `label`, from the top: the rows where the label with the text
// differs from the label without it.
int InkedRows(QLabel& label, const QString& text) {
    label.setText(QString());
    const QImage blank = Shot(label);
    label.setText(text);
    const QImage inked = Shot(label);
    int rows = 0;
    for (int y = 0; y < inked.height(); ++y) {
        for (int x = 0; x < inked.width(); ++x) {
            if (inked.pixel(x, y) != blank.pixel(x, y)) {
                rows = y + 1;
                break;
            }
        }
    }
    return rows;
}

struct HelpCase {
    const char* name;
    const char* text;
    friend void PrintTo(const HelpCase& help, std::ostream* out) { *out << help.name; }
};

class HelpTextFitTest : public PaletteTest, public ::testing::WithParamInterface<HelpCase> {
  protected:
    QLabel* Status() { return FindWidgetAs<QLabel>("ST1"); }
};

TEST_P(HelpTextFitTest, TheWrappedTextInksNoRowBelowTheLabel) {
    QLabel* status = Status();
    ASSERT_NE(status, nullptr);
    const QRect contents = status->contentsRect();
    const QString text = QString::fromUtf8(GetParam().text);
    // A taller label of the same width shows how far down the text reaches.
    status->resize(status->width(), 4 * status->height());
    const int rows = InkedRows(*status, text);
    EXPECT_GT(rows, 0) << "nothing drawn";
    EXPECT_LE(rows, contents.bottom() + 1)
        << "the text reaches " << rows << " rows down, ST1 is " << contents.height() << " high";
}

TEST_P(HelpTextFitTest, TheLastCharacterIsDrawn) {
    QLabel* status = Status();
    ASSERT_NE(status, nullptr);
    const QString text = QString::fromUtf8(GetParam().text);
    palette_->SetST1(text.toStdString());
    const QImage whole = Shot(*status);
    palette_->SetST1(WithoutLastCharacter(text).toStdString());
    EXPECT_TRUE(whole != Shot(*status)) << GetParam().text << " looks the same without its end";
}

INSTANTIATE_TEST_SUITE_P(Texts, HelpTextFitTest,
                         ::testing::Values(HelpCase{"Encoding", SettingHelpText(0)},
                                           HelpCase{"Level", SettingHelpText(1)},
                                           HelpCase{"Size", SettingHelpText(2)},
                                           HelpCase{"Idle", kIdleText}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
