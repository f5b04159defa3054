#include "chartservice/Refusal.h"

#include <gtest/gtest.h>

namespace {

TEST(RefusalTest, AnswerIsWholeWithItsReason) {
    EXPECT_EQ(chartservice::RefusalAnswer(414),
              "HTTP/1.1 414 URI Too Long\r\nContent-Type: text/plain\r\nContent-Length: 29\r\n"
              "Connection: close\r\n\r\nthe request line is too long\n");
}

TEST(RefusalTest, UnknownStatusIsABadRequest) {
    EXPECT_EQ(chartservice::RefusalReason(418), "bad request\n");
    EXPECT_EQ(chartservice::RefusalAnswer(418).substr(0, 25), "HTTP/1.1 400 Bad Request\r");
}

}  // namespace
