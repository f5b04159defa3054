#pragma once

#include "framework/runtime/RuntimeException.h"

namespace fw {

// Raised when an object is taken as a class that it is not an instance of.
class IllegalCastException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;

    const char* ClassName() const noexcept override { return "IllegalCastException"; }
};

}  // namespace fw
