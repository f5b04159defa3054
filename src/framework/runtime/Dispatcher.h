#pragma once

#include <functional>

namespace fw {

// Runs one event handler on behalf of the event loop. Whatever the handler throws ends it and
// goes to the default handling (UnhandledException), so no exception crosses the loop.
// While a handler runs, no other is started: the call then gives back false without running
// the handler, and it is the event source's choice to drop or refuse the event.
bool DispatchEvent(const std::function<void()>& handler);

// True while a dispatched handler is running.
bool IsDispatching();

}  // namespace fw
