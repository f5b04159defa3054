#pragma once

#include <string>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/IllegalCastException.h"
#include "framework/runtime/Object.h"

namespace fw {

// The object typed as T. A missing object stays missing; an object of another class raises
// IllegalCastException.
template <class T, class U>
Ref<T> RuntimeCheckCast(const Ref<U>& object) {
    if (!object) return nullptr;
    if (auto typed = std::dynamic_pointer_cast<T>(object)) return typed;
    throw IllegalCastException("a " + object->ClassOf().Name() + " is not a " +
                               T::ClassInfo().Name());
}

}  // namespace fw
