#pragma once

#include <cstdint>

#include "framework/text/TextFunctions.h"

// The error-correction letter of the level popup's row, from the row number alone: "L", "M",
// "Q" and "H" for rows 0 to 3, the empty text for any other row.
fw::String LevelLetter(std::int32_t row);
