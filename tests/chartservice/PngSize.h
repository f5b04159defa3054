#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace chartservice_test {

struct ImageSize {
    int width = 0;
    int height = 0;

    bool operator==(const ImageSize&) const = default;
};

// The width and height in a PNG file's header chunk, or nothing when the bytes do not start
// with the PNG signature and an IHDR chunk.
inline std::optional<ImageSize> PngSize(const std::string& png) {
    if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        png.compare(12, 4, "IHDR") != 0) {
        return std::nullopt;
    }
    auto number = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            value = value << 8 | static_cast<unsigned char>(png[i]);
        return static_cast<int>(value);
    };
    return ImageSize{number(16), number(20)};
}

}  // namespace chartservice_test
