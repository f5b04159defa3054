#pragma once

#include <cstdint>

#include "framework/gui/PopupMenu.h"

// The element class of the palette's control array POP1 (the three setting popup menus).
class Window1POP1 : public fw::PopupMenu {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& ClassOf() const override { return ClassInfo(); }

    // The element constructor: sets Index, then builds the control.
    void Constructor(std::int32_t index);
};
