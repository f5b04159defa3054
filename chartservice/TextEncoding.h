#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chartservice {

// The encodings a chart's text can be re-encoded to.
enum class TextEncoding { Utf8, ShiftJis, Latin1 };

// The encoding a `choe` value names ("UTF-8", "Shift_JIS", "ISO-8859-1", exactly as written),
// or nothing for any other name.
std::optional<TextEncoding> TextEncodingNamed(std::string_view name);

// The name that TextEncodingNamed takes for the encoding.
std::string_view TextEncodingName(TextEncoding encoding);

// True when the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing above
// U+10FFFF, no sequence cut off.
bool IsValidUtf8(std::string_view bytes);

// True when every byte is below 0x80.
bool IsAscii(std::string_view bytes);

// The bytes of a text in an encoding, or the reason it cannot be had.
struct EncodedText {
    std::string bytes;
    std::string error;  // empty on success

    explicit operator bool() const { return error.empty(); }
};

// Re-encodes well-formed UTF-8 (see IsValidUtf8) to `encoding` with iconv, strictly: a
// character that the encoding has no code for refuses the text, and the error names it as
// U+XXXX. A text that plain Shift_JIS cannot code is coded with Windows' extended Shift_JIS
// (CP932) when that can; the bytes of every text that plain Shift_JIS codes stay its own. UTF-8
// comes back unchanged. Throws std::runtime_error when iconv lacks the conversion at all.
EncodedText EncodeText(std::string_view utf8, TextEncoding encoding);

}  // namespace chartservice
