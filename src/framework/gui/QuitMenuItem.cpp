#include "framework/gui/QuitMenuItem.h"

#include <QAction>

#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/WindowList.h"
#include "framework/runtime/Dispatcher.h"

namespace fw {
namespace {

// Quits asked for while a handler runs are one kept request.
const char kQuitRequest = 0;

}  // namespace

const ClassRecord& QuitMenuItem::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "QuitMenuItem",
        .base = &MenuItem::ClassInfo(),
        .overrides = {"Constructor()"},
        .create = [] { return std::make_shared<QuitMenuItem>(); },
    });
    return record;
}

void QuitMenuItem::Constructor() {
    MenuItem::Constructor();
    QObject::connect(Action(), &QAction::triggered, Action(),
                     [] { DispatchOrKeep(&kQuitRequest, &QuitMenuItem::QuitApplication); });
}

void QuitMenuItem::QuitApplication() {
    for (const auto& window : OpenWindows()) {
        if (!window->Close()) return;
    }
    if (!QuitRequested()) Quit(0);
}

}  // namespace fw
