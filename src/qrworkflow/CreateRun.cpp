// The create button's run: every selected item made into a code, downloaded and placed in turn.
#include <vector>

#include "framework/runtime/BackgroundTask.h"
#include "hostbridge/HostScriptCalls.h"
#include "shell/PaletteTexts.h"
#include "shell/Window1.h"

namespace {

const fw::String kItemSeparator = "<Mipo2011br>";
const fw::String kFieldSeparator = "<Mipo2011>";
const fw::String kPlacingText = "セット中";

// What the three popups are set to when a run starts; every item of the run uses it.
struct CodeSettings {
    fw::String encoding;
    fw::String levelLetter;
    fw::String size;
};

// The letter of the error-correction row, from its number alone; the empty text for a row
// outside 0 to 3.
fw::String LevelLetter(std::int32_t row) {
    if (row == 0) return "L";
    if (row == 1) return "M";
    if (row == 2) return "Q";
    if (row == 3) return "H";
    return {};
}

CodeSettings ReadSettings(const Window1& palette) {
    CodeSettings settings;
    settings.encoding = palette.RequiredPOP1(0).Text();
    settings.levelLetter = LevelLetter(palette.RequiredPOP1(1).ListIndex());
    settings.size = palette.RequiredPOP1(2).Text();
    return settings;
}

// Field `index` of an item; the empty text for a field that the item lacks, which is not read.
fw::String FieldOrEmpty(const std::vector<fw::String>& fields, std::int32_t index) {
    if (index > fw::LastIndex(fields)) return {};
    return fields[static_cast<std::size_t>(index)];
}

// One non-empty item: its code downloaded and, when that worked, placed.
void MakeCode(Window1& palette, const fw::String& item, std::int32_t itemNumber,
              const CodeSettings& settings) {
    const std::vector<fw::String> fields = fw::Split(item, kFieldSeparator);
    const fw::String text = FieldOrEmpty(fields, 0);
    const fw::String firstValue = FieldOrEmpty(fields, 1);
    const fw::String secondValue = FieldOrEmpty(fields, 2);
    palette.SetST1(text);
    fw::Ref<fw::FolderItem> file =
        palette.DownQR(text, itemNumber, settings.encoding, settings.levelLetter, settings.size);
    if (!file) return;
    setqrcode(NewHostScriptArgumentList({file->AbsolutePath(), firstValue, secondValue}));
    palette.SetST1(kPlacingText);
}

}  // namespace

void Window1::makeqr_Action(fw::Control& /*sender*/) {
    const fw::String selection =
        fw::ReplaceAll(getcontents(NewHostScriptArgumentList()), fw::Chr(13), "");
    const CodeSettings settings = ReadSettings(*this);
    const std::vector<fw::String> items = fw::Split(selection, kItemSeparator);
    const std::int32_t lastItem = fw::LastIndex(items);
    for (std::int32_t i = 0; i <= lastItem; ++i) {
        const fw::String& item = items[static_cast<std::size_t>(i)];
        if (item != "") MakeCode(*this, item, i, settings);
        fw::RuntimeBackgroundTask();
    }
    SetST1(kIdleText);
}
