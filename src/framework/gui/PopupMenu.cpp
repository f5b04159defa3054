#include "framework/gui/PopupMenu.h"

#include <QComboBox>

#include "framework/gui/DesignProperties.h"
#include "framework/text/TextFunctions.h"

namespace fw {
namespace {

QComboBox& Box(QWidget& widget) { return static_cast<QComboBox&>(widget); }

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

std::unique_ptr<QWidget> PopupMenu::MakeWidget() { return std::make_unique<QComboBox>(); }

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
