#pragma once

#include <functional>

namespace fw {

// Runs one event handler on behalf of the event loop. Whatever the handler throws ends it and
// goes to the default handling (UnhandledException), so no exception crosses the loop.
// While a handler runs, no other is started: the call then gives back false without running
// the handler, and it is the event source's choice to drop or refuse the event.
bool DispatchEvent(const std::function<void()>& handler);

// For requests that must not be lost (a window's close, the application's quit): runs
// `request` through DispatchEvent when no handler runs and gives back true. While one runs,
// the request is kept and false is given back; kept requests run one after the other, in the
// order they came, as soon as the running handler ends. A request whose `key` is kept already
// is not kept again, so however many arrive it runs once.
bool DispatchOrKeep(const void* key, std::function<void()> request);

// True while a dispatched handler is running.
bool IsDispatching();

}  // namespace fw
