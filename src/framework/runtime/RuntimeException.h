#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// The base of the exceptions that the framework and the system raise. The class name is what
// the default handling reports.
class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message = {}) : std::runtime_error(message) {}

    virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

}  // namespace fw
