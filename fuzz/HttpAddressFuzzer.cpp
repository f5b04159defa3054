// The address split on any bytes: what a split that succeeds gives, and why one fails.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/net/HttpAddress.h"
#include "fuzz/Require.h"

namespace {

using vemo_fuzz::Require;

constexpr std::uint16_t kDefaultPort = 80;

bool IsUnsafeByte(char byte) {
    auto value = static_cast<unsigned char>(byte);
    return value <= 0x20 || value == 0x7F;
}

bool HoldsUnsafeByte(const std::string& text) {
    return std::any_of(text.begin(), text.end(), IsUnsafeByte);
}

// The address without its scheme: what the host part and the target are cut from.
std::string AfterScheme(const std::string& address) {
    std::size_t scheme = address.find("://");
    return scheme == std::string::npos ? address : address.substr(scheme + 3);
}

void CheckSplit(const std::string& address, const fw::HttpAddress& parts) {
    Require(!parts.host.empty(), "a split address has a host");
    Require(!HoldsUnsafeByte(parts.hostHeader) && !HoldsUnsafeByte(parts.target),
            "no space or control byte goes into the request");
    Require(parts.port != 0, "the port is 1 to 65535");
    Require(parts.hostHeader.starts_with(parts.host), "the host starts the host part");
    Require(parts.host.find(':') == std::string::npos, "the host ends at the first colon");
    Require(parts.target.starts_with('/'), "the target is a path");
    std::string rest = AfterScheme(address);
    bool hasPath = rest.find('/') != std::string::npos;
    Require(rest == parts.hostHeader + (hasPath ? parts.target : ""),
            "host part and target are the address after its scheme");
    if (parts.hostHeader == parts.host) {
        Require(parts.port == kDefaultPort, "no port written gives the default");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string address(reinterpret_cast<const char*>(data), size);
    fw::HttpAddressResult result = fw::SplitAddress(address, kDefaultPort);
    if (result) {
        CheckSplit(address, result.address);
        return 0;
    }
    Require(
        result.error == fw::HTTPError::BadAddress || result.error == fw::HTTPError::UnsafeAddress,
        "a refused address is bad or unsafe");
    if (result.error == fw::HTTPError::UnsafeAddress) {
        Require(HoldsUnsafeByte(AfterScheme(address)), "an unsafe address holds an unsafe byte");
    }
    return 0;
}
