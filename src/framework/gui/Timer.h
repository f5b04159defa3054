#pragma once

#include <cstdint>

#include "framework/gui/Control.h"

class QTimer;

namespace fw {

// A control without a place on screen that raises Action after each Period. A tick that comes
// while another handler runs is dropped; a single-shot timer then tries again after one more
// Period.
class Timer : public Control {
  public:
    enum Mode : std::int32_t { kOff = 0, kSingle = 1, kMultiple = 2 };

    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }
    ~Timer() override;

    // Makes the Qt timer; it starts when Mode and Period say so.
    virtual void Constructor();
    bool IsConstructed() const override { return timer_ != nullptr; }

    std::int32_t Mode() const { return mode_; }
    // 0 off, 1 one Action then off, 2 an Action every Period. Other values raise
    // RuntimeException. Setting it starts the Period afresh.
    void SetMode(std::int32_t mode);
    std::int32_t Period() const { return period_; }
    // Milliseconds, at least 1 (RuntimeException otherwise); starts the Period afresh.
    void SetPeriod(std::int32_t period);

    // True while the Qt timer is counting towards an Action.
    bool Running() const;

  private:
    void Restart();
    void Tick();

    QTimer* timer_ = nullptr;  // owned
    std::int32_t mode_ = kOff;
    std::int32_t period_ = 1000;
};

}  // namespace fw
