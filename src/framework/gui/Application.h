#pragma once

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"

namespace fw {

class MenuBar;

// The application object; the system registers one with RegisterAppObject.
class Application : public Object {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }

    // The application's menu bar; nil until one is set. Windows show their own (Window).
    const Ref<fw::MenuBar>& MenuBar() const { return menuBar_; }
    void SetMenuBar(Ref<fw::MenuBar> menuBar) { menuBar_ = std::move(menuBar); }

  private:
    Ref<fw::MenuBar> menuBar_;
};

}  // namespace fw
