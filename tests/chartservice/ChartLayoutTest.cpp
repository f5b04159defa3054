#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/ChartLayout.h"

namespace {

using chartservice_test::PrintTo;

using chartservice::ChartLayout;
using chartservice::PlaceSymbol;

struct PlacedCase {
    const char* label;
    int symbolWidth;
    int margin;
    int width;
    int height;
    ChartLayout expected;
};

class ChartLayoutPlaces : public testing::TestWithParam<PlacedCase> {};

TEST_P(ChartLayoutPlaces, AtTheLargestWholeScaleCentred) {
    const PlacedCase& c = GetParam();
    auto placement = PlaceSymbol(c.symbolWidth, c.margin, c.width, c.height);
    ASSERT_TRUE(placement) << placement.error;
    EXPECT_EQ(placement.layout, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChartLayoutPlaces,
    testing::Values(
        // 200 / (21 + 8) = 6 pixels per module; the code's 126 pixels leave 74, 37 each side.
        PlacedCase{"Square200", 21, 4, 200, 200, {6, 37, 37}},
        PlacedCase{"ExactFitAtOnePixel", 21, 4, 29, 29, {1, 4, 4}},
        PlacedCase{"JustBelowTwoPixels", 21, 4, 57, 57, {1, 18, 18}},
        PlacedCase{"ExactlyTwoPixels", 21, 4, 58, 58, {2, 8, 8}},
        PlacedCase{"WideTakesHeight", 21, 4, 300, 120, {4, 108, 18}},
        PlacedCase{"TallTakesWidth", 25, 4, 99, 500, {3, 12, 212}},
        PlacedCase{"OddPixelToTheRight", 21, 0, 22, 21, {1, 0, 0}},
        PlacedCase{"NoMargin", 21, 0, 21, 21, {1, 0, 0}},
        PlacedCase{"WideMargin", 21, 10, 410, 410, {10, 100, 100}},
        PlacedCase{"Largest", 177, 4, 1000, 1000, {5, 57, 57}}),
    chartservice_test::ByLabel());

struct UnplacedCase {
    const char* label;
    int symbolWidth;
    int margin;
    int width;
    int height;
    std::string reason;
};

class ChartLayoutRefuses : public testing::TestWithParam<UnplacedCase> {};

TEST_P(ChartLayoutRefuses, WhenCodeAndMarginExceedTheShorterSide) {
    const UnplacedCase& c = GetParam();
    auto placement = PlaceSymbol(c.symbolWidth, c.margin, c.width, c.height);
    EXPECT_FALSE(placement);
    EXPECT_EQ(placement.error, c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChartLayoutRefuses,
    testing::Values(
        UnplacedCase{"OnePixelShort", 21, 4, 28, 28,
                     "chl does not fit chs: the code with its margin is 29 modules each way"},
        UnplacedCase{"ShortHeight", 21, 4, 1000, 28,
                     "chl does not fit chs: the code with its margin is 29 modules each way"},
        UnplacedCase{"ShortWidth", 21, 0, 20, 1000,
                     "chl does not fit chs: the code with its margin is 21 modules each way"},
        UnplacedCase{"HugeMargin", 21, 1000, 1000, 1000,
                     "chl does not fit chs: the code with its margin is 2021 modules each way"},
        UnplacedCase{"OnePixelImage", 21, 0, 1, 1,
                     "chl does not fit chs: the code with its margin is 21 modules each way"}),
    chartservice_test::ByLabel());

}  // namespace
