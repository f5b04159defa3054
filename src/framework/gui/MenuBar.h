#pragma once

#include <vector>

#include "framework/gui/MenuItem.h"

class QMenuBar;

namespace fw {

// The root of a menu tree: its children are the top menus. It needs no Constructor of its
// own, and one bar can be shown in several windows' QMenuBars at once.
class MenuBar : public MenuItem {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }
    ~MenuBar() override;

    // Shows the top menus in `bar`, and every menu appended later; the caller stops it
    // (StopShowingIn) before `bar` is destroyed.
    void ShowIn(QMenuBar& bar);
    void StopShowingIn(QMenuBar& bar);

  protected:
    void ChildAppended(MenuItem& child) override;

  private:
    std::vector<QMenuBar*> shownIn_;
};

}  // namespace fw
