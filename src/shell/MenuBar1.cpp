#include "shell/MenuBar1.h"

#include <optional>
#include <string>

#include "framework/gui/QuitMenuItem.h"
#include "framework/gui/Runtime.h"
#include "framework/runtime/NilObjectException.h"

namespace {

fw::Ref<MenuBar1> implicitInstance;

struct ItemDesign {
    const char* name;
    const char* text;
    std::optional<const char*> shortcut;  // nothing: the shortcut is never set
};

// A new item with its properties set in the order Name, AutoEnable, Text, KeyboardShortcut.
template <class T>
fw::Ref<T> NewItem(const ItemDesign& design) {
    fw::Ref<T> item = fw::RuntimeNewObject<T>();
    fw::Required(item, design.name)->Constructor();
    item->SetName(design.name);
    item->SetAutoEnable(true);
    item->SetText(design.text);
    if (design.shortcut) item->SetKeyboardShortcut(*design.shortcut);
    return item;
}

constexpr ItemDesign kEditItems[] = {
    {"EditUndo", "元に戻す", "Cmd+Z"},    {"UntitledMenu1", "-", std::nullopt},
    {"EditCut", "カット", "Cmd+X"},       {"EditCopy", "コピー", "Cmd+C"},
    {"EditPaste", "貼り付け", "Cmd+V"},   {"EditClear", "削除", ""},
    {"UntitledMenu0", "-", std::nullopt}, {"EditSelectAll", "すべてを選択", "Cmd+A"},
};

}  // namespace

const fw::ClassRecord& MenuBar1::ClassInfo() {
    static const fw::ClassRecord& record = fw::BuildClassRecord({
        .name = "MenuBar1.MenuBar1",
        .base = &fw::MenuBar::ClassInfo(),
        .overrides = {"Constructor()"},
        .operations = {"Untitled0()", "Untitled1()"},
        .members = {{.name = "Constructor", .attributes = {{"__Scope", "Public"}}},
                    {.name = "Untitled0", .attributes = {{"__Scope", "Public"}}},
                    {.name = "Untitled1", .attributes = {{"__Scope", "Public"}}}},
        .attributes = {{"__Scope", "Public"}},
        .create = [] { return std::make_shared<MenuBar1>(); },
    });
    return record;
}

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0() {
    Append(NewItem<fw::MenuItem>({"FileMenu", "ファイル", ""}));
    auto quit = NewItem<fw::QuitMenuItem>({"FileQuit", "終了", "Cmd+Q"});
    fw::Ref<fw::MenuItem> fileMenu = Child("FileMenu");
    fw::Required(fileMenu, "the menu FileMenu")->Append(quit);
}

void MenuBar1::Untitled1() {
    Append(NewItem<fw::MenuItem>({"EditMenu", "編集", ""}));
    for (const ItemDesign& design : kEditItems) {
        auto item = NewItem<fw::MenuItem>(design);
        fw::Ref<fw::MenuItem> editMenu = Child("EditMenu");
        fw::Required(editMenu, "the menu EditMenu")->Append(item);
    }
}

fw::Ref<MenuBar1> MenuBar1::Instance() {
    if (!implicitInstance) {
        fw::Ref<MenuBar1> built = fw::RuntimeNewObject<MenuBar1>();
        fw::Required(built, "the menu bar")->Constructor();
        implicitInstance = std::move(built);
    }
    return implicitInstance;
}

const fw::Ref<MenuBar1>& MenuBar1::ImplicitInstance() { return implicitInstance; }

void MenuBar1::ImplicitInstanceExit() { implicitInstance = nullptr; }
