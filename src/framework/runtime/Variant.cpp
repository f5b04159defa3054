#include "framework/runtime/Variant.h"

namespace fw {

std::int32_t VarType(const Variant& value) {
    return std::holds_alternative<std::int32_t>(value.value_) ? TypeInteger : TypeString;
}

std::int32_t VariantToInt32(const Variant& value) {
    if (const auto* integer = std::get_if<std::int32_t>(&value.value_)) return *integer;
    return DoubleToInt32(Val(std::get<String>(value.value_)));
}

String VariantToString(const Variant& value) {
    if (const auto* integer = std::get_if<std::int32_t>(&value.value_)) return Str(*integer);
    return std::get<String>(value.value_);
}

}  // namespace fw
