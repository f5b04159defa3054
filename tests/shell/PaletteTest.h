#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/gui/Runtime.h"
#include "framework/runtime/MsgBox.h"
#include "shell/ProcessSteps.h"
#include "shell/Startup.h"
#include "shell/Window1.h"
#include "support/TempPreferences.h"
#include "support/UnhandledReports.h"

// The process's start-up run in-process, up to the event loop: the palette is built and shown.
// Its preference file is read from, and written to, a fresh Preferences folder; a test fixture
// may put a file there in its constructor, before the start-up.
class PaletteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::RuntimeInit();
        fw::SetMessageBoxPresenter([this](const std::string& text) { messages_.push_back(text); });
        Initialize();
        fw::RunFrameworkInitialization(fw::RuntimeCreateDelegate(&Startup));
        palette_ = Window1::Instance();
        ASSERT_NE(palette_, nullptr);
    }
    void TearDown() override {
        palette_.reset();
        Finalize();
        fw::RuntimeExit();
        fw::SetMessageBoxPresenter({});
    }

    vemo_test::TempPreferences preferences_;
    UnhandledReports unhandled_;
    std::vector<std::string> messages_;
    fw::Ref<Window1> palette_;
};
