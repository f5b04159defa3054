// The preference file: the palette's place and its three settings, kept from one run to the
// next as five lines of decimal integers.
#include <array>
#include <cstdint>
#include <filesystem>

#include "framework/files/FolderItem.h"
#include "framework/files/GetFolderItem.h"
#include "framework/files/SpecialFolder.h"
#include "framework/files/TextInputStream.h"
#include "framework/files/TextOutputStream.h"
#include "framework/gui/Runtime.h"
#include "framework/runtime/NilObjectException.h"
#include "shell/Window1.h"

namespace {

constexpr const char* kPreferenceFileName = "vemo_p.pref";
constexpr const char* kPreferenceTypeCode = "pref";
// A palette placed further up or left could not be reached by its title bar.
constexpr std::int32_t kLeastLeft = 10;
constexpr std::int32_t kLeastTop = 40;
constexpr std::int32_t kSettingRows = 3;

// What the file holds, in the order of its lines.
struct PaletteSettings {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::array<std::int32_t, kSettingRows> rows{};
};

fw::Ref<fw::FolderItem> PreferenceFile() {
    fw::Ref<fw::FolderItem> folder = fw::SpecialFolder::Preferences();
    return folder ? folder->Child(kPreferenceFileName) : nullptr;
}

// A line the file does not have reads as the empty text, which counts as 0.
std::int32_t LineValue(fw::TextInputStream& stream) {
    return fw::DoubleToInt32(fw::Val(stream.ReadLine()));
}

// Reads all five lines before anything is applied; lines after them are ignored.
PaletteSettings ReadSettings(fw::TextInputStream& stream) {
    PaletteSettings settings;
    settings.left = LineValue(stream);
    settings.top = LineValue(stream);
    for (std::int32_t& row : settings.rows) row = LineValue(stream);
    if (settings.left < kLeastLeft) settings.left = kLeastLeft;
    if (settings.top < kLeastTop) settings.top = kLeastTop;
    return settings;
}

fw::Ref<Window1> ThePalette() {
    fw::Ref<Window1> palette = Window1::Instance();
    return fw::Required(palette, "the palette");
}

// The per-user configuration folder may not exist yet on a fresh account.
void MakeFolderOf(const fw::FolderItem& file) {
    const auto folderPath = std::filesystem::path(file.AbsolutePath()).parent_path();
    if (fw::Ref<fw::FolderItem> folder = fw::GetFolderItem(folderPath.string(), 0)) {
        folder->CreateAsFolder();
    }
}

// The stream replaces the old file only when its Close completes, so a failure or a kill on
// the way leaves the previous file whole.
void WriteSettings(fw::FolderItem& file, const Window1& owner) {
    MakeFolderOf(file);
    fw::Ref<fw::TextOutputStream> stream = file.CreateTextFile();
    if (!stream) return;
    file.SetMacType(kPreferenceTypeCode);
    // The position through the accessor, the popups through the palette the handler runs on:
    // both must stay so, the accessor giving this same palette while Open and Close run.
    fw::Ref<Window1> palette = ThePalette();
    stream->WriteLine(fw::Str(palette->Left()));
    stream->WriteLine(fw::Str(palette->Top()));
    for (std::int32_t index = 0; index < kSettingRows; ++index) {
        stream->WriteLine(fw::Str(owner.RequiredPOP1(index).ListIndex()));
    }
    stream->Close();
}

}  // namespace

void Window1::Event_Open() {
    gMyPref = PreferenceFile();
    if (!gMyPref || !gMyPref->Exists()) return;
    fw::Ref<fw::TextInputStream> stream = gMyPref->OpenAsTextFile();
    if (!stream) return;
    const PaletteSettings settings = ReadSettings(*stream);
    fw::Ref<Window1> palette = ThePalette();
    palette->SetLeft(settings.left);
    palette->SetTop(settings.top);
    for (std::int32_t index = 0; index < kSettingRows; ++index) {
        RequiredPOP1(index).SetListIndex(settings.rows[static_cast<std::size_t>(index)]);
    }
    stream->Close();
}

void Window1::Event_Close() {
    if (gMyPref) WriteSettings(*gMyPref, *this);
    fw::Quit(0);
}
