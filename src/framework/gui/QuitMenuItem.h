#pragma once

#include "framework/gui/MenuItem.h"

namespace fw {

// A menu item that quits the application when chosen: it closes every open window (their
// CancelClose and Close events run; a refused close stops the quit), then asks the loop to end
// with 0 unless an exit code was asked for already.
class QuitMenuItem : public MenuItem {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }

    void Constructor() override;

    // What choosing the item does; runs inside the dispatcher when the user chooses it. Chosen
    // while a handler runs, it runs once as soon as that handler ends.
    static void QuitApplication();
};

}  // namespace fw
