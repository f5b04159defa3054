#include "qrworkflow/TempImageFile.h"

#include <gtest/gtest.h>

namespace {

TEST(TempImageNameTest, IsTempUnderscoreTheNumberAndPng) {
    EXPECT_EQ(TempImageName(0), "temp_0.png");
    EXPECT_EQ(TempImageName(12), "temp_12.png");
    EXPECT_EQ(TempImageName(-1), "temp_-1.png");
}

}  // namespace
