#include "framework/gui/MenuBar.h"

#include <QMenuBar>
#include <algorithm>

namespace fw {

const ClassRecord& MenuBar::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "MenuBar",
        .base = &MenuItem::ClassInfo(),
        .create = [] { return std::make_shared<MenuBar>(); },
    });
    return record;
}

MenuBar::~MenuBar() {
    for (QMenuBar* bar : shownIn_) {
        for (std::int32_t i = 0; i < Count(); ++i) bar->removeAction(Item(i)->Action());
    }
}

void MenuBar::ShowIn(QMenuBar& bar) {
    if (std::find(shownIn_.begin(), shownIn_.end(), &bar) != shownIn_.end()) return;
    for (std::int32_t i = 0; i < Count(); ++i) bar.addAction(Item(i)->Action());
    shownIn_.push_back(&bar);
}

void MenuBar::StopShowingIn(QMenuBar& bar) {
    auto found = std::find(shownIn_.begin(), shownIn_.end(), &bar);
    if (found == shownIn_.end()) return;
    for (std::int32_t i = 0; i < Count(); ++i) bar.removeAction(Item(i)->Action());
    shownIn_.erase(found);
}

void MenuBar::ChildAppended(MenuItem& child) {
    for (QMenuBar* bar : shownIn_) bar->addAction(child.Action());
}

}  // namespace fw
