#pragma once

#include <functional>
#include <memory>

#include "framework/runtime/Object.h"
#include "framework/runtime/RuntimeException.h"

namespace fw {

class Control;

// A callable with no parameters and no result.
using Delegate = std::function<void()>;

// The handler of one control's event; it is told which control raised the event.
using EventHandler = std::function<void(Control& sender)>;

// A delegate of a routine that is bound to no object.
Delegate RuntimeCreateDelegate(void (*routine)());

// A handler that runs `operation` on `receiver`. It does not keep the receiver alive: once the
// receiver is gone the handler does nothing. Throws RuntimeException when the receiver is not
// held by a Ref (it could not be reached safely later).
template <class R>
EventHandler RuntimeCreateDelegate(R& receiver, void (R::*operation)(Control&)) {
    std::weak_ptr<Object> bound = receiver.weak_from_this();
    if (bound.expired()) {
        throw RuntimeException("a delegate can only be bound to an object held by a reference");
    }
    return [bound, operation](Control& sender) {
        if (Ref<Object> object = bound.lock()) (static_cast<R&>(*object).*operation)(sender);
    };
}

}  // namespace fw
