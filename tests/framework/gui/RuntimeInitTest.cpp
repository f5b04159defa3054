#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "framework/gui/Runtime.h"
#include "framework/runtime/MsgBox.h"

namespace {

// Runs without the GUI test main: the runtime makes the application itself.
TEST(RuntimeInitTest, MakesTheApplicationWithoutTheProcessArguments) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    fw::RuntimeInit();
    ASSERT_NE(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
    EXPECT_EQ(QCoreApplication::arguments(), QStringList{"vemo"});
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    EXPECT_EQ(fw::RuntimeExit(), 0);
    EXPECT_EQ(QCoreApplication::instance(), nullptr) << "the runtime deletes what it made";

    // Without the application no Qt box can show: the text goes to standard error again.
    testing::internal::CaptureStderr();
    fw::MsgBox("after the run");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("after the run"), std::string::npos);
}

}  // namespace
