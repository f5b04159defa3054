#include "framework/gui/WindowList.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/runtime/Dispatcher.h"

namespace fw {
namespace {

std::vector<Ref<Window>>& Open() {
    static std::vector<Ref<Window>> windows;
    return windows;
}

std::vector<Ref<Window>>& Closed() {
    static std::vector<Ref<Window>> windows;
    return windows;
}

Ref<Window> TakeOpen(const Window& window) {
    auto& open = Open();
    auto found = std::find_if(open.begin(), open.end(),
                              [&](const Ref<Window>& w) { return w.get() == &window; });
    if (found == open.end()) return nullptr;
    Ref<Window> taken = std::move(*found);
    open.erase(found);
    return taken;
}

void ReleaseClosedWhenIdle(int delayMs = 0) {
    if (!QCoreApplication::instance()) return;
    QTimer::singleShot(delayMs, QCoreApplication::instance(), [] {
        if (IsDispatching()) {
            // A handler is yielding to the loop; look again after a while, not every turn.
            constexpr int kRetryMs = 50;
            ReleaseClosedWhenIdle(kRetryMs);
            return;
        }
        // Moved out first: a window's teardown may close or release other windows.
        std::vector<Ref<Window>> released = std::move(Closed());
        Closed().clear();
    });
}

}  // namespace

Ref<Window> GetImplicitWindow(std::string_view fullClassName) {
    for (const auto& window : Open()) {
        if (window->ClassOf().Name() == fullClassName) return window;
    }
    return nullptr;
}

std::vector<Ref<Window>> OpenWindows() { return Open(); }

void AddOpenWindow(Ref<Window> window) { Open().push_back(std::move(window)); }

void RemoveFailedWindow(const Window& window) {
    if (Ref<Window> failed = TakeOpen(window)) Closed().push_back(std::move(failed));
    ReleaseClosedWhenIdle();
}

void MoveToClosedWindows(const Window& window) {
    Ref<Window> closed = TakeOpen(window);
    if (!closed) return;
    Closed().push_back(std::move(closed));
    ReleaseClosedWhenIdle();
    if (Open().empty() && !QuitRequested()) Quit(0);
}

void ReleaseWindowLists() {
    // Moved into locals, not cleared in place: a window's teardown may reach the lists.
    std::vector<Ref<Window>> open = std::move(Open());
    std::vector<Ref<Window>> closed = std::move(Closed());
    Open().clear();
    Closed().clear();
}

}  // namespace fw
