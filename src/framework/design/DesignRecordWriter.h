#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/design/DesignValue.h"

namespace fw {

// Builds a design-value record: entries of a property name, one space and the value, with no
// count, separator or terminator. Integers and text lengths are big-endian.
class DesignRecordWriter {
  public:
    DesignRecordWriter& Int32(std::string_view name, std::int32_t value);
    DesignRecordWriter& Boolean(std::string_view name, bool value);
    DesignRecordWriter& ColorValue(std::string_view name, Color value);
    DesignRecordWriter& Text(std::string_view name, std::string_view value);

    const std::string& Bytes() const { return bytes_; }

  private:
    void Name(std::string_view name);
    void BigEndian32(std::uint32_t value);

    std::string bytes_;
};

}  // namespace fw
