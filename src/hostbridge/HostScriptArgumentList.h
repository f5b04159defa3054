#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "framework/runtime/Object.h"
#include "framework/runtime/Variant.h"

// The values given to a host script, in order: a value of type code 2 goes as an integer,
// any other as its text. An empty list runs the script without arguments.
using HostScriptArgumentList = std::vector<fw::Variant>;

inline fw::Ref<HostScriptArgumentList> NewHostScriptArgumentList(
    std::initializer_list<fw::Variant> values = {}) {
    return std::make_shared<HostScriptArgumentList>(values);
}
