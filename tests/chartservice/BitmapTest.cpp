#include <gtest/gtest.h>

#include "chartservice/Bitmap.h"

namespace {

using chartservice::Bitmap;

TEST(BitmapTest, StartsWhite) {
    Bitmap bitmap(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) EXPECT_FALSE(bitmap.IsBlack(x, y));
    }
}

// Every span, inside, across byte ends and hanging over either edge, blackens exactly its
// own pixels.
TEST(BitmapTest, FillBlackCoversExactlyTheSpan) {
    constexpr int kWidth = 19;
    for (int left = -2; left <= kWidth; ++left) {
        for (int width = 0; width <= kWidth + 2; ++width) {
            Bitmap bitmap(kWidth, 3);
            bitmap.FillBlack(left, 1, width, 1);
            for (int x = 0; x < kWidth; ++x) {
                bool inSpan = x >= left && x < left + width;
                ASSERT_EQ(bitmap.IsBlack(x, 1), inSpan)
                    << "left " << left << " width " << width << " x " << x;
                ASSERT_FALSE(bitmap.IsBlack(x, 0));
                ASSERT_FALSE(bitmap.IsBlack(x, 2));
            }
        }
    }
}

TEST(BitmapTest, RectangleClipsToTheImage) {
    Bitmap bitmap(4, 4);
    bitmap.FillBlack(-3, 2, 5, 10);
    EXPECT_TRUE(bitmap.IsBlack(0, 2));
    EXPECT_TRUE(bitmap.IsBlack(1, 3));
    EXPECT_FALSE(bitmap.IsBlack(2, 3));
    EXPECT_FALSE(bitmap.IsBlack(0, 1));
}

TEST(BitmapTest, RowsArePackedHighBitFirstWithWhitePadding) {
    Bitmap bitmap(10, 1);
    bitmap.FillBlack(0, 0, 10, 1);
    ASSERT_EQ(bitmap.RowBytes(), 2);
    EXPECT_EQ(bitmap.Row(0)[0], 0x00);
    EXPECT_EQ(bitmap.Row(0)[1], 0x3F);
    Bitmap single(10, 1);
    single.FillBlack(1, 0, 1, 1);
    EXPECT_EQ(single.Row(0)[0], 0xBF);
    EXPECT_EQ(single.Row(0)[1], 0xFF);
}

TEST(BitmapTest, OutsideIsRefused) {
    Bitmap bitmap(2, 2);
    EXPECT_THROW(bitmap.IsBlack(2, 0), std::out_of_range);
    EXPECT_THROW(bitmap.Row(-1), std::out_of_range);
    EXPECT_THROW(Bitmap(-1, 1), std::invalid_argument);
}

}  // namespace
