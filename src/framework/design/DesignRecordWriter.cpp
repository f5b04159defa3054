// Writes design-value records, the form the decoder reads back.
#include "framework/design/DesignRecordWriter.h"

#include <cstdint>

namespace fw {

void DesignRecordWriter::Name(std::string_view name) {
    bytes_.append(name);
    bytes_ += ' ';
}

void DesignRecordWriter::BigEndian32(std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes_ += static_cast<char>((value >> shift) & 0xFF);
    }
}

DesignRecordWriter& DesignRecordWriter::Int32(std::string_view name, std::int32_t value) {
    Name(name);
    BigEndian32(static_cast<std::uint32_t>(value));
    return *this;
}

DesignRecordWriter& DesignRecordWriter::Boolean(std::string_view name, bool value) {
    Name(name);
    bytes_ += static_cast<char>(value ? 1 : 0);
    return *this;
}

DesignRecordWriter& DesignRecordWriter::ColorValue(std::string_view name, Color value) {
    Name(name);
    bytes_ += static_cast<char>(value.red);
    bytes_ += static_cast<char>(value.green);
    bytes_ += static_cast<char>(value.blue);
    return *this;
}

DesignRecordWriter& DesignRecordWriter::Text(std::string_view name, std::string_view value) {
    Name(name);
    BigEndian32(static_cast<std::uint32_t>(value.size()));
    bytes_.append(value);
    return *this;
}

}  // namespace fw
