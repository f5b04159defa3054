#include "framework/gui/MenuItem.h"

#include <QAction>
#include <QMenu>

#include "framework/gui/ShortcutText.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/runtime/RuntimeException.h"

namespace fw {

const ClassRecord& MenuItem::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "MenuItem",
        .operations = {"Count()", "Item(Int32)", "Child(String)", "Append(MenuItem)",
                       "Lookup(String)", "Constructor()"},
        .create = [] { return std::make_shared<MenuItem>(); },
    });
    return record;
}

MenuItem::MenuItem() = default;

MenuItem::~MenuItem() {
    // Children first: their actions leave this item's submenu before it goes. A child that
    // something else still holds must not point at this item afterwards.
    for (const auto& child : children_) child->parent_ = nullptr;
    children_.clear();
    delete action_;
    delete submenu_;
}

void MenuItem::Constructor() {
    if (action_) throw RuntimeException("the menu item " + name_ + " is constructed already");
    action_ = new QAction();
    ApplyToAction();
}

QAction& MenuItem::RequiredAction() const {
    if (!action_) {
        throw RuntimeException("the menu item " + name_ + " is used before its Constructor ran");
    }
    return *action_;
}

void MenuItem::SetText(std::string text) {
    text_ = std::move(text);
    ApplyToAction();
}

void MenuItem::SetKeyboardShortcut(std::string shortcut) {
    ShortcutTranslation translation = TranslateShortcutText(shortcut);
    if (!translation) {
        throw RuntimeException("menu item " + name_ + ": " + translation.error);
    }
    shortcut_ = std::move(shortcut);
    portableShortcut_ = std::move(translation.portableText);
    ApplyToAction();
}

void MenuItem::SetAutoEnable(bool autoEnable) {
    autoEnable_ = autoEnable;
    ApplyToAction();
}

void MenuItem::ApplyToAction() {
    if (!action_) return;
    QString text = QString::fromStdString(text_);
    const bool separator = text_ == "-";
    // A separator with a text is drawn as a titled section; the line alone is meant.
    action_->setText(separator ? QString() : text);
    action_->setSeparator(separator);
    action_->setShortcut(QKeySequence::fromString(QString::fromStdString(portableShortcut_),
                                                  QKeySequence::PortableText));
    action_->setEnabled(autoEnable_);
    if (submenu_) submenu_->setTitle(text);
}

bool MenuItem::IsThisOrAbove(const MenuItem& item) const {
    for (const MenuItem* at = this; at; at = at->parent_) {
        if (at == &item) return true;
    }
    return false;
}

void MenuItem::Append(const Ref<MenuItem>& item) {
    if (!item) throw NilObjectException("no menu item to append to " + name_);
    item->RequiredAction();
    if (item->parent_) {
        throw RuntimeException("the menu item " + item->name_ + " is in a menu already");
    }
    if (IsThisOrAbove(*item)) {
        throw RuntimeException("the menu item " + item->name_ + " cannot go into itself");
    }
    ChildAppended(*item);
    item->parent_ = this;
    children_.push_back(item);
}

void MenuItem::ChildAppended(MenuItem& child) {
    QAction& action = RequiredAction();
    if (!submenu_) {
        submenu_ = new QMenu(QString::fromStdString(text_));
        action.setMenu(submenu_);
    }
    submenu_->addAction(&child.RequiredAction());
}

Ref<MenuItem> MenuItem::Item(std::int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->name_ == name) return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->name_ == name) return child;
        if (Ref<MenuItem> below = child->Lookup(name)) return below;
    }
    return nullptr;
}

}  // namespace fw
