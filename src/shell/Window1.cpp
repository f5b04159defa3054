#include "shell/Window1.h"

#include "framework/gui/MenuBar.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/WindowList.h"
#include "framework/runtime/NilObjectException.h"
#include "shell/PaletteTexts.h"

namespace {

fw::Attribute Public() { return {"__Scope", "Public"}; }

fw::Member Method(const char* name, std::vector<std::string> parameters = {},
                  std::string result = {}) {
    return {.name = name,
            .parameters = std::move(parameters),
            .result = std::move(result),
            .attributes = {Public()}};
}

fw::Member Property(const char* name, const char* type) {
    return {
        .name = name, .kind = fw::Member::Kind::Property, .result = type, .attributes = {Public()}};
}

std::vector<fw::Member> PublishedMembers() {
    fw::Member createControls0 = Method("CreateControls0");
    createControls0.attributes.push_back({"Hidden", std::nullopt});
    return {Method("Layout"),
            Method("CreateControls"),
            createControls0,
            Method("Timer1", {"String"}, "Timer"),
            Method("makeqr", {"String"}, "BevelButton"),
            Method("POP1", {"String", "Int32"}, "PopupMenu"),
            Method("ST2", {"String", "Int32"}, "StaticText"),
            Method("ST1", {"String"}, "StaticText"),
            Method("Timer1_Action", {"Control"}),
            Method("makeqr_Action", {"Control"}),
            Method("POP1_MouseEnter", {"Control"}),
            Method("ST2_MouseEnter", {"Control"}),
            Method("EditMenu", {}, "MenuItem"),
            Method("EditSelectAll", {}, "MenuItem"),
            Method("UntitledMenu0", {}, "MenuItem"),
            Method("EditClear", {}, "MenuItem"),
            Method("EditPaste", {}, "MenuItem"),
            Method("EditCopy", {}, "MenuItem"),
            Method("EditCut", {}, "MenuItem"),
            Method("UntitledMenu1", {}, "MenuItem"),
            Method("EditUndo", {}, "MenuItem"),
            Method("FileMenu", {}, "MenuItem"),
            Method("FileQuit", {}, "QuitMenuItem"),
            Method("Event_Open"),
            Method("Event_Close"),
            Method("my_msgbox", {"String"}),
            Method("AI_ACCTIVE"),
            Method("DownQR", {"String", "Int32", "String", "String", "String"}, "FolderItem"),
            Method("SetST1", {"String"}),
            Property("Untitled", "Int32"),
            Property("gMyPref", "FolderItem"),
            Property("gMyScriptFolder", "FolderItem"),
            Property("gAiver", "String")};
}

}  // namespace

const fw::ClassRecord& Window1::ClassInfo() {
    static const fw::ClassRecord& record = fw::BuildClassRecord({
        .name = "Window1.Window1",
        .base = &fw::Window::ClassInfo(),
        .operations = {"Layout()",
                       "CreateControls()",
                       "CreateControls0()",
                       "Timer1_Action(Control)",
                       "makeqr_Action(Control)",
                       "POP1_MouseEnter(Control)",
                       "ST2_MouseEnter(Control)",
                       "EditMenu()",
                       "EditSelectAll()",
                       "UntitledMenu0()",
                       "EditClear()",
                       "EditPaste()",
                       "EditCopy()",
                       "EditCut()",
                       "UntitledMenu1()",
                       "EditUndo()",
                       "FileMenu()",
                       "FileQuit()",
                       "Event_Open()",
                       "Event_Close()",
                       "my_msgbox(String)",
                       "AI_ACCTIVE()",
                       "DownQR(String,Int32,String,String,String)",
                       "SetST1(String)"},
        .handledEvents = {{"Layout", "Layout", fw::EventHook(&Window1::Layout)},
                          {"CreateControls", "CreateControls",
                           fw::EventHook(&Window1::CreateControls)},
                          {"Open", "Event_Open", fw::EventHook(&Window1::Event_Open)},
                          {"Close", "Event_Close", fw::EventHook(&Window1::Event_Close)}},
        .members = PublishedMembers(),
        .attributes = {Public()},
        .create = [] { return std::make_shared<Window1>(); },
    });
    return record;
}

Window1::~Window1() {
    gMyPref = nullptr;
    gMyScriptFolder = nullptr;
    gAiver.clear();
}

