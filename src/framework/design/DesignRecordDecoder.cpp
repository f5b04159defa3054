// Reads design-value records: every read checks the bytes left, and a refusal says where.
#include "framework/design/DesignRecordDecoder.h"

#include <cstdint>
#include <string>
#include <utility>

namespace fw {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads a record front to back; every read checks the bytes left first.
class RecordReader {
  public:
    explicit RecordReader(std::string_view record) : record_(record) {}

    bool AtEnd() const { return at_ == record_.size(); }
    std::size_t Offset() const { return at_; }

    bool Take(std::size_t count, std::string_view& bytes) {
        if (record_.size() - at_ < count) return false;
        bytes = record_.substr(at_, count);
        at_ += count;
        return true;
    }

    std::string_view TakeName() {
        std::size_t begin = at_;
        while (at_ < record_.size() && IsAsciiLetter(record_[at_])) ++at_;
        return record_.substr(begin, at_ - begin);
    }

    bool TakeSpace() {
        if (at_ == record_.size() || record_[at_] != ' ') return false;
        ++at_;
        return true;
    }

    std::size_t Left() const { return record_.size() - at_; }

  private:
    std::string_view record_;
    std::size_t at_ = 0;
};

std::uint32_t BigEndian32(std::string_view four) {
    std::uint32_t value = 0;
    for (char c : four) value = (value << 8) | static_cast<unsigned char>(c);
    return value;
}

std::string CutShort(std::string_view name, std::size_t offset, std::size_t needed,
                     std::size_t left) {
    return "record cut short in the value of '" + std::string(name) + "' at byte " +
           std::to_string(offset) + ": it needs " + std::to_string(needed) + " bytes, " +
           std::to_string(left) + " left";
}

// Reads one value of the given type, or gives the reason it cannot.
std::string ReadValue(RecordReader& reader, std::string_view name, DesignType type,
                      DesignValue& value) {
    std::size_t offset = reader.Offset();
    std::string_view bytes;
    switch (type) {
        case DesignType::Int32:
            if (!reader.Take(4, bytes)) return CutShort(name, offset, 4, reader.Left());
            value = static_cast<std::int32_t>(BigEndian32(bytes));
            return {};
        case DesignType::Boolean:
            if (!reader.Take(1, bytes)) return CutShort(name, offset, 1, reader.Left());
            if (bytes[0] != 0 && bytes[0] != 1) {
                return "Boolean '" + std::string(name) + "' at byte " + std::to_string(offset) +
                       " is " + std::to_string(static_cast<unsigned char>(bytes[0])) +
                       ", not 0 or 1";
            }
            value = bytes[0] == 1;
            return {};
        case DesignType::Color:
            if (!reader.Take(3, bytes)) return CutShort(name, offset, 3, reader.Left());
            value = Color{static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1]),
                          static_cast<std::uint8_t>(bytes[2])};
            return {};
        case DesignType::Text: {
            if (!reader.Take(4, bytes)) return CutShort(name, offset, 4, reader.Left());
            std::uint32_t length = BigEndian32(bytes);
            if (!reader.Take(length, bytes)) {
                return "text '" + std::string(name) + "' at byte " + std::to_string(offset) +
                       " claims " + std::to_string(length) + " bytes, " +
                       std::to_string(reader.Left()) + " left";
            }
            value = std::string(bytes);
            return {};
        }
    }
    return "unknown value type";
}

}  // namespace

DesignDecoding DecodeDesignRecord(std::string_view record, const DesignTypeLookup& typeOf) {
    DesignDecoding decoding;
    RecordReader reader(record);
    while (!reader.AtEnd()) {
        std::size_t offset = reader.Offset();
        std::string_view name = reader.TakeName();
        if (name.empty()) {
            decoding.error = "expected a property name at byte " + std::to_string(offset);
            break;
        }
        if (!reader.TakeSpace()) {
            decoding.error = "expected a space after '" + std::string(name) + "' at byte " +
                             std::to_string(reader.Offset());
            break;
        }
        std::optional<DesignType> type = typeOf(name);
        if (!type) {
            decoding.error =
                "unknown property '" + std::string(name) + "' at byte " + std::to_string(offset);
            break;
        }
        DesignEntry entry{std::string(name), {}};
        decoding.error = ReadValue(reader, name, *type, entry.value);
        if (!decoding.error.empty()) break;
        decoding.entries.push_back(std::move(entry));
    }
    if (!decoding.error.empty()) decoding.entries.clear();
    return decoding;
}

}  // namespace fw
