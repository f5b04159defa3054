#include "framework/gui/Timer.h"

#include <QTimer>
#include <string>

#include "framework/gui/DesignProperties.h"
#include "framework/runtime/RuntimeException.h"

namespace fw {

const ClassRecord& Timer::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "Timer",
        .base = &Control::ClassInfo(),
        .operations = {"Constructor()"},
        .events = {"Action"},
        .designProperties = {DesignSetter("Mode", &Timer::SetMode),
                             DesignSetter("Period", &Timer::SetPeriod)},
        .create = [] { return std::make_shared<Timer>(); },
    });
    return record;
}

Timer::~Timer() { delete timer_; }

void Timer::Constructor() {
    if (timer_) throw RuntimeException("the timer " + Name() + " is constructed already");
    timer_ = new QTimer();
    timer_->setSingleShot(true);
    QObject::connect(timer_, &QTimer::timeout, [this] { Tick(); });
    Restart();
}

void Timer::SetMode(std::int32_t mode) {
    if (mode < kOff || mode > kMultiple) {
        throw RuntimeException("timer mode " + std::to_string(mode) + " of " +
                               ControlObjectName(Name(), Index()) + " is not one of 0 to 2");
    }
    mode_ = mode;
    Restart();
}

void Timer::SetPeriod(std::int32_t period) {
    if (period < 1) {
        throw RuntimeException("timer period " + std::to_string(period) + " of " +
                               ControlObjectName(Name(), Index()) + " is below 1 ms");
    }
    period_ = period;
    Restart();
}

bool Timer::Running() const { return timer_ && timer_->isActive(); }

void Timer::Restart() {
    if (!timer_) return;
    timer_->stop();
    if (mode_ != kOff) timer_->start(period_);
}

void Timer::Tick() {
    // A repeating timer arms its next tick first, so a handler that changes Mode has the last
    // word; a single-shot timer is off while its Action runs.
    if (mode_ == kMultiple) timer_->start(period_);
    const bool single = mode_ == kSingle;
    if (single) mode_ = kOff;
    bool ran = RaiseEvent("Action");
    if (single && !ran && HasHandler("Action") && mode_ == kOff) {
        mode_ = kSingle;
        timer_->start(period_);
    }
}

}  // namespace fw
