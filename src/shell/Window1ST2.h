#pragma once

#include <cstdint>

#include "framework/gui/StaticText.h"

// The element class of the palette's control array ST2 (the three setting labels).
class Window1ST2 : public fw::StaticText {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& ClassOf() const override { return ClassInfo(); }

    // The element constructor: sets Index, then builds the control.
    void Constructor(std::int32_t index);
};
