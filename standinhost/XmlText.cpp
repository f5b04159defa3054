#include "standinhost/XmlText.h"

#include <cstdint>

namespace standinhost {

namespace {

// The length of the UTF-8 sequence at the start of `text` and its code point, or 0 when it
// is no whole, shortest, valid sequence.
std::size_t Sequence(std::string_view text, std::uint32_t& code) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const std::uint32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace

std::string XmlText::Clean(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    while (!text.empty()) {
        std::uint32_t code = 0;
        const std::size_t length = Sequence(text, code);
        if (length == 0) {
            text.remove_prefix(1);
            continue;
        }
        if (code == 0xFFFE || code == 0xFFFF) {
            clean += "\xEF\xBF\xBD";
        } else if (code >= 0x20 || code == '\t' || code == '\n' || code == '\r') {
            clean.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return clean;
}

}  // namespace standinhost
