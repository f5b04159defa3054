#pragma once

#include <QPoint>
#include <array>
#include <cstdint>
#include <string>

#include "framework/files/TypeCode.h"
#include "shell/Window1.h"
#include "support/TempFolder.h"

// The selected rows of POP1(0) to POP1(2).
using Rows = std::array<std::int32_t, 3>;

inline Rows SelectedRows(const Window1& palette) {
    return {palette.POP1(0)->ListIndex(), palette.POP1(1)->ListIndex(),
            palette.POP1(2)->ListIndex()};
}

// Moves the palette and selects the rows, as the user would.
inline void PlacePalette(Window1& palette, QPoint place, const Rows& rows) {
    palette.SetLeft(place.x());
    palette.SetTop(place.y());
    for (std::int32_t index = 0; index < 3; ++index) {
        palette.POP1(index)->SetListIndex(rows[static_cast<std::size_t>(index)]);
    }
}

// Whether files in `folder` keep their type code (the file system keeps user attributes).
inline bool TypeCodesAreKept(const std::string& folder) {
    const std::string probe = folder + "/type-code-probe";
    vemo_test::WriteWholeFile(probe, "");
    fw::WriteTypeCode(probe, "test");
    const bool kept = fw::ReadTypeCode(probe) == "test";
    std::filesystem::remove(probe);
    return kept;
}
