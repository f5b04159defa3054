#include "framework/net/HttpAddress.h"

#include <algorithm>
#include <optional>

namespace fw {
namespace {

bool IsUnsafeByte(char byte) {
    auto value = static_cast<unsigned char>(byte);
    return value <= 0x20 || value == 0x7F;
}

bool HoldsUnsafeByte(const String& text) {
    return std::any_of(text.begin(), text.end(), IsUnsafeByte);
}

// The leading digits of `text`; nullopt for a value beyond 65535. No digits give 0.
std::optional<std::uint32_t> LeadingNumber(const String& text) {
    std::uint32_t value = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9') break;
        value = value * 10 + static_cast<std::uint32_t>(digit - '0');
        if (value > 65535) return std::nullopt;
    }
    return value;
}

}  // namespace

HttpAddressResult SplitAddress(const String& address, std::uint16_t defaultPort) {
    std::size_t scheme = address.find("://");
    String rest = scheme == String::npos ? address : address.substr(scheme + 3);
    std::size_t slash = rest.find('/');
    HttpAddressResult result;
    HttpAddress& parts = result.address;
    parts.hostHeader = rest.substr(0, slash);
    parts.target = slash == String::npos ? "/" : rest.substr(slash);
    std::size_t colon = parts.hostHeader.find(':');
    parts.host = parts.hostHeader.substr(0, colon);

    std::optional<std::uint32_t> port = 0;
    if (colon != String::npos) port = LeadingNumber(parts.hostHeader.substr(colon + 1));
    if (HoldsUnsafeByte(parts.hostHeader) || HoldsUnsafeByte(parts.target)) {
        result.error = HTTPError::UnsafeAddress;
    } else if (parts.host.empty() || !port) {
        result.error = HTTPError::BadAddress;
    } else {
        parts.port = *port == 0 ? defaultPort : static_cast<std::uint16_t>(*port);
    }
    return result;
}

}  // namespace fw
