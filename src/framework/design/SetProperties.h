#pragma once

#include <string_view>

#include "framework/runtime/Object.h"

namespace fw {

// Applies a design-value record to an object, against the design properties of its class and
// its bases, entry by entry in record order. The whole record is decoded first: a record that
// is refused changes nothing and raises RuntimeException with the decoder's reason.
void SetProperties(Object& target, std::string_view record);

}  // namespace fw
