#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/design/DesignValue.h"

namespace fw {

struct DesignEntry {
    std::string name;
    DesignValue value;

    bool operator==(const DesignEntry&) const = default;
};

// The entries of a record, or the reason it was refused.
struct DesignDecoding {
    std::vector<DesignEntry> entries;
    std::string error;  // empty when the whole record decoded

    explicit operator bool() const { return error.empty(); }
};

// Gives the type of a property by its name, or nothing when the receiving class has none.
using DesignTypeLookup = std::function<std::optional<DesignType>(std::string_view name)>;

// Decodes a whole record. A name that is not ASCII letters, a missing space, a name that the
// lookup does not know, a Boolean byte other than 0 or 1, or a value that runs past the end of
// the record refuses the record, with the entry's name and the byte offset in the error;
// nothing is read past the end.
DesignDecoding DecodeDesignRecord(std::string_view record, const DesignTypeLookup& typeOf);

}  // namespace fw
