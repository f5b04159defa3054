#include <gtest/gtest.h>
#include <png.h>

#include "chartservice/PngWriter.h"

namespace {

using chartservice::Bitmap;

// The image libpng reads back from the bytes, as 8-bit grey.
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

TEST(PngWriterTest, ReadsBackToTheSamePixels) {
    Bitmap bitmap(7, 3, Bitmap::kWhite);
    bitmap.FillRect(1, 0, 2, 2, Bitmap::kBlack);
    bitmap.FillRect(6, 2, 5, 5, Bitmap::kBlack);
    auto read = ReadPng(chartservice::EncodePng(bitmap));
    ASSERT_TRUE(read.error.empty()) << read.error;
    EXPECT_EQ(read.width, 7);
    EXPECT_EQ(read.height, 3);
    EXPECT_EQ(read.pixels, bitmap.Pixels());
}

TEST(PngWriterTest, LargestAndSmallestSizes) {
    for (auto [width, height] : {std::pair{1, 1}, {1000, 1000}, {1000, 1}}) {
        auto read = ReadPng(chartservice::EncodePng(Bitmap(width, height, Bitmap::kBlack)));
        ASSERT_TRUE(read.error.empty()) << read.error;
        EXPECT_EQ(read.width, width);
        EXPECT_EQ(read.height, height);
    }
}

TEST(PngWriterTest, RefusesAnEmptyBitmap) {
    EXPECT_THROW(chartservice::EncodePng(Bitmap(0, 5, Bitmap::kWhite)), std::invalid_argument);
}

}  // namespace
