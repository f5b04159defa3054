#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "framework/runtime/ClassRecord.h"

namespace fw {

template <class V>
constexpr DesignType DesignTypeOf() {
    using Plain = std::remove_cvref_t<V>;
    if constexpr (std::is_same_v<Plain, std::int32_t>) return DesignType::Int32;
    if constexpr (std::is_same_v<Plain, bool>) return DesignType::Boolean;
    if constexpr (std::is_same_v<Plain, Color>) return DesignType::Color;
    if constexpr (std::is_same_v<Plain, std::string>) return DesignType::Text;
}

// A design property applied through a setter of C; the setter's parameter gives its type.
template <class C, class V>
DesignProperty DesignSetter(const char* name, void (C::*setter)(V)) {
    return {name, DesignTypeOf<V>(), [setter](Object& object, const DesignValue& value) {
                (static_cast<C&>(object).*setter)(std::get<std::remove_cvref_t<V>>(value));
            }};
}

// A design property that is accepted with its type and has no effect here.
inline DesignProperty IgnoredDesignProperty(const char* name, DesignType type) {
    return {name, type, [](Object&, const DesignValue&) {}};
}

}  // namespace fw
