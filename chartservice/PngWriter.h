#pragma once

#include <string>

#include "chartservice/Bitmap.h"

namespace chartservice {

// The bitmap as the bytes of a 1-bit greyscale PNG file, written with libpng. Throws
// std::invalid_argument for an empty bitmap (PNG has no zero-sized image), std::bad_alloc
// when memory runs out, and std::runtime_error, with libpng's message, when libpng fails.
std::string EncodePng(const Bitmap& bitmap);

}  // namespace chartservice
