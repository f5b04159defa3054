#include "shell/Window1.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "PaletteTest.h"
#include "framework/gui/WindowList.h"
#include "framework/runtime/ClassRecord.h"

namespace {

std::vector<std::string> OwnOperations(const fw::ClassRecord& record) {
    std::vector<std::string> own;
    for (const auto& operation : record.Operations()) {
        if (operation.owner == record.Name()) own.push_back(operation.signature);
    }
    return own;
}

TEST(Window1ClassTest, IsAWindowRegisteredUnderItsFullName) {
    const fw::ClassRecord& record = Window1::ClassInfo();
    EXPECT_EQ(&record, &Window1::ClassInfo());
    EXPECT_EQ(record.Name(), "Window1.Window1");
    EXPECT_TRUE(record.IsA(fw::Window::ClassInfo()));
    EXPECT_EQ(record.Attributes(), (std::vector<fw::Attribute>{{"__Scope", "Public"}}));
    std::size_t built = fw::ClassRecordBuildLog().size();
    Window1::ClassInfo();
    EXPECT_EQ(fw::ClassRecordBuildLog().size(), built) << "a second request builds nothing";
}

TEST(Window1ClassTest, KeepsTheWindowsOperationsThenItsOwnInOrder) {
    const auto& table = Window1::ClassInfo().Operations();
    const auto& base = fw::Window::ClassInfo().Operations();
    ASSERT_GT(table.size(), base.size());
    EXPECT_TRUE(std::equal(base.begin(), base.end(), table.begin())) << "nothing overridden";
    EXPECT_EQ(OwnOperations(Window1::ClassInfo()),
              (std::vector<std::string>{"Layout()",
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
                                        "SetST1(String)"}));
}

TEST(Window1ClassTest, PublishesMethodsThenPropertiesWithTheirAttributes) {
    std::vector<std::string> names;
    for (const auto& member : Window1::ClassInfo().PublishedMembers()) {
        names.push_back(member.name);
        std::vector<fw::Attribute> attributes{{"__Scope", "Public"}};
        if (member.name == "CreateControls0") attributes.push_back({"Hidden", std::nullopt});
        EXPECT_EQ(member.attributes, attributes) << member.name;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Layout",
                                               "CreateControls",
                                               "CreateControls0",
                                               "Timer1",
                                               "makeqr",
                                               "POP1",
                                               "ST2",
                                               "ST1",
                                               "Timer1_Action",
                                               "makeqr_Action",
                                               "POP1_MouseEnter",
                                               "ST2_MouseEnter",
                                               "EditMenu",
                                               "EditSelectAll",
                                               "UntitledMenu0",
                                               "EditClear",
                                               "EditPaste",
                                               "EditCopy",
                                               "EditCut",
                                               "UntitledMenu1",
                                               "EditUndo",
                                               "FileMenu",
                                               "FileQuit",
                                               "Event_Open",
                                               "Event_Close",
                                               "my_msgbox",
                                               "AI_ACCTIVE",
                                               "DownQR",
                                               "SetST1",
                                               "Untitled",
                                               "gMyPref",
                                               "gMyScriptFolder",
                                               "gAiver"}));
    auto members = Window1::ClassInfo().PublishedMembers();
    auto pop1 = std::find_if(members.begin(), members.end(),
                             [](const fw::Member& m) { return m.name == "POP1"; });
    EXPECT_EQ(pop1->parameters, (std::vector<std::string>{"String", "Int32"}));
    EXPECT_EQ(pop1->result, "PopupMenu");
    EXPECT_EQ(members.back().kind, fw::Member::Kind::Property);
    EXPECT_EQ(members.back().result, "String");
}

TEST(Window1ClassTest, HandlesLayoutCreateControlsOpenAndCloseWithItsOperations) {
    const fw::ClassRecord& record = Window1::ClassInfo();
    for (const auto& [event, operation] :
         std::vector<std::pair<std::string, std::string>>{{"Layout", "Layout"},
                                                          {"CreateControls", "CreateControls"},
                                                          {"Open", "Event_Open"},
                                                          {"Close", "Event_Close"}}) {
        const fw::EventBinding* binding = record.HandlerFor(event);
        ASSERT_NE(binding, nullptr) << event;
        EXPECT_EQ(binding->operation, operation);
    }
    EXPECT_EQ(record.HandlerFor("CancelClose"), nullptr) << "a close is never refused";
}

// A file reference that notes its own release in a shared log.
class Released : public fw::FolderItem {
  public:
    Released(std::vector<std::string>& log, std::string name)
        : fw::FolderItem("/" + name), log_(log), name_(std::move(name)) {}
    ~Released() override { log_.push_back(name_); }

  private:
    std::vector<std::string>& log_;
    std::string name_;
};

TEST(Window1ClassTest, TeardownGivesUpThePreferenceFileThenTheScriptFolder) {
    std::vector<std::string> log;
    {
        auto palette = std::make_shared<Window1>();
        palette->gMyPref = std::make_shared<Released>(log, "gMyPref");
        palette->gMyScriptFolder = std::make_shared<Released>(log, "gMyScriptFolder");
    }
    EXPECT_EQ(log, (std::vector<std::string>{"gMyPref", "gMyScriptFolder"}));
}

TEST(Window1ClassTest, APaletteThatWasNeverBuiltIsTornDownQuietly) {
    EXPECT_NO_THROW(std::make_shared<Window1>().reset());
}

TEST_F(PaletteTest, TheWindowFoundByTheClassNameIsThePalette) {
    auto found = fw::GetImplicitWindow("Window1.Window1");
    EXPECT_EQ(fw::RuntimeCheckCast<Window1>(found), palette_);
}

}  // namespace
