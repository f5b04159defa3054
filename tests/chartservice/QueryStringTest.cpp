#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/QueryString.h"

namespace {

using chartservice_test::PrintTo;

using chartservice::ParseQueryString;
using chartservice::QueryParameter;
using Parameters = std::vector<QueryParameter>;

struct DecodedCase {
    const char* label;
    std::string query;
    Parameters expected;
};

class QueryStringDecodes : public testing::TestWithParam<DecodedCase> {};

TEST_P(QueryStringDecodes, ToKeysAndValuesInOrder) {
    auto parse = ParseQueryString(GetParam().query);
    ASSERT_TRUE(parse) << parse.error;
    EXPECT_EQ(parse.parameters, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, QueryStringDecodes,
    testing::Values(
        DecodedCase{"Empty", "", {}},
        DecodedCase{"PlainPairsInOrder", "cht=qr&chs=200x200", {{"cht", "qr"}, {"chs", "200x200"}}},
        DecodedCase{"PlusStaysPlus", "chl=a+b", {{"chl", "a+b"}}},
        DecodedCase{"EncodedSpaceAndPlus", "chl=a%20b%2Bc", {{"chl", "a b+c"}}},
        DecodedCase{"EitherHexCase", "chl=%e3%81%82%E3%81%84", {{"chl", "あい"}}},
        DecodedCase{"EncodedSeparatorsStayInValue", "chl=%26%3D%23%25", {{"chl", "&=#%"}}},
        DecodedCase{"NulAndLineFeedBytes", "chl=a%00%0A", {{"chl", std::string("a\0\n", 3)}}},
        DecodedCase{"KeysDecodedToo", "ch%6C=x", {{"chl", "x"}}},
        DecodedCase{"OnlyFirstEqualsSplits", "chl=a=b", {{"chl", "a=b"}}},
        DecodedCase{"KeyWithoutEqualsHasEmptyValue", "chld&chl=", {{"chld", ""}, {"chl", ""}}},
        DecodedCase{"EmptyPairsSkipped", "&&cht=qr&&", {{"cht", "qr"}}}),
    chartservice_test::ByLabel());

struct RefusedCase {
    const char* label;
    std::string query;
    std::string error;
};

class QueryStringRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(QueryStringRefuses, MalformedEscapesWithTheirOffset) {
    auto parse = ParseQueryString(GetParam().query);
    EXPECT_FALSE(parse);
    EXPECT_EQ(parse.error, GetParam().error);
    EXPECT_TRUE(parse.parameters.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, QueryStringRefuses,
    testing::Values(
        RefusedCase{"PercentAtEnd", "chl=ab%", "malformed percent-encoding at byte 6 of the query"},
        RefusedCase{"OneHexDigitAtEnd", "chl=%4",
                    "malformed percent-encoding at byte 4 of the query"},
        RefusedCase{"NotHex", "cht=qr&chl=%zz",
                    "malformed percent-encoding at byte 11 of the query"},
        RefusedCase{"InKey", "c%g1=x", "malformed percent-encoding at byte 1 of the query"},
        RefusedCase{"SignedHex", "chl=%+1", "malformed percent-encoding at byte 4 of the query"}),
    chartservice_test::ByLabel());

}  // namespace
