#pragma once

#include <cstdint>

#include "framework/net/HTTPError.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// The parts of an address that a download uses.
struct HttpAddress {
    String host{};  // what to connect to: the host part before any ":"
    std::uint16_t port = 0;
    String hostHeader{};  // the host part as written, port included
    String target{};      // path and query, sent as they are; "/" when the address has none

    bool operator==(const HttpAddress&) const = default;
};

struct HttpAddressResult {
    HttpAddress address{};
    HTTPError error = HTTPError::None;

    explicit operator bool() const { return error == HTTPError::None; }
};

// Splits an address: everything up to the first "://" is dropped (the scheme is not looked
// at); the host part runs to the first "/", the rest is the target. The port is the leading
// digits after the host part's first ":"; none, or 0, gives `defaultPort`.
// Fails with BadAddress for an empty host or a port beyond 65535, and with UnsafeAddress when
// the host part or the target holds a space or a control byte (below 0x20, or 0x7F), which
// could not go into the request line and headers safely.
HttpAddressResult SplitAddress(const String& address, std::uint16_t defaultPort);

}  // namespace fw
