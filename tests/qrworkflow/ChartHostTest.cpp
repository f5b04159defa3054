#include "qrworkflow/ChartHost.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ChartHostTest, StartsAtTheBuildSettingAndCanBeReplaced) {
    EXPECT_EQ(ChartHost(), VEMO_CHART_HOST);
    std::string previous = SetChartHost("127.0.0.1:8080");
    EXPECT_EQ(previous, VEMO_CHART_HOST);
    EXPECT_EQ(ChartHost(), "127.0.0.1:8080");
    SetChartHost(previous);
}

}  // namespace
