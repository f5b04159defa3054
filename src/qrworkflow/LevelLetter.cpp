// The error-correction letter that a create run hands to the chart request.
#include "qrworkflow/LevelLetter.h"

fw::String LevelLetter(std::int32_t row) {
    if (row == 0) return "L";
    if (row == 1) return "M";
    if (row == 2) return "Q";
    if (row == 3) return "H";
    return {};
}
