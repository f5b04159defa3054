// The design-record decoder on any bytes: a record it takes is written back byte for byte.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "framework/design/DesignRecordDecoder.h"
#include "framework/design/DesignRecordWriter.h"
#include "fuzz/Require.h"

namespace {

using vemo_fuzz::Require;

// Names of every length are known, so that all four types come up; a name of ten letters or
// more is unknown, so that refusal by the lookup comes up too.
std::optional<fw::DesignType> TypeByNameLength(std::string_view name) {
    if (name.size() >= 10) return std::nullopt;
    return static_cast<fw::DesignType>(name.size() % 4);
}

void WriteEntry(fw::DesignRecordWriter& writer, const fw::DesignEntry& entry) {
    std::visit(
        [&](const auto& value) {
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::int32_t>) writer.Int32(entry.name, value);
            if constexpr (std::is_same_v<Value, bool>) writer.Boolean(entry.name, value);
            if constexpr (std::is_same_v<Value, fw::Color>) writer.ColorValue(entry.name, value);
            if constexpr (std::is_same_v<Value, std::string>) writer.Text(entry.name, value);
        },
        entry.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view record(reinterpret_cast<const char*>(data), size);
    fw::DesignDecoding decoding = fw::DecodeDesignRecord(record, TypeByNameLength);
    if (!decoding) {
        Require(decoding.entries.empty(), "a refused record gives no entries");
        return 0;
    }
    fw::DesignRecordWriter writer;
    for (const fw::DesignEntry& entry : decoding.entries) {
        Require(TypeByNameLength(entry.name) == static_cast<fw::DesignType>(entry.value.index()),
                "every value has its name's type");
        WriteEntry(writer, entry);
    }
    Require(writer.Bytes() == record, "a decoded record written back gives its bytes");
    return 0;
}
