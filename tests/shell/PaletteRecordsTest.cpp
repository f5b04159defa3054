#include <gtest/gtest.h>

#include <QComboBox>
#include <functional>

#include "PaletteTest.h"
#include "framework/design/DesignRecordDecoder.h"
#include "framework/design/DesignRecordWriter.h"
#include "framework/design/SetProperties.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/Timer.h"
#include "framework/gui/Window.h"
#include "framework/runtime/RuntimeException.h"
#include "shell/PaletteRecords.h"
#include "shell/PaletteTexts.h"
#include "shell/Window1POP1.h"
#include "shell/Window1ST2.h"

namespace {

using fw::DesignEntry;

// A record layout as entry names with their kind: i integer, b Boolean, c colour, t text.
using Layout = std::vector<std::pair<std::string, char>>;

Layout Parse(const std::string& text) {
    Layout layout;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find(' ', from);
        if (end == std::string::npos) end = text.size();
        std::string entry = text.substr(from, end - from);
        layout.emplace_back(entry.substr(0, entry.size() - 2), entry.back());
        from = end + 1;
    }
    return layout;
}

const Layout kWindowLayout = Parse(
    "Placement:i Width:i Height:i MinWidth:i MinHeight:i MaxWidth:i MaxHeight:i Frame:i "
    "Composite:b HasBackColor:b BackColor:c Title:t Visible:b FullScreen:b MenuBarVisible:b "
    "CloseButton:b Resizeable:b LiveResize:b MaximizeButton:b MinimizeButton:b MacProcID:i");
const Layout kTimerLayout = Parse("Mode:i Period:i");
const Layout kButtonLayout = Parse(
    "Name:t Index:i Left:i Top:i Width:i Height:i LockLeft:b LockTop:b LockRight:b LockBottom:b "
    "TabPanelIndex:i TabIndex:i TabStop:b InitialParent:t Visible:b HelpTag:t AutoDeactivate:b "
    "Enabled:b Caption:t CaptionAlign:i CaptionPlacement:i CaptionDelta:i IconAlign:i IconDX:i "
    "IconDY:i Bevel:i HasMenu:i HasBackColor:b BackColor:c TextColor:c Value:b MenuValue:i "
    "ButtonType:i AcceptFocus:b TextFont:t Bold:b Italic:b Underline:b");
const Layout kPopupLayout = Parse(
    "Name:t Index:i Left:i Top:i Width:i Height:i LockLeft:b LockTop:b LockRight:b LockBottom:b "
    "TabPanelIndex:i TabIndex:i TabStop:b Enabled:b InitialValue:t ListIndex:i Visible:b "
    "HelpTag:t AutoDeactivate:b TextFont:t Bold:b Italic:b Underline:b DataSource:t DataField:t "
    "InitialParent:t");
const Layout kLabelLayout = Parse(
    "Name:t Index:i Left:i Top:i Width:i Height:i LockLeft:b LockTop:b LockRight:b LockBottom:b "
    "TabPanelIndex:i TabIndex:i Text:t TextAlign:i TextColor:c Multiline:b Enabled:b Visible:b "
    "Selectable:b Transparent:b HelpTag:t AutoDeactivate:b TextFont:t Bold:b Italic:b "
    "Underline:b DataSource:t DataField:t InitialParent:t");

char KindOf(const fw::DesignValue& value) {
    switch (value.index()) {
        case 0:
            return 'i';
        case 1:
            return 'b';
        case 2:
            return 'c';
        default:
            return 't';
    }
}

struct RecordCase {
    const char* label;
    std::function<std::string()> build;
    const fw::ClassRecord& (*receiver)();
    std::size_t length;
    const Layout* layout;
    std::vector<DesignEntry> values;  // some of its entries, with their values
};

class PaletteRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(PaletteRecordTest, HasItsLengthLayoutAndValues) {
    const RecordCase& expected = GetParam();
    std::string record = expected.build();
    EXPECT_EQ(record.size(), expected.length);
    const fw::ClassRecord& receiver = expected.receiver();
    auto decoding =
        fw::DecodeDesignRecord(record, [&](std::string_view name) -> std::optional<fw::DesignType> {
            const fw::DesignProperty* property = receiver.FindDesignProperty(name);
            if (!property) return std::nullopt;
            return property->type;
        });
    ASSERT_TRUE(decoding) << decoding.error;
    Layout layout;
    for (const auto& entry : decoding.entries) layout.emplace_back(entry.name, KindOf(entry.value));
    EXPECT_EQ(layout, *expected.layout);
    for (const auto& value : expected.values) {
        auto found = std::find_if(decoding.entries.begin(), decoding.entries.end(),
                                  [&](const DesignEntry& e) { return e.name == value.name; });
        ASSERT_NE(found, decoding.entries.end()) << value.name;
        EXPECT_EQ(found->value, value.value) << value.name;
    }
}

using I = std::int32_t;
using S = std::string;
constexpr I kNone = fw::Control::kNoIndex;

