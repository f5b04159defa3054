#pragma once

#include <cstdint>
#include <vector>

namespace chartservice {

// A black-and-white image, row by row from the top, each row packed eight pixels to a byte,
// the leftmost in the high bit, a set bit white: the layout of a 1-bit grey PNG row. A
// 1000 by 1000 chart takes 125 kB.
class Bitmap {
  public:
    // A width by height image (both at least 0), all white.
    Bitmap(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Whether the pixel in column x and row y is black; both must lie inside the image.
    bool IsBlack(int x, int y) const;
    // Blackens the part of the rectangle that lies inside the image.
    void FillBlack(int left, int top, int width, int height);
    // The packed bytes of row y (RowBytes() of them); the bits past the width are white.
    const std::uint8_t* Row(int y) const;
    int RowBytes() const { return rowBytes_; }

  private:
    int width_;
    int height_;
    int rowBytes_;
    std::vector<std::uint8_t> bits_;
};

}  // namespace chartservice
