#pragma once

#include "framework/runtime/RuntimeException.h"

namespace fw {

// Raised where an object reference that is about to be used is missing.
class NilObjectException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;

    const char* ClassName() const noexcept override { return "NilObjectException"; }
};

// Raises NilObjectException naming `what` when `object` is missing; otherwise gives it back.
template <class P>
P& Required(P& object, const char* what) {
    if (!object) throw NilObjectException(what);
    return object;
}

}  // namespace fw
