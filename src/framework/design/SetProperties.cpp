#include "framework/design/SetProperties.h"

#include "framework/design/DesignRecordDecoder.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/RuntimeException.h"

namespace fw {

void SetProperties(Object& target, std::string_view record) {
    const ClassRecord& classRecord = target.ClassOf();
    DesignDecoding decoding =
        DecodeDesignRecord(record, [&](std::string_view name) -> std::optional<DesignType> {
            const DesignProperty* property = classRecord.FindDesignProperty(name);
            if (!property) return std::nullopt;
            return property->type;
        });
    if (!decoding) {
        throw RuntimeException("design record for " + classRecord.Name() +
                               " refused: " + decoding.error);
    }
    for (const auto& entry : decoding.entries) {
        classRecord.FindDesignProperty(entry.name)->apply(target, entry.value);
    }
}

}  // namespace fw
