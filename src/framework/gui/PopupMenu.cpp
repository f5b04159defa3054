#include "framework/gui/PopupMenu.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QProxyStyle>

#include "framework/gui/DesignProperties.h"
#include "framework/text/TextFunctions.h"

namespace fw {
namespace {

QComboBox& Box(QWidget& widget) { return static_cast<QComboBox&>(widget); }

// The application's style with a narrow arrow and a thin left margin, so that a row's text keeps
// the room of a narrow popup (76 pixels show "ISO-8859-1" whole).
class NarrowArrowStyle : public QProxyStyle {
  public:
    NarrowArrowStyle() : QProxyStyle(QApplication::style()->name()) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
            return rect;
        const QRect arrow =
            Logical(option, QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget));
        const int room = std::max(0, arrow.width() - kArrowWidth);
        QRect logicalRect = Logical(option, rect);
        if (part == SC_ComboBoxArrow) {
            logicalRect.setLeft(logicalRect.left() + room);
        } else {
            logicalRect.setLeft(std::min(logicalRect.left(), option->rect.left() + kTextMargin));
            logicalRect.setRight(logicalRect.right() + room);
        }
        return Logical(option, logicalRect);
    }

  private:
    // Wide enough for the style's down arrow of 8 pixels and its separator line.
    static constexpr int kArrowWidth = 12;
    static constexpr int kTextMargin = 2;

    // Left-to-right geometry from the visual one, and back (the mapping is its own inverse).
    static QRect Logical(const QStyleOptionComplex* option, const QRect& rect) {
        return visualRect(option->direction, option->rect, rect);
    }
};

}  // namespace

const ClassRecord& PopupMenu::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "PopupMenu",
        .base = &RectControl::ClassInfo(),
        .designProperties = {DesignSetter("TabStop", &PopupMenu::SetTabStop),
                             DesignSetter("InitialValue", &PopupMenu::SetInitialValue),
                             DesignSetter("ListIndex", &PopupMenu::SetListIndex),
                             IgnoredDesignProperty("DataSource", DesignType::Text),
                             IgnoredDesignProperty("DataField", DesignType::Text)},
        .create = [] { return std::make_shared<PopupMenu>(); },
    });
    return record;
}

std::unique_ptr<QWidget> PopupMenu::MakeWidget() {
    auto box = std::make_unique<QComboBox>();
    // A widget does not own its style; as a child the style goes with the box.
    auto* style = new NarrowArrowStyle;
    style->setParent(box.get());
    box->setStyle(style);
    return box;
}

void PopupMenu::SetInitialValue(const std::string& rows) {
    QComboBox& box = Box(RequiredWidget());
    box.clear();
    for (const auto& row : Split(rows, "\r")) box.addItem(QString::fromStdString(row));
}

std::int32_t PopupMenu::ListCount() const { return Box(RequiredWidget()).count(); }

std::string PopupMenu::List(std::int32_t row) const {
    return Box(RequiredWidget()).itemText(row).toStdString();
}

std::int32_t PopupMenu::ListIndex() const { return Box(RequiredWidget()).currentIndex(); }

void PopupMenu::SetListIndex(std::int32_t row) {
    QComboBox& box = Box(RequiredWidget());
    if (row >= 0 && row < box.count()) box.setCurrentIndex(row);
}

std::string PopupMenu::Text() const { return Box(RequiredWidget()).currentText().toStdString(); }

}  // namespace fw
