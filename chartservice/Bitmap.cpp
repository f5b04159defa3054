#include "chartservice/Bitmap.h"

#include <algorithm>
#include <stdexcept>

namespace chartservice {

Bitmap::Bitmap(int width, int height, std::uint8_t fill) : width_(width), height_(height) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative bitmap size");
    pixels_.assign(static_cast<std::size_t>(width) * height, fill);
}

std::uint8_t Bitmap::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel outside the bitmap");
    }
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Bitmap::FillRect(int left, int top, int width, int height, std::uint8_t grey) {
    int x0 = std::max(left, 0);
    int y0 = std::max(top, 0);
    int x1 = std::min(left + width, width_);
    int y1 = std::min(top + height, height_);
    for (int y = y0; y < y1; ++y) {
        auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
        std::fill(row + x0, row + std::max(x0, x1), grey);
    }
}

}  // namespace chartservice
