#pragma once

#include <cstdint>

#include "framework/text/TextFunctions.h"

// The name of an item's temporary image file in the folder "temp": "temp_" + Str(itemNumber)
// + ".png", so that every run writes the same names again.
fw::String TempImageName(std::int32_t itemNumber);
