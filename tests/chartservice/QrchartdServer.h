#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <memory>

#include "chartservice/QrchartdProcess.h"

namespace chartservice_test {

// One qrchartd for a test suite, on a free loopback port; at the end it must stop cleanly on
// SIGTERM.
class QrchartdServer : public testing::Test {
  protected:
    static void SetUpTestSuite() { process_ = std::make_unique<QrchartdProcess>(); }
    static void TearDownTestSuite() {
        int status = process_->StopWith(SIGTERM);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        process_.reset();
    }
    void SetUp() override { ASSERT_NE(Port(), 0) << "no ready line: " << process_->ReadyLine(); }

    static int Port() { return process_->Port(); }

  private:
    inline static std::unique_ptr<QrchartdProcess> process_;
};

}  // namespace chartservice_test
