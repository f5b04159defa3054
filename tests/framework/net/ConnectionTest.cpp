#include "framework/net/Connection.h"

#include <gtest/gtest.h>

#include "support/ScriptedServer.h"

namespace {

using vemo_test::ScriptedServer;

// Many machines resolve a name to several addresses (localhost: ::1, then 127.0.0.1), of
// which the first may refuse.
TEST(ConnectionTest, TriesTheNextAddressWhenOneRefuses) {
    ScriptedServer server({{vemo_test::ReadRequest()}});
    std::vector<fw::Connection::Endpoint> endpoints;
    for (std::uint16_t port : {vemo_test::ClosedPort(), server.Port()}) {
        endpoints.push_back(fw::Connection::Resolve("127.0.0.1", port).at(0));
    }
    fw::Connection connection;
    ASSERT_EQ(connection.Start(endpoints), fw::HTTPError::None);
    fw::Connection::Readiness ready;
    for (int pass = 0; pass < 50 && !ready.cameUp && ready.failure == fw::HTTPError::None; ++pass) {
        ready = connection.Wait(100);
    }
    EXPECT_TRUE(ready.cameUp) << ready.failure;
    EXPECT_TRUE(connection.IsUp());
}

TEST(ConnectionTest, FailsWhenEveryAddressRefuses) {
    std::vector<fw::Connection::Endpoint> endpoints;
    for (int i = 0; i < 2; ++i) {
        endpoints.push_back(fw::Connection::Resolve("127.0.0.1", vemo_test::ClosedPort()).at(0));
    }
    fw::Connection connection;
    ASSERT_EQ(connection.Start(endpoints), fw::HTTPError::None);
    fw::Connection::Readiness ready;
    for (int pass = 0; pass < 50 && ready.failure == fw::HTTPError::None; ++pass) {
        ready = connection.Wait(100);
        ASSERT_FALSE(ready.cameUp);
    }
    EXPECT_EQ(ready.failure, fw::HTTPError::ConnectFailed);
    EXPECT_EQ(fw::Connection().Start({}), fw::HTTPError::ConnectFailed) << "no address at all";
}

}  // namespace
