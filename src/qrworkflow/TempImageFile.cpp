// The temporary image file that an item's downloaded code is written to.
#include "qrworkflow/TempImageFile.h"

fw::String TempImageName(std::int32_t itemNumber) { return "temp_" + fw::Str(itemNumber) + ".png"; }
