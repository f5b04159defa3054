// The create run: one click on the create button downloads and places a code for every
// non-empty item of Illustrator's selection.
#include "framework/runtime/BackgroundTask.h"
#include "hostbridge/HostScriptCalls.h"
#include "qrworkflow/LevelLetter.h"
#include "qrworkflow/SelectionItem.h"
#include "shell/PaletteTexts.h"
#include "shell/Window1.h"

namespace {

const fw::String kPlacingText = "セット中";

// What the three popups are set to when a run starts; every item of the run uses it.
struct CodeSettings {
    fw::String encoding;
    fw::String levelLetter;
    fw::String size;
};

CodeSettings ReadSettings(const Window1& palette) {
    CodeSettings settings;
    settings.encoding = palette.RequiredPOP1(0).Text();
    settings.levelLetter = LevelLetter(palette.RequiredPOP1(1).ListIndex());
    settings.size = palette.RequiredPOP1(2).Text();
    return settings;
}

// One non-empty item: its code downloaded and, when that worked, placed.
void MakeCode(Window1& palette, const SelectionItem& item, const CodeSettings& settings) {
    palette.SetST1(item.text);
    fw::Ref<fw::FolderItem> file = palette.DownQR(item.text, item.number, settings.encoding,
                                                  settings.levelLetter, settings.size);
    if (!file) return;
    setqrcode(NewHostScriptArgumentList({file->AbsolutePath(), item.firstValue, item.secondValue}));
    palette.SetST1(kPlacingText);
}

}  // namespace

void Window1::makeqr_Action(fw::Control& /*sender*/) {
    const fw::String selection = WithoutCarriageReturns(getcontents(NewHostScriptArgumentList()));
    const CodeSettings settings = ReadSettings(*this);
    for (const SelectionItem& item : SelectionItems(selection)) {
        if (!item.empty) MakeCode(*this, item, settings);
        fw::RuntimeBackgroundTask();
    }
    SetST1(kIdleText);
}
