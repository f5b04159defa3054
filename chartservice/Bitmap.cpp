#include "chartservice/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace chartservice {
namespace {

// The bits of pixels first to last (0 to 7) within one byte.
std::uint8_t BitsOf(int first, int last) {
    return static_cast<std::uint8_t>((0xFF >> first) & (0xFF << (7 - last)));
}

}  // namespace

Bitmap::Bitmap(int width, int height) : width_(width), height_(height), rowBytes_((width + 7) / 8) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative bitmap size");
    bits_.assign(static_cast<std::size_t>(rowBytes_) * height, 0xFF);
}

bool Bitmap::IsBlack(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel outside the bitmap");
    }
    return (Row(y)[x / 8] & (0x80 >> (x % 8))) == 0;
}

void Bitmap::FillBlack(int left, int top, int width, int height) {
    int x0 = std::max(left, 0);
    int x1 = std::min(left + width, width_);  // one past the last
    if (x0 >= x1) return;
    int firstByte = x0 / 8;
    int lastByte = (x1 - 1) / 8;
    for (int y = std::max(top, 0); y < std::min(top + height, height_); ++y) {
        std::uint8_t* row = bits_.data() + static_cast<std::size_t>(y) * rowBytes_;
        if (firstByte == lastByte) {
            row[firstByte] &= static_cast<std::uint8_t>(~BitsOf(x0 % 8, (x1 - 1) % 8));
            continue;
        }
        row[firstByte] &= static_cast<std::uint8_t>(~BitsOf(x0 % 8, 7));
        std::memset(row + firstByte + 1, 0, static_cast<std::size_t>(lastByte - firstByte - 1));
        row[lastByte] &= static_cast<std::uint8_t>(~BitsOf(0, (x1 - 1) % 8));
    }
}

const std::uint8_t* Bitmap::Row(int y) const {
    if (y < 0 || y >= height_) throw std::out_of_range("row outside the bitmap");
    return bits_.data() + static_cast<std::size_t>(y) * rowBytes_;
}

}  // namespace chartservice
