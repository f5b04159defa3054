#pragma once

#include <string_view>
#include <vector>

#include "framework/runtime/Object.h"

namespace fw {

class Window;

// The open window of the class with this full name ("Window1.Window1"), or nil when none is
// open. A window can be found from the start of its construction until after its Close event.
Ref<Window> GetImplicitWindow(std::string_view fullClassName);

// The open windows, oldest first.
std::vector<Ref<Window>> OpenWindows();

// Used by Window: a window under construction joins the open list; a closed or failed window
// leaves it. Closed windows are kept until the loop is idle again (one of them may still have
// its own code on the stack), and the last window closing asks the loop to end with 0
// unless an exit code was asked for already.
void AddOpenWindow(Ref<Window> window);
void RemoveFailedWindow(const Window& window);
void MoveToClosedWindows(const Window& window);

// Drops both lists; windows that nothing else holds are destroyed.
void ReleaseWindowLists();

}  // namespace fw
