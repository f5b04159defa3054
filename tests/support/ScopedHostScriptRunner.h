#pragma once

#include <memory>
#include <utility>

#include "framework/scripting/HostScripting.h"

namespace vemo_test {

// Installs a host-script runner for the life of the object and puts the previous one back.
template <class Runner>
class ScopedHostScriptRunner {
  public:
    explicit ScopedHostScriptRunner(std::shared_ptr<Runner> runner)
        : runner_(std::move(runner)), previous_(fw::SetHostScriptRunner(runner_)) {}
    ScopedHostScriptRunner(const ScopedHostScriptRunner&) = delete;
    ScopedHostScriptRunner& operator=(const ScopedHostScriptRunner&) = delete;
    ~ScopedHostScriptRunner() { fw::SetHostScriptRunner(std::move(previous_)); }

    Runner& operator*() const { return *runner_; }
    Runner* operator->() const { return runner_.get(); }

  private:
    std::shared_ptr<Runner> runner_;
    std::shared_ptr<fw::HostScriptRunner> previous_;
};

}  // namespace vemo_test
