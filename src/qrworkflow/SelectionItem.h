#pragma once

#include <cstdint>
#include <vector>

#include "framework/text/TextFunctions.h"

// One item of the Selection text that getcontents gives back: what a create run downloads and
// places, or an empty piece that it skips.
struct SelectionItem {
    // The item's position among all pieces, counted from 0 with the empty pieces counted.
    std::int32_t number = 0;
    // The piece between its separators held nothing, so the run makes no download for it.
    bool empty = false;
    // Fields 0 to 2 as they stand; the empty text for a field that the piece lacks.
    fw::String text;
    fw::String firstValue;
    fw::String secondValue;

    bool operator==(const SelectionItem&) const = default;
};

// The Selection text with every CR (code 13) removed, wherever it stands; LF stays.
fw::String WithoutCarriageReturns(const fw::String& selection);

// The pieces of `selection` between the separators "<Mipo2011br>", in order and numbered,
// empty pieces included; none for the empty text. Each non-empty piece is split at
// "<Mipo2011>" into its fields, of which the first three are kept and any later ones ignored.
std::vector<SelectionItem> SelectionItems(const fw::String& selection);
