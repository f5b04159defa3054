#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include "chartservice/LoopbackHttp.h"
#include "chartservice/QrchartdProcess.h"

namespace {

using chartservice_test::QrchartdProcess;

bool ExitedWith(int status, int code) { return WIFEXITED(status) && WEXITSTATUS(status) == code; }

TEST(QrchartdProcessTest, SaysWhereItListensAndStopsOnSigint) {
    QrchartdProcess process({"--port", "0"});
    ASSERT_NE(process.Port(), 0) << process.ReadyLine();
    EXPECT_EQ(process.ReadyLine(),
              "qrchartd listening on 127.0.0.1:" + std::to_string(process.Port()));
    EXPECT_EQ(chartservice_test::Get(process.Port(), "/chart?cht=qr&chs=90x90&chl=x").status, 200);
    int status = process.StopWith(SIGINT);
    EXPECT_TRUE(ExitedWith(status, 0)) << "status " << status;
}

TEST(QrchartdProcessTest, TakesTheHostGiven) {
    QrchartdProcess process({"--host", "127.0.0.1", "--port", "0"});
    ASSERT_NE(process.Port(), 0) << process.ReadyLine();
    EXPECT_EQ(chartservice_test::Get(process.Port(), "/chart?cht=qr&chs=90x90&chl=x").status, 200);
    EXPECT_TRUE(ExitedWith(process.StopWith(SIGTERM), 0));
}

TEST(QrchartdProcessTest, PortInUseEndsWithStatus1) {
    QrchartdProcess first({"--port", "0"});
    ASSERT_NE(first.Port(), 0) << first.ReadyLine();
    QrchartdProcess second({"--port", std::to_string(first.Port())});
    EXPECT_EQ(second.ReadyLine(), "");
    EXPECT_TRUE(ExitedWith(second.Wait(), 1));
    EXPECT_TRUE(ExitedWith(first.StopWith(SIGTERM), 0));
}

TEST(QrchartdProcessTest, BadArgumentsEndWithStatus2) {
    QrchartdProcess process({"--port", "http"});
    EXPECT_EQ(process.ReadyLine(), "");
    EXPECT_TRUE(ExitedWith(process.Wait(), 2));
}

}  // namespace