fw::Ref<Window1> Window1::Instance() {
    fw::Ref<fw::Window> window = fw::GetImplicitWindow(ClassInfo().Name());
    if (!window) {
        fw::Ref<Window1> built = fw::RuntimeNewObject<Window1>();
        built->Constructor();
        window = std::move(built);
    }
    return fw::RuntimeCheckCast<Window1>(window);
}

void Window1::CreateControls() { CreateControls0(); }

void Window1::POP1_MouseEnter(fw::Control& sender) { ShowSettingHelp(sender.Index()); }

void Window1::ST2_MouseEnter(fw::Control& sender) { ShowSettingHelp(sender.Index()); }

void Window1::ShowSettingHelp(std::int32_t index) {
    if (const char* help = SettingHelpText(index)) SetST1(help);
}

void Window1::SetST1(const fw::String& text) {
    fw::Ref<fw::StaticText> status = ST1();
    fw::Required(status, "the status line ST1")->SetText(text);
    // Looked up again on purpose: the redraw reaches ST1 afresh, as the text step did.
    status = ST1();
    fw::Required(status, "the status line ST1")->Refresh(true);
}

template <class T>
fw::Ref<T> Window1::MenuItemNamed(std::string_view name) const {
    const auto& bar = fw::Required(MenuBar(), "the palette's menu bar");
    return fw::RuntimeCheckCast<T>(bar->Lookup(name));
}

fw::Ref<fw::MenuItem> Window1::EditMenu() const { return MenuItemNamed<fw::MenuItem>("EditMenu"); }
fw::Ref<fw::MenuItem> Window1::EditSelectAll() const {
    return MenuItemNamed<fw::MenuItem>("EditSelectAll");
}
fw::Ref<fw::MenuItem> Window1::UntitledMenu0() const {
    return MenuItemNamed<fw::MenuItem>("UntitledMenu0");
}
fw::Ref<fw::MenuItem> Window1::EditClear() const {
    return MenuItemNamed<fw::MenuItem>("EditClear");
}
fw::Ref<fw::MenuItem> Window1::EditPaste() const {
    return MenuItemNamed<fw::MenuItem>("EditPaste");
}
fw::Ref<fw::MenuItem> Window1::EditCopy() const { return MenuItemNamed<fw::MenuItem>("EditCopy"); }
fw::Ref<fw::MenuItem> Window1::EditCut() const { return MenuItemNamed<fw::MenuItem>("EditCut"); }
fw::Ref<fw::MenuItem> Window1::UntitledMenu1() const {
    return MenuItemNamed<fw::MenuItem>("UntitledMenu1");
}
fw::Ref<fw::MenuItem> Window1::EditUndo() const { return MenuItemNamed<fw::MenuItem>("EditUndo"); }
fw::Ref<fw::MenuItem> Window1::FileMenu() const { return MenuItemNamed<fw::MenuItem>("FileMenu"); }
fw::Ref<fw::QuitMenuItem> Window1::FileQuit() const {
    return MenuItemNamed<fw::QuitMenuItem>("FileQuit");
}

fw::Ref<fw::Timer> Window1::Timer1() const {
    return fw::RuntimeCheckCast<fw::Timer>(ControlByName("Timer1"));
}
fw::Ref<fw::BevelButton> Window1::makeqr() const {
    return fw::RuntimeCheckCast<fw::BevelButton>(ControlByName("makeqr"));
}
fw::Ref<fw::PopupMenu> Window1::POP1(std::int32_t index) const {
    return fw::RuntimeCheckCast<fw::PopupMenu>(ControlByNameIndex("POP1", index));
}
fw::PopupMenu& Window1::RequiredPOP1(std::int32_t index) const {
    fw::Ref<fw::PopupMenu> popup = POP1(index);
    if (!popup) throw fw::NilObjectException("the popup POP1(" + fw::Str(index) + ")");
    return *popup;
}
fw::Ref<fw::StaticText> Window1::ST2(std::int32_t index) const {
    return fw::RuntimeCheckCast<fw::StaticText>(ControlByNameIndex("ST2", index));
}
fw::Ref<fw::StaticText> Window1::ST1() const {
    return fw::RuntimeCheckCast<fw::StaticText>(ControlByName("ST1"));
}
