#include <gtest/gtest.h>
#include <png.h>

#include "chartservice/PngWriter.h"

namespace {

using chartservice::Bitmap;

// The image libpng reads back from the bytes, one 8-bit grey value a pixel.
struct ReadImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    std::string error;
};

ReadImage ReadPng(const std::string& png) {
    ReadImage read;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) {
        read.error = image.message;
        return read;
    }
    image.format = PNG_FORMAT_GRAY;
    read.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, read.pixels.data(), 0, nullptr)) {
        read.error = image.message;
        return read;
    }
    read.width = static_cast<int>(image.width);
    read.height = static_cast<int>(image.height);
    return read;
}

// The grey values a reader should see: 0 for black, 255 for white.
std::vector<std::uint8_t> GreysOf(const Bitmap& bitmap) {
    std::vector<std::uint8_t> greys;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) greys.push_back(bitmap.IsBlack(x, y) ? 0 : 255);
    }
    return greys;
}

TEST(PngWriterTest, ReadsBackToTheSamePixels) {
    Bitmap bitmap(11, 3);
    bitmap.FillBlack(1, 0, 2, 2);
    bitmap.FillBlack(6, 2, 5, 5);
    auto read = ReadPng(chartservice::EncodePng(bitmap));
    ASSERT_TRUE(read.error.empty()) << read.error;
    EXPECT_EQ(read.width, 11);
    EXPECT_EQ(read.height, 3);
    EXPECT_EQ(read.pixels,
              (std::vector<std::uint8_t>{255, 0,   0,   255, 255, 255, 255, 255, 255, 255, 255,  //
                                         255, 0,   0,   255, 255, 255, 255, 255, 255, 255, 255,  //
                                         255, 255, 255, 255, 255, 255, 0,   0,   0,   0,   0}));
}

TEST(PngWriterTest, LargestAndSmallestSizes) {
    for (auto [width, height] : {std::pair{1, 1}, {1000, 1000}, {1000, 1}, {1, 1000}}) {
        Bitmap bitmap(width, height);
        bitmap.FillBlack(0, 0, width, height);
        auto read = ReadPng(chartservice::EncodePng(bitmap));
        ASSERT_TRUE(read.error.empty()) << read.error;
        EXPECT_EQ(read.width, width);
        EXPECT_EQ(read.height, height);
        EXPECT_EQ(read.pixels, GreysOf(bitmap));
    }
}

// Noise at every bit position of every byte, and far more bytes than a chart gives.
TEST(PngWriterTest, NoiseReadsBackWhole) {
    Bitmap bitmap(999, 1000);
    std::uint32_t noise = 12345;
    for (int y = 0; y < 1000; ++y) {
        for (int x = 0; x < 999; ++x) {
            noise = noise * 1664525u + 1013904223u;
            if (noise >> 31) bitmap.FillBlack(x, y, 1, 1);
        }
    }
    auto read = ReadPng(chartservice::EncodePng(bitmap));
    ASSERT_TRUE(read.error.empty()) << read.error;
    EXPECT_EQ(read.pixels, GreysOf(bitmap));
}

TEST(PngWriterTest, RefusesAnEmptyBitmap) {
    EXPECT_THROW(chartservice::EncodePng(Bitmap(0, 5)), std::invalid_argument);
}

}  // namespace
