#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/gui/Runtime.h"
#include "framework/runtime/MsgBox.h"
#include "support/UnhandledReports.h"

// A fresh run of the GUI runtime for each test; message boxes are recorded, not shown.
class GuiRuntimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::RuntimeInit();
        fw::SetMessageBoxPresenter([this](const std::string& text) { messages_.push_back(text); });
    }
    void TearDown() override {
        fw::ReleaseSharedObjects();
        fw::RuntimeExit();
        fw::SetMessageBoxPresenter({});
    }

    UnhandledReports unhandled_;
    std::vector<std::string> messages_;
};
