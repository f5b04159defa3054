#pragma once

#include <cstdint>
#include <string_view>

#include "standinhost/Outcome.h"

namespace standinhost {

// The size that a PNG file's first 24 bytes (signature, IHDR length, type, width, height)
// give.
class PngHeader {
  public:
    static constexpr std::size_t kLength = 24;
    static constexpr std::uint32_t kMaxSide = 10000;

    // Fails when `start` (the file's first bytes, up to kLength) is shorter than kLength, has
    // no PNG signature or no IHDR chunk first, or gives a side of 0 or above kMaxSide.
    static Outcome<PngHeader> Parse(std::string_view start);

    std::uint32_t Width() const { return width_; }
    std::uint32_t Height() const { return height_; }

  private:
    PngHeader(std::uint32_t width, std::uint32_t height) : width_(width), height_(height) {}

    std::uint32_t width_;
    std::uint32_t height_;
};

}  // namespace standinhost
