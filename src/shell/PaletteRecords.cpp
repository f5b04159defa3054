#include "shell/PaletteRecords.h"

#include "framework/design/DesignRecordWriter.h"
#include "framework/gui/Control.h"
#include "shell/PaletteTexts.h"

namespace {

constexpr fw::Color kWhite{255, 255, 255};
constexpr fw::Color kBlack{0, 0, 0};
constexpr std::int32_t kNone = fw::Control::kNoIndex;

// Name, Index and the geometry, as every control record starts.
fw::DesignRecordWriter PlacedRecord(const ControlPlace& place) {
    fw::DesignRecordWriter record;
    record.Text("Name", place.name)
        .Int32("Index", place.index)
        .Int32("Left", place.left)
        .Int32("Top", place.top)
        .Int32("Width", place.width)
        .Int32("Height", place.height);
    return record;
}

void Locks(fw::DesignRecordWriter& record, bool leftAndTop) {
    record.Boolean("LockLeft", leftAndTop)
        .Boolean("LockTop", leftAndTop)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false);
}

void FontStyle(fw::DesignRecordWriter& record) {
    record.Text("TextFont", "System")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false);
}

}  // namespace

const ControlPlace kMakeqrPlace{"makeqr", kNone, 5, 72, 149, 20, 1};
const char* const kMakeqrCaption = "QRCODE作成";
const PopupDesign kEncodingPopup{{"POP1", 0, 78, 5, 76, 20, 2}, "Shift_JIS\rUTF-8\rISO-8859-1"};
const PopupDesign kLevelPopup{{"POP1", 1, 77, 27, 77, 20, 3}, "L - 7%\rM - 15%\rQ - 25%\rH - 30%"};
const LabelDesign kLevelLabel{{"ST2", 1, 3, 31, 73, 13, 4}, "誤り訂正レベル", false};
const LabelDesign kEncodingLabel{{"ST2", 0, 3, 10, 73, 13, 5}, "文字コード", false};
const LabelDesign kStatusLine{{"ST1", kNone, 6, 96, 148, 41, 6}, kIdleText, true};
const PopupDesign kSizePopup{{"POP1", 2, 77, 50, 77, 20, 7},
                             "160\r180\r200\r220\r240\r260\r280\r300\r320\r340\r360\r380\r400"};
const LabelDesign kSizeLabel{{"ST2", 2, 3, 54, 73, 13, 8}, "サイズ", false};

std::string PaletteWindowRecord() {
    return fw::DesignRecordWriter()
        .Int32("Placement", 0)
        .Int32("Width", 160)
        .Int32("Height", 137)
        .Int32("MinWidth", 64)
        .Int32("MinHeight", 64)
        .Int32("MaxWidth", 32000)
        .Int32("MaxHeight", 32000)
        .Int32("Frame", 7)
        .Boolean("Composite", false)
        .Boolean("HasBackColor", false)
        .ColorValue("BackColor", kWhite)
        .Text("Title", kPaletteTitle)
        .Boolean("Visible", true)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", true)
        .Boolean("CloseButton", true)
        .Boolean("Resizeable", true)
        .Boolean("LiveResize", true)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", true)
        .Int32("MacProcID", 0)
        .Bytes();
}

std::string TimerRecord(std::int32_t mode, std::int32_t period) {
    return fw::DesignRecordWriter().Int32("Mode", mode).Int32("Period", period).Bytes();
}

std::string ButtonRecord(const ControlPlace& place, const char* caption) {
    fw::DesignRecordWriter record = PlacedRecord(place);
    Locks(record, false);
    record.Int32("TabPanelIndex", 0)
        .Int32("TabIndex", place.tabIndex)
        .Boolean("TabStop", true)
        .Text("InitialParent", "")
        .Boolean("Visible", true)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", true)
        .Text("Caption", caption)
        .Int32("CaptionAlign", 3)
        .Int32("CaptionPlacement", 1)
        .Int32("CaptionDelta", 0)
        .Int32("IconAlign", 0)
        .Int32("IconDX", 0)
        .Int32("IconDY", 0)
        .Int32("Bevel", 0)
        .Int32("HasMenu", 0)
        .Boolean("HasBackColor", false)
        .ColorValue("BackColor", kBlack)
        .ColorValue("TextColor", kBlack)
        .Boolean("Value", false)
        .Int32("MenuValue", 0)
        .Int32("ButtonType", 0)
        .Boolean("AcceptFocus", false);
    FontStyle(record);
    return record.Bytes();
}

std::string PopupRecord(const PopupDesign& design) {
    fw::DesignRecordWriter record = PlacedRecord(design.place);
    Locks(record, true);
    record.Int32("TabPanelIndex", 0)
        .Int32("TabIndex", design.place.tabIndex)
        .Boolean("TabStop", true)
        .Boolean("Enabled", true)
        .Text("InitialValue", design.rows)
        .Int32("ListIndex", 0)
        .Boolean("Visible", true)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    FontStyle(record);
    record.Text("DataSource", "").Text("DataField", "").Text("InitialParent", "");
    return record.Bytes();
}

std::string LabelRecord(const LabelDesign& design) {
    fw::DesignRecordWriter record = PlacedRecord(design.place);
    Locks(record, true);
    record.Int32("TabPanelIndex", 0)
        .Int32("TabIndex", design.place.tabIndex)
        .Text("Text", design.text)
        .Int32("TextAlign", 0)
        .ColorValue("TextColor", kBlack)
        .Boolean("Multiline", design.multiline)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .Boolean("Selectable", false)
        .Boolean("Transparent", false)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true);
    FontStyle(record);
    record.Text("DataSource", "").Text("DataField", "").Text("InitialParent", "");
    return record.Bytes();
}
