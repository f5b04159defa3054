#include <gtest/gtest.h>

#include "chartservice/CaseLabel.h"
#include "chartservice/ServiceOptions.h"

namespace {

using chartservice::ParseServiceOptions;
using chartservice::ServiceOptions;
using chartservice_test::PrintTo;
using Arguments = std::vector<std::string>;

struct AcceptedCase {
    const char* label;
    Arguments arguments;
    ServiceOptions expected;
};

class ServiceOptionsAccepts : public testing::TestWithParam<AcceptedCase> {};

TEST_P(ServiceOptionsAccepts, WithDefaultsForWhatIsLeftOut) {
    auto parse = ParseServiceOptions(GetParam().arguments);
    ASSERT_TRUE(parse) << parse.error;
    EXPECT_EQ(parse.options, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ServiceOptionsAccepts,
    testing::Values(
        AcceptedCase{"Nothing", {}, {"127.0.0.1", 80}},
        AcceptedCase{"FreePort", {"--port", "0"}, {"127.0.0.1", 0}},
        AcceptedCase{"HostAndPort", {"--host", "::1", "--port", "8080"}, {"::1", 8080}},
        AcceptedCase{"PortFirst", {"--port", "65535", "--host", "localhost"}, {"localhost", 65535}},
        AcceptedCase{"RequestTimeout", {"--request-timeout", "1"}, {"127.0.0.1", 80, 1}},
        AcceptedCase{"AllThree",
                     {"--request-timeout", "3600", "--port", "0", "--host", "::1"},
                     {"::1", 0, 3600}}),
    chartservice_test::ByLabel());

struct RefusedCase {
    const char* label;
    Arguments arguments;
    std::string error;
};

class ServiceOptionsRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(ServiceOptionsRefuses, NamingTheArgument) {
    auto parse = ParseServiceOptions(GetParam().arguments);
    EXPECT_FALSE(parse);
    EXPECT_EQ(parse.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ServiceOptionsRefuses,
    testing::Values(
        RefusedCase{"Unknown", {"--verbose"}, "unknown argument: --verbose"},
        RefusedCase{"BareWord", {"8080"}, "unknown argument: 8080"},
        RefusedCase{"EqualsForm", {"--port=8080"}, "unknown argument: --port=8080"},
        RefusedCase{"MissingValue", {"--port"}, "--port needs a value"},
        RefusedCase{"EmptyHost", {"--host", ""}, "--host needs a value"},
        RefusedCase{"PortTooLarge", {"--port", "65536"}, "--port must be 0 to 65535: 65536"},
        RefusedCase{"PortNegative", {"--port", "-1"}, "--port must be 0 to 65535: -1"},
        RefusedCase{"PortWithLetters", {"--port", "80a"}, "--port must be 0 to 65535: 80a"},
        RefusedCase{
            "PortHuge", {"--port", "99999999999"}, "--port must be 0 to 65535: 99999999999"},
        RefusedCase{"PortTwice", {"--port", "1", "--port", "2"}, "--port is given twice"},
        RefusedCase{"TimeoutMissing", {"--request-timeout"}, "--request-timeout needs a value"},
        RefusedCase{"TimeoutZero",
                    {"--request-timeout", "0"},
                    "--request-timeout must be 1 to 3600 seconds: 0"},
        RefusedCase{"TimeoutTooLong",
                    {"--request-timeout", "3601"},
                    "--request-timeout must be 1 to 3600 seconds: 3601"},
        RefusedCase{"TimeoutFraction",
                    {"--request-timeout", "1.5"},
                    "--request-timeout must be 1 to 3600 seconds: 1.5"},
        RefusedCase{"TimeoutTwice",
                    {"--request-timeout", "1", "--port", "0", "--request-timeout", "2"},
                    "--request-timeout is given twice"}),
    chartservice_test::ByLabel());

}  // namespace
