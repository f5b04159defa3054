#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"

class QAction;
class QMenu;

namespace fw {

// One item of a menu tree, drawn by the QAction that it owns (made by Constructor); an item
// with children has a QMenu under its action. Name, Text, KeyboardShortcut and AutoEnable
// can be set before or after Constructor.
class MenuItem : public Object {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }
    MenuItem();
    ~MenuItem() override;

    // Makes the item's action. Building an item twice raises RuntimeException.
    virtual void Constructor();

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // The text "-" draws the item as a separator line.
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    // "Cmd+Q" and the like (TranslateShortcutText); the empty text is none. A text that cannot
    // be read raises RuntimeException and keeps the shortcut the item had.
    const std::string& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(std::string shortcut);
    // An item that enables itself; one that does not stays disabled.
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable);

    // Adds `item` as the last child. Raises NilObjectException for a missing item and
    // RuntimeException (changing nothing) for an item that is not constructed, that has a
    // parent already, or that is this item or one above it.
    void Append(const Ref<MenuItem>& item);
    std::int32_t Count() const { return static_cast<std::int32_t>(children_.size()); }
    // The child at `index` from 0, or nil.
    Ref<MenuItem> Item(std::int32_t index) const;
    // The direct child with that Name, or nil.
    Ref<MenuItem> Child(std::string_view name) const;
    // The first item with that Name at any depth below this one (depth first), or nil.
    Ref<MenuItem> Lookup(std::string_view name) const;
    // The item this one was appended to; nullptr for none, and once that item is gone.
    MenuItem* Parent() const { return parent_; }

    // The action; nullptr before Constructor.
    QAction* Action() const { return action_; }

  protected:
    // A child was added: it goes into this item's submenu (MenuBar puts it on its bars).
    virtual void ChildAppended(MenuItem& child);
    QAction& RequiredAction() const;

  private:
    void ApplyToAction();
    bool IsThisOrAbove(const MenuItem& item) const;

    std::string name_;
    std::string text_;
    std::string shortcut_;
    std::string portableShortcut_;
    bool autoEnable_ = true;
    QAction* action_ = nullptr;  // owned
    QMenu* submenu_ = nullptr;   // owned
    std::vector<Ref<MenuItem>> children_;
    MenuItem* parent_ = nullptr;
};

}  // namespace fw
