#pragma once

#include <functional>

namespace fw {

// Called at the end of every pass of a long loop inside a handler (the create run, the
// host-script argument loop, the download's wait). The GUI runtime lets the windows repaint
// here; it delivers no input and starts no other handler.
void RuntimeBackgroundTask();

// Replaces what RuntimeBackgroundTask does (the GUI runtime installs its own; tests count the
// calls); gives back the task it replaces. An empty task does nothing.
std::function<void()> SetBackgroundTask(std::function<void()> task);

}  // namespace fw
