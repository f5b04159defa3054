#include "chartservice/TextEncoding.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace chartservice {
namespace {

struct EncodingEntry {
    TextEncoding encoding;
    std::string_view name;
    const char* iconvName;
};

constexpr std::array<EncodingEntry, 3> kEncodings{{
    {TextEncoding::Utf8, "UTF-8", "UTF-8"},
    {TextEncoding::ShiftJis, "Shift_JIS", "SHIFT_JIS"},
    {TextEncoding::Latin1, "ISO-8859-1", "ISO-8859-1"},
}};

const EncodingEntry& EntryOf(TextEncoding encoding) {
    for (const EncodingEntry& entry : kEncodings) {
        if (entry.encoding == encoding) return entry;
    }
    throw std::logic_error("unknown text encoding");
}

struct Utf8Sequence {
    std::size_t length;  // 0 when the bytes do not start with a well-formed sequence
    std::uint32_t codePoint;
};

Utf8Sequence DecodeSequence(std::string_view bytes) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const Utf8Sequence malformed{0, bytes.empty() ? 0u : byte(0)};
    if (bytes.empty()) return malformed;
    unsigned char lead = byte(0);
    if (lead < 0x80) return {1, lead};
    std::size_t length;
    std::uint32_t codePoint;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return malformed;
    }
    if (bytes.size() < length) return malformed;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return malformed;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    bool overlong = codePoint < smallest[length];
    bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (overlong || surrogate || codePoint > 0x10FFFF) return malformed;
    return {length, codePoint};
}

std::string CodePointName(std::uint32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

class Converter {
  public:
    explicit Converter(const char* to) : handle_(iconv_open(to, "UTF-8")) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv has no conversion to ") + to);
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    EncodedText Convert(std::string_view utf8, std::string_view encodingName) {
        EncodedText result;
        // No target encoding here needs more than three bytes for a UTF-8 byte.
        result.bytes.resize(utf8.size() * 3 + 4);
        char* in = const_cast<char*>(utf8.data());
        std::size_t inLeft = utf8.size();
        char* out = result.bytes.data();
        std::size_t outLeft = result.bytes.size();
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            if (errno != EILSEQ && errno != EINVAL) throw std::runtime_error("iconv failed");
            std::string_view rest(in, inLeft);
            result.error = "chl holds " + CodePointName(DecodeSequence(rest).codePoint) +
                           ", which " + std::string(encodingName) + " cannot represent";
            result.bytes.clear();
            return result;
        }
        result.bytes.resize(result.bytes.size() - outLeft);
        return result;
    }

  private:
    iconv_t handle_;
};

}  // namespace

std::optional<TextEncoding> TextEncodingNamed(std::string_view name) {
    for (const EncodingEntry& entry : kEncodings) {
        if (entry.name == name) return entry.encoding;
    }
    return std::nullopt;
}

std::string_view TextEncodingName(TextEncoding encoding) { return EntryOf(encoding).name; }

bool IsValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        std::size_t length = DecodeSequence(bytes).length;
        if (length == 0) return false;
        bytes.remove_prefix(length);
    }
    return true;
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

EncodedText EncodeText(std::string_view utf8, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) return EncodedText{std::string(utf8), {}};
    const EncodingEntry& entry = EntryOf(encoding);
    EncodedText encoded = Converter(entry.iconvName).Convert(utf8, entry.name);
    if (!encoded && encoding == TextEncoding::ShiftJis) {
        // Japanese texts from Windows and Mac use Windows' Shift_JIS extensions (circled
        // digits, the full-width tilde); its superset codes them where plain Shift_JIS has none.
        EncodedText extended = Converter("CP932").Convert(utf8, entry.name);
        if (extended) return extended;
    }
    return encoded;
}

}  // namespace chartservice
