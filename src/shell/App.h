#pragma once

#include "framework/gui/Application.h"

// The application class: Application's operations unchanged, no events handled.
class App : public fw::Application {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& ClassOf() const override { return ClassInfo(); }
};
