#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace chartservice {

// Turns SIGINT and SIGTERM into one call of a function on a thread of its own, so the
// function may do what a signal handler may not (stop a server, join threads). Construct it
// before any other thread starts: the signals are blocked in the constructing thread, and
// threads started later inherit that.
class ShutdownSignals {
  public:
    explicit ShutdownSignals(std::function<void()> onSignal);
    // Stops waiting; the function is not called after this.
    ~ShutdownSignals();
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

  private:
    std::atomic<bool> closing_{false};
    std::thread waiter_;
};

}  // namespace chartservice
