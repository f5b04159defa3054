#pragma once

#include <functional>
#include <utility>

#include "framework/runtime/BackgroundTask.h"

// Runs `step` at every yield (RuntimeBackgroundTask), before the yield itself, while it lives.
class YieldHook {
  public:
    explicit YieldHook(std::function<void()> step) {
        previous_ = fw::SetBackgroundTask([this, step = std::move(step)] {
            step();
            if (previous_) previous_();
        });
    }
    ~YieldHook() { fw::SetBackgroundTask(std::move(previous_)); }
    YieldHook(const YieldHook&) = delete;
    YieldHook& operator=(const YieldHook&) = delete;

  private:
    std::function<void()> previous_;
};
