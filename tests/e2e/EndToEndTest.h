#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QComboBox>
#include <QLabel>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chartservice/QrchartdProcess.h"
#include "framework/files/GetFolderItem.h"
#include "framework/runtime/MsgBox.h"
#include "framework/scripting/HostScripting.h"
#include "qrworkflow/ChartHost.h"
#include "shell/Window1.h"
#include "support/PaintCounter.h"
#include "support/ProcessRun.h"
#include "support/TempFolder.h"
#include "support/TempPreferences.h"
#include "support/UnhandledReports.h"
#include "support/WidgetLookup.h"

// The program as a user meets it: the palette started in-process the way main starts it, the
// chart service as its own qrchartd process on a loopback port, the host scripts of the built
// tree on a document folder of the test's own, and "temp" and the preference file in
// temporary folders.
//
// Every start runs in this process, one after the other, each from the runtime's init to its
// exit: nothing of one run outlives it but the QApplication, which the test's main owns, so a
// second start is as sound as the first (the preference tests rely on the same).
class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_GT(chart_.Port(), 0) << "qrchartd did not start: " << chart_.ReadyLine();
        ::setenv("VEMO_HOST_DIR", host_.Path().c_str(), 1);
        previousRunner_ = fw::SetHostScriptRunner(nullptr);
        previousFolder_ = fw::SetDefaultFolder(defaultFolder_.Path());
        previousHost_ = SetChartHost("127.0.0.1:" + std::to_string(chart_.Port()));
    }
    void TearDown() override {
        SetChartHost(previousHost_);
        fw::SetDefaultFolder(previousFolder_);
        fw::SetHostScriptRunner(previousRunner_);
        ::unsetenv("VEMO_HOST_DIR");
    }

    // One start of the program (see vemo_test::RunPalette); gives the exit status.
    int RunPalette(const std::function<void(Window1&)>& inLoop) {
        return vemo_test::RunPalette(messages_, inLoop);
    }

    // A file in the stand-in host's document folder.
    std::string Host(const std::string& name) const { return (host_ / name).string(); }

    vemo_test::TempFolder host_;
    vemo_test::TempFolder defaultFolder_;
    vemo_test::TempPreferences preferences_;
    chartservice_test::QrchartdProcess chart_;
    UnhandledReports unhandled_;
    std::vector<std::string> messages_;

  private:
    std::shared_ptr<fw::HostScriptRunner> previousRunner_;
    std::string previousFolder_;
    std::string previousHost_;
};

// The texts the status line is painted with, in order, each once for as long as it stays.
class StatusRecorder {
  public:
    explicit StatusRecorder(QLabel& status)
        : paints_(status, [this, &status] {
              std::string text = status.text().toStdString();
              if (texts_.empty() || texts_.back() != text) texts_.push_back(text);
              return text;
          }) {}

    const std::vector<std::string>& Texts() const { return texts_; }

  private:
    std::vector<std::string> texts_;
    PaintCounter paints_;
};

// Selects row `row` of the popup with that object name from the keyboard, as a user would.
inline void ChooseRow(const std::string& popup, int row) {
    auto* box = FindWidgetAs<QComboBox>(popup);
    ASSERT_NE(box, nullptr);
    PressKeys(*box, Qt::Key_Home, Qt::NoModifier);
    for (int step = 0; step < row; ++step) PressKeys(*box, Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(box->currentIndex(), row) << popup;
}
