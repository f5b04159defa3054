#include "standinhost/LogField.h"

namespace standinhost {

std::string LogField::Escape(std::string_view value) {
    const char* const hex = "0123456789abcdef";
    std::string field;
    field.reserve(value.size());
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\':
                field += "\\\\";
                break;
            case '\t':
                field += "\\t";
                break;
            case '\r':
                field += "\\r";
                break;
            case '\n':
                field += "\\n";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    field += "\\x";
                    field += hex[byte >> 4];
                    field += hex[byte & 0xF];
                } else {
                    field += c;
                }
        }
    }
    return field;
}

}  // namespace standinhost
