#pragma once

#include <cstdint>
#include <string>

// The design-value records of the palette and its controls.

// The place and tab position of one control on the palette.
struct ControlPlace {
    const char* name;
    std::int32_t index;  // fw::Control::kNoIndex outside an array
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
    std::int32_t tabIndex;
};

struct PopupDesign {
    ControlPlace place;
    const char* rows;  // joined by CR
};

struct LabelDesign {
    ControlPlace place;
    const char* text;
    bool multiline;
};

std::string PaletteWindowRecord();
std::string TimerRecord(std::int32_t mode, std::int32_t period);
std::string ButtonRecord(const ControlPlace& place, const char* caption);
std::string PopupRecord(const PopupDesign& design);
std::string LabelRecord(const LabelDesign& design);

// The palette's controls, as CreateControls0 makes them.
extern const ControlPlace kMakeqrPlace;
extern const char* const kMakeqrCaption;
extern const PopupDesign kEncodingPopup;  // POP1(0)
extern const PopupDesign kLevelPopup;     // POP1(1)
extern const PopupDesign kSizePopup;      // POP1(2)
extern const LabelDesign kEncodingLabel;  // ST2(0)
extern const LabelDesign kLevelLabel;     // ST2(1)
extern const LabelDesign kSizeLabel;      // ST2(2)
extern const LabelDesign kStatusLine;     // ST1
