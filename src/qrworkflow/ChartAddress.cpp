// The client's chart address: the query that the chart service reads, percent-encoded.
#include "qrworkflow/ChartAddress.h"

namespace {

bool IsUnreserved(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

}  // namespace

fw::String PercentEncode(const fw::String& value) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    fw::String encoded;
    encoded.reserve(value.size());
    for (char character : value) {
        auto byte = static_cast<unsigned char>(character);
        if (IsUnreserved(byte)) {
            encoded.push_back(character);
        } else {
            encoded += {'%', kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]};
        }
    }
    return encoded;
}

fw::String ChartPath(const fw::String& text, const fw::String& encoding,
                     const fw::String& levelLetter, const fw::String& size) {
    return "/chart?cht=qr&chs=" + PercentEncode(size) + "x" + PercentEncode(size) +
           "&choe=" + PercentEncode(encoding) + "&chl=" + PercentEncode(text) +
           "&chld=" + PercentEncode(levelLetter);
}

fw::String ChartAddress(const fw::String& host, const fw::String& text, const fw::String& encoding,
                        const fw::String& levelLetter, const fw::String& size) {
    return "http://" + host + ChartPath(text, encoding, levelLetter, size);
}
