#include <gtest/gtest.h>

#include "chartservice/ChartAnswer.h"
#include "chartservice/PngSize.h"

namespace {

using chartservice::AnswerChartQuery;

TEST(ChartAnswerTest, ChartIsAPngOfTheSize) {
    auto answer = AnswerChartQuery("cht=qr&chs=200x100&choe=UTF-8&chl=ABC&chld=M");
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.contentType, "image/png");
    EXPECT_EQ(chartservice_test::PngSize(answer.body), (chartservice_test::ImageSize{200, 100}));
}

TEST(ChartAnswerTest, RefusalsOfQueryAndOfRenderingAreOneLineOfText) {
    for (auto [query, reason] : {std::pair{"cht=qr&chl=x", "chs is missing\n"},
                                 {"cht=qr&chs=10x10&chl=x",
                                  "chl does not fit chs: the code with its margin is 29 "
                                  "modules each way\n"}}) {
        auto answer = AnswerChartQuery(query);
        EXPECT_EQ(answer.status, 400);
        EXPECT_EQ(answer.contentType, "text/plain");
        EXPECT_EQ(answer.body, reason);
    }
}

}  // namespace
