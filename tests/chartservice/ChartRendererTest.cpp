#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/ChartRenderer.h"

namespace {

using chartservice_test::PrintTo;

using chartservice::Bitmap;
using chartservice::ChartRequest;
using chartservice::ErrorCorrection;
using chartservice::TextEncoding;

// The bitmap as rows of '#' (black) and '.' (white).
std::vector<std::string> Picture(const Bitmap& bitmap) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            row += bitmap.IsBlack(x, y) ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(ChartRendererTest, DrawsEachDarkModuleAsAScaledSquare) {
    chartservice::QrSymbol symbol(2, {1, 0, 0, 1});
    Bitmap bitmap = chartservice::DrawSymbol(symbol, {2, 1, 1}, 6, 5);
    EXPECT_EQ(Picture(bitmap), (std::vector<std::string>{"......",  //
                                                         ".##...",  //
                                                         ".##...",  //
                                                         "...##.",  //
                                                         "...##."}));
}

// Counts the black pixels outside the rectangle [left, right) x [top, bottom).
int BlackOutside(const Bitmap& bitmap, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            bool inside = x >= left && x < right && y >= top && y < bottom;
            if (!inside && bitmap.IsBlack(x, y)) ++count;
        }
    }
    return count;
}

struct PlacedCase {
    const char* label;
    int width;
    int height;
    int scale;
    int left;
    int top;
};

class ChartRendererPlaces : public testing::TestWithParam<PlacedCase> {};

// "ABC" at M is a version 1 code, 21 modules; with the margin of 4, 29 modules each way.
TEST_P(ChartRendererPlaces, TheCodeScaledAndCentredInExactlyTheSize) {
    const PlacedCase& c = GetParam();
    ChartRequest request{c.width, c.height, TextEncoding::Utf8, "ABC", ErrorCorrection::M, 4};
    auto chart = chartservice::RenderChartBitmap(request);
    ASSERT_TRUE(chart) << chart.error;
    const Bitmap& bitmap = chart.bitmap;
    ASSERT_EQ(bitmap.Width(), c.width);
    ASSERT_EQ(bitmap.Height(), c.height);
    int right = c.left + 21 * c.scale;
    int bottom = c.top + 21 * c.scale;
    EXPECT_EQ(BlackOutside(bitmap, c.left, c.top, right, bottom), 0);
    // Finder patterns: seven dark modules from the top corners and down the left edge, each
    // followed by a light separator.
    for (int x : {c.left, c.left + 7 * c.scale - 1, right - 7 * c.scale, right - 1}) {
        EXPECT_TRUE(bitmap.IsBlack(x, c.top)) << "x " << x;
    }
    EXPECT_FALSE(bitmap.IsBlack(c.left + 7 * c.scale, c.top));
    EXPECT_FALSE(bitmap.IsBlack(right - 7 * c.scale - 1, c.top));
    EXPECT_TRUE(bitmap.IsBlack(c.left, bottom - 1));
    EXPECT_TRUE(bitmap.IsBlack(c.left, bottom - 7 * c.scale));
    EXPECT_FALSE(bitmap.IsBlack(c.left, bottom - 7 * c.scale - 1));
}

INSTANTIATE_TEST_SUITE_P(Table, ChartRendererPlaces,
                         testing::Values(PlacedCase{"Square200", 200, 200, 6, 37, 37},
                                         PlacedCase{"ExactFit", 29, 29, 1, 4, 4},
                                         PlacedCase{"Wide", 300, 120, 4, 108, 18},
                                         PlacedCase{"Tall", 61, 1000, 2, 9, 479},
                                         PlacedCase{"Largest", 1000, 1000, 34, 143, 143}),
                         chartservice_test::ByLabel());

struct RefusedCase {
    const char* label;
    ChartRequest request;
    std::string reason;
};

// Made through a function: GCC 12 at -O3 warns falsely about the strings of an aggregate
// that is brace-initialised inside testing::Values.
RefusedCase Refused(const char* label, ChartRequest request, std::string reason) {
    return {label, std::move(request), std::move(reason)};
}

class ChartRendererRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(ChartRendererRefuses, WithTheReasonOfTheStepThatRefuses) {
    EXPECT_EQ(chartservice::RenderChart(GetParam().request).error, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChartRendererRefuses,
    testing::Values(
        Refused("Unrepresentable", {200, 200, TextEncoding::Latin1, "日本", ErrorCorrection::L, 4},
                "chl holds U+65E5, which ISO-8859-1 cannot represent"),
        Refused("TooLongForLevel",
                {1000, 1000, TextEncoding::Utf8, std::string(1274, 'a'), ErrorCorrection::H, 4},
                "chl does not fit a QR code at level H"),
        Refused("TooSmall", {28, 200, TextEncoding::Utf8, "ABC", ErrorCorrection::M, 4},
                "chl does not fit chs: the code with its margin is 29 modules each way"),
        Refused("LargestCodeInSmallImage",
                {180, 180, TextEncoding::Utf8, std::string(2953, 'a'), ErrorCorrection::L, 2},
                "chl does not fit chs: the code with its margin is 181 modules each way")),
    chartservice_test::ByLabel());

TEST(ChartRendererTest, GivesPngBytes) {
    auto image = chartservice::RenderChart(
        {160, 160, TextEncoding::ShiftJis, "日本語", ErrorCorrection::Q, 4});
    ASSERT_TRUE(image) << image.error;
    EXPECT_EQ(image.png.substr(0, 8), "\x89PNG\r\n\x1a\n");
}

}  // namespace
