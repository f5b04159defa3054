#include "standinhost/PngHeader.h"

#include <string>

namespace standinhost {

namespace {

std::uint32_t Be32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (unsigned char byte : bytes.substr(0, 4)) value = (value << 8) | byte;
    return value;
}

}  // namespace

Outcome<PngHeader> PngHeader::Parse(std::string_view start) {
    using Result = Outcome<PngHeader>;
    if (start.size() < kLength) {
        return Result::Failure("not a PNG file: only " + std::to_string(start.size()) + " bytes");
    }
    if (start.substr(0, 8) != "\x89PNG\r\n\x1a\n") {
        return Result::Failure("not a PNG file: no PNG signature");
    }
    if (start.substr(12, 4) != "IHDR") return Result::Failure("not a PNG file: no IHDR header");
    const std::uint32_t width = Be32(start.substr(16));
    const std::uint32_t height = Be32(start.substr(20));
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    if (width == 0 || height == 0) return Result::Failure("not a PNG file: a size of " + size);
    if (width > kMaxSide || height > kMaxSide) {
        return Result::Failure("the image is too large: " + size + " pixels (at most " +
                               std::to_string(kMaxSide) + " a side)");
    }
    return PngHeader(width, height);
}

}  // namespace standinhost
