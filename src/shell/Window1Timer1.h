#pragma once

#include "framework/gui/Timer.h"

// The class of the palette's timer: a Timer that registers on the palette like the other
// controls (its window and Index come with the registration).
class Window1Timer1 : public fw::Timer {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& ClassOf() const override { return ClassInfo(); }
};
