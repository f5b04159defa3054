#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "framework/gui/Runtime.h"

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
}

}  // namespace
