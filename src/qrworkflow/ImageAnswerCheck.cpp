// The check that a chart answer holds a whole PNG image before it is handed to the host.
#include "qrworkflow/ImageAnswerCheck.h"

namespace {

// A decimal byte count, digits only; nullopt for anything else or beyond 18 digits.
std::optional<std::int64_t> ByteCount(const fw::String& text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::int64_t count = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9') return std::nullopt;
        count = count * 10 + (digit - '0');
    }
    return count;
}

}  // namespace

bool IsWholeImageAnswer(int status, std::int64_t bodyBytes,
                        const std::optional<fw::String>& contentLength,
                        std::string_view bodyStart) {
    if (status != 200 || bodyBytes <= 0 || !bodyStart.starts_with(kPngSignature)) return false;
    return !contentLength || ByteCount(*contentLength) == bodyBytes;
}
