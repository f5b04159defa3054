#include "qrworkflow/ChartAddress.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    const char* name;
    std::string value;
    std::string encoded;
};

void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.name; }

class PercentEncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(PercentEncodeTest, EncodesEveryByteButTheUnreservedOnes) {
    EXPECT_EQ(PercentEncode(GetParam().value), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PercentEncodeTest,
    ::testing::Values(EncodeCase{"Unreserved", "AZaz09-._~", "AZaz09-._~"},
                      EncodeCase{"Ampersand", "a&chld=H", "a%26chld%3DH"},
                      EncodeCase{"Hash", "#1", "%231"}, EncodeCase{"Percent", "100%", "100%25"},
                      EncodeCase{"Space", "a b", "a%20b"}, EncodeCase{"LineFeed", "a\nb", "a%0Ab"},
                      EncodeCase{"CarriageReturn", "\r", "%0D"},
                      EncodeCase{"PlusAndSlash", "+/?", "%2B%2F%3F"},
                      EncodeCase{"Japanese", "日本語", "%E6%97%A5%E6%9C%AC%E8%AA%9E"},
                      EncodeCase{"NulByte", std::string("\0", 1), "%00"},
                      EncodeCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartAddressTest, PutsThePiecesInOrder) {
    EXPECT_EQ(ChartPath("ABC", "UTF-8", "M", "200"),
              "/chart?cht=qr&chs=200x200&choe=UTF-8&chl=ABC&chld=M");
    EXPECT_EQ(ChartPath("x", "Shift_JIS", "L", "160"),
              "/chart?cht=qr&chs=160x160&choe=Shift_JIS&chl=x&chld=L");
    EXPECT_EQ(ChartAddress("localhost", "ABC", "ISO-8859-1", "H", "400"),
              "http://localhost/chart?cht=qr&chs=400x400&choe=ISO-8859-1&chl=ABC&chld=H");
}

TEST(ChartAddressTest, AnEmptyValueLeavesItsKeyWithNothingBehindTheEqualsSign) {
    EXPECT_EQ(ChartPath("ABC", "UTF-8", "", "200"),
              "/chart?cht=qr&chs=200x200&choe=UTF-8&chl=ABC&chld=");
    EXPECT_EQ(ChartPath("", "", "", ""), "/chart?cht=qr&chs=x&choe=&chl=&chld=");
}

TEST(ChartAddressTest, TextCannotInjectQueryKeysOrRequestLines) {
    EXPECT_EQ(ChartPath("a&chld=H#x y\r\nHost: evil", "UTF-8", "M", "200"),
              "/chart?cht=qr&chs=200x200&choe=UTF-8"
              "&chl=a%26chld%3DH%23x%20y%0D%0AHost%3A%20evil&chld=M");
}

}  // namespace
