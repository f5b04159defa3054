#pragma once

#include <cstdint>
#include <vector>

namespace chartservice {

// An 8-bit grey image, row by row from the top: 0 is black, 255 white.
class Bitmap {
  public:
    static constexpr std::uint8_t kBlack = 0;
    static constexpr std::uint8_t kWhite = 255;

    // A width by height image (both at least 0) all in `fill`.
    Bitmap(int width, int height, std::uint8_t fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel in column x and row y; both must lie inside the image.
    std::uint8_t At(int x, int y) const;
    // Paints the part of the rectangle that lies inside the image.
    void FillRect(int left, int top, int width, int height, std::uint8_t grey);
    const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace chartservice
