#include "framework/runtime/Dispatcher.h"

#include <exception>

#include "framework/runtime/UnhandledException.h"

namespace fw {
namespace {

bool running = false;

}  // namespace

bool DispatchEvent(const std::function<void()>& handler) {
    if (running) return false;
    std::exception_ptr escaped;
    running = true;
    try {
        handler();
    } catch (...) {
        escaped = std::current_exception();
    }
    running = false;
    UnhandledException(escaped);
    return true;
}

bool IsDispatching() { return running; }

}  // namespace fw
