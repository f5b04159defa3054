#include "framework/net/HttpAddress.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const char* name;
    std::string address;
    fw::HttpAddress expected;
};

void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.name; }

class SplitAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(SplitAddressTest, GivesHostPortHostHeaderAndTarget) {
    fw::HttpAddressResult result = fw::SplitAddress(GetParam().address, 80);
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.address.host, GetParam().expected.host);
    EXPECT_EQ(result.address.port, GetParam().expected.port);
    EXPECT_EQ(result.address.hostHeader, GetParam().expected.hostHeader);
    EXPECT_EQ(result.address.target, GetParam().expected.target);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitAddressTest,
    ::testing::Values(
        AddressCase{
            "ChartRequest",
            "http://localhost/chart?cht=qr&chs=200x200&choe=UTF-8&chl=ABC&chld=M",
            {"localhost", 80, "localhost", "/chart?cht=qr&chs=200x200&choe=UTF-8&chl=ABC&chld=M"}},
        AddressCase{"NamedPort",
                    "http://127.0.0.1:8080/chart",
                    {"127.0.0.1", 8080, "127.0.0.1:8080", "/chart"}},
        AddressCase{
            "NoPathIsSlash", "http://127.0.0.1:8080", {"127.0.0.1", 8080, "127.0.0.1:8080", "/"}},
        AddressCase{"NoScheme", "example.org/a", {"example.org", 80, "example.org", "/a"}},
        AddressCase{"SchemeNotLookedAt",
                    "gopher://example.org/a",
                    {"example.org", 80, "example.org", "/a"}},
        AddressCase{"OnlyTheFirstSchemeMark", "http://h/a://b", {"h", 80, "h", "/a://b"}},
        AddressCase{"PortZeroIsDefault", "http://h:0/x", {"h", 80, "h:0", "/x"}},
        AddressCase{"EmptyPortIsDefault", "http://h:/x", {"h", 80, "h:", "/x"}},
        AddressCase{"LeadingDigitsOfThePort", "http://h:81ab/x", {"h", 81, "h:81ab", "/x"}},
        AddressCase{"ColonInTheQueryIsNotAPort", "h/x?a=b:9", {"h", 80, "h", "/x?a=b:9"}},
        AddressCase{"Utf8InTheQuery", "http://h/chart?chl=日本", {"h", 80, "h", "/chart?chl=日本"}},
        AddressCase{"PercentSignsAsTheyAre", "http://h/?chl=%26%", {"h", 80, "h", "/?chl=%26%"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitAddressTest, AnAddressWithoutPortTakesTheDefaultPort) {
    EXPECT_EQ(fw::SplitAddress("http://h/", 81).address.port, 81);
}

struct RefusedCase {
    const char* name;
    std::string address;
    fw::HTTPError error;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedAddressTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedAddressTest, IsRefusedWithItsReason) {
    EXPECT_EQ(fw::SplitAddress(GetParam().address, 80).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedAddressTest,
    ::testing::Values(
        RefusedCase{"NoHost", "http:///chart", fw::HTTPError::BadAddress},
        RefusedCase{"EmptyAddress", "", fw::HTTPError::BadAddress},
        RefusedCase{"OnlyAPort", "http://:8080/", fw::HTTPError::BadAddress},
        RefusedCase{"PortTooLarge", "http://h:65536/", fw::HTTPError::BadAddress},
        RefusedCase{"SpaceInPath", "http://h/a b", fw::HTTPError::UnsafeAddress},
        RefusedCase{"LfInQuery", "http://h/?chl=a\nb", fw::HTTPError::UnsafeAddress},
        RefusedCase{"CrLfInjection", "http://h/?x\r\nX-Evil: 1", fw::HTTPError::UnsafeAddress},
        RefusedCase{"Tab", "http://h/a\tb", fw::HTTPError::UnsafeAddress},
        RefusedCase{"Delete", "http://h/a\x7f", fw::HTTPError::UnsafeAddress},
        RefusedCase{"NulByte", std::string("http://h/a\0b", 12), fw::HTTPError::UnsafeAddress},
        RefusedCase{"LfInHost", "http://h\nX: y/", fw::HTTPError::UnsafeAddress}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