INSTANTIATE_TEST_SUITE_P(
    Records, PaletteRecordTest,
    ::testing::Values(
        RecordCase{"Window",
                   PaletteWindowRecord,
                   &fw::Window::ClassInfo,
                   280,
                   &kWindowLayout,
                   {{"Width", I{160}},
                    {"Height", I{137}},
                    {"Frame", I{7}},
                    {"Title", S{"Vemoコード"}},
                    {"Visible", true},
                    {"MaximizeButton", false},
                    {"BackColor", fw::Color{255, 255, 255}}}},
        RecordCase{"Timer",
                   [] { return TimerRecord(2, 1000); },
                   &fw::Timer::ClassInfo,
                   20,
                   &kTimerLayout,
                   {{"Mode", I{2}}, {"Period", I{1000}}}},
        RecordCase{"Button",
                   [] { return ButtonRecord(kMakeqrPlace, kMakeqrCaption); },
                   &fw::BevelButton::ClassInfo,
                   479,
                   &kButtonLayout,
                   {{"Name", S{"makeqr"}},
                    {"Index", kNone},
                    {"Caption", S{"QRCODE作成"}},
                    {"TabIndex", I{1}},
                    {"CaptionAlign", I{3}},
                    {"LockLeft", false},
                    {"AcceptFocus", false}}},
        RecordCase{"EncodingPopup",
                   [] { return PopupRecord(kEncodingPopup); },
                   &Window1POP1::ClassInfo,
                   337,
                   &kPopupLayout,
                   {{"Index", I{0}},
                    {"Left", I{78}},
                    {"Width", I{76}},
                    {"InitialValue", S{"Shift_JIS\rUTF-8\rISO-8859-1"}},
                    {"ListIndex", I{0}}}},
        RecordCase{"LevelPopup",
                   [] { return PopupRecord(kLevelPopup); },
                   &Window1POP1::ClassInfo,
                   341,
                   &kPopupLayout,
                   {{"Index", I{1}}, {"InitialValue", S{"L - 7%\rM - 15%\rQ - 25%\rH - 30%"}}}},
        RecordCase{"SizePopup",
                   [] { return PopupRecord(kSizePopup); },
                   &Window1POP1::ClassInfo,
                   362,
                   &kPopupLayout,
                   {{"Index", I{2}}, {"TabIndex", I{7}}, {"LockTop", true}}},
        RecordCase{"EncodingLabel",
                   [] { return LabelRecord(kEncodingLabel); },
                   &Window1ST2::ClassInfo,
                   357,
                   &kLabelLayout,
                   {{"Index", I{0}}, {"Text", S{"文字コード"}}, {"Multiline", false}}},
        RecordCase{"LevelLabel",
                   [] { return LabelRecord(kLevelLabel); },
                   &Window1ST2::ClassInfo,
                   363,
                   &kLabelLayout,
                   {{"Index", I{1}}, {"TabIndex", I{4}}}},
        RecordCase{"SizeLabel",
                   [] { return LabelRecord(kSizeLabel); },
                   &Window1ST2::ClassInfo,
                   351,
                   &kLabelLayout,
                   {{"Index", I{2}}, {"Text", S{"サイズ"}}}},
        RecordCase{"StatusLine",
                   [] { return LabelRecord(kStatusLine); },
                   &fw::StaticText::ClassInfo,
                   450,
                   &kLabelLayout,
                   {{"Name", S{"ST1"}},
                    {"Index", kNone},
                    {"Text", S{kIdleText}},
                    {"Multiline", true},
                    {"TextColor", fw::Color{0, 0, 0}}}}),
    [](const auto& info) { return info.param.label; });

// Records that are refused when applied to the level popup: the popup keeps what it had.
struct BadRecordCase {
    const char* label;
    std::function<std::string()> build;
};

class BadRecordTest : public PaletteTest, public ::testing::WithParamInterface<BadRecordCase> {};

TEST_P(BadRecordTest, IsRefusedAndChangesNothing) {
    auto popup = palette_->POP1(1);
    popup->SetListIndex(2);
    QRect before = popup->Widget()->geometry();
    EXPECT_THROW(fw::SetProperties(*popup, GetParam().build()), fw::RuntimeException);
    EXPECT_EQ(popup->Widget()->geometry(), before);
    EXPECT_EQ(popup->ListCount(), 4);
    EXPECT_EQ(popup->ListIndex(), 2);
    EXPECT_EQ(popup->Index(), 1);
}

std::string Moved() {
    return fw::DesignRecordWriter()
        .Int32("Left", 1)
        .Int32("Top", 1)
        .Text("InitialValue", "x")
        .Bytes();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadRecordTest,
    ::testing::Values(
        BadRecordCase{"CutInAName", [] { return PopupRecord(kLevelPopup).substr(0, 2); }},
        BadRecordCase{"CutInAnInteger", [] { return Moved().substr(0, 7); }},
        BadRecordCase{"CutInAText",
                      [] {
                          std::string record = PopupRecord(kLevelPopup);
                          return record.substr(0, record.find("L - 7%") + 3);
                      }},
        BadRecordCase{
            "AnotherClassesEntry",
            [] { return Moved() + fw::DesignRecordWriter().Text("Caption", "x").Bytes(); }},
        BadRecordCase{"TextLongerThanTheRecord",
                      [] { return Moved() + std::string("HelpTag \x7F\xFF\xFF\xFF", 12); }},
        BadRecordCase{"BooleanOutOfRange",
                      [] { return Moved() + std::string("Visible \x02", 9); }}),
    [](const auto& info) { return info.param.label; });

}  // namespace
