#pragma once

#include <string>
#include <vector>

#include "framework/runtime/UnhandledException.h"

// Collects what the default handling of unhandled exceptions reports ("Class: message"),
// for as long as it lives.
class UnhandledReports {
  public:
    UnhandledReports() {
        previous_ = fw::SetUnhandledExceptionReporter(
            [this](const std::string& name, const std::string& message) {
                reports_.push_back(name + ": " + message);
            });
    }
    ~UnhandledReports() { fw::SetUnhandledExceptionReporter(previous_); }
    UnhandledReports(const UnhandledReports&) = delete;
    UnhandledReports& operator=(const UnhandledReports&) = delete;

    const std::vector<std::string>& All() const { return reports_; }

  private:
    std::vector<std::string> reports_;
    fw::UnhandledExceptionReporter previous_;
};
