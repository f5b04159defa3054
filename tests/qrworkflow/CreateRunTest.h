#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "chartservice/LoopbackChartServer.h"
#include "framework/files/GetFolderItem.h"
#include "qrworkflow/ChartHost.h"
#include "shell/PaletteTest.h"
#include "shell/PaletteTexts.h"
#include "support/PaintCounter.h"
#include "support/RecordingScriptHost.h"
#include "support/TempFolder.h"
#include "support/WidgetLookup.h"

// The separators of the Selection text, and the status after a placing.
inline const std::string kItemSeparator = "<Mipo2011br>";
inline const std::string kFieldSeparator = "<Mipo2011>";
inline constexpr const char* kPlacingText = "セット中";

// One item of a Selection text: the text to encode and its two pass-through values.
inline std::string SelectionItem(const std::string& text, const std::string& first,
                                 const std::string& second) {
    return text + kFieldSeparator + first + kFieldSeparator + second;
}

// The started palette with a recording host for the scripts, the default folder in a
// temporary folder of the test's own, and the chart requests going to the real chart service
// on 127.0.0.1. The status line's texts are noted as they are painted, in the host's log too,
// so that they show in their order among the script calls.
class CreateRunTest : public PaletteTest {
  protected:
    void SetUp() override {
        PaletteTest::SetUp();
        previousFolder_ = fw::SetDefaultFolder(temp_.Path());
        UseChartHost("127.0.0.1:" + std::to_string(chart_.Port()));
        RecordStatusPaints();
    }
    void TearDown() override {
        paints_.reset();
        fw::SetDefaultFolder(previousFolder_);
        SetChartHost(previousHost_);
        PaletteTest::TearDown();
    }

    void UseChartHost(const std::string& hostAndPort) { SetChartHost(hostAndPort); }

    // What a user does: a click on the create button.
    void Click() {
        QWidget* button = FindWidget("makeqr");
        ASSERT_NE(button, nullptr);
        ClickWidget(*button);
    }

    // Each text that the status line was painted with, in order, once for as long as it
    // stays: a yield may paint the same text again.
    const std::vector<std::string>& Statuses() const { return statuses_; }

    // The host's calls without those of the front-application watch (script 169), which the
    // palette's timer may make between runs.
    std::vector<fw::ScriptCall> RunCalls() const {
        std::vector<fw::ScriptCall> calls = host_->Calls();
        std::erase_if(calls, [](const fw::ScriptCall& call) { return call.script == 169; });
        return calls;
    }

    // The names in the folder "temp", sorted; none when it is missing.
    std::vector<std::string> TempFiles() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(temp_ / "temp", error)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string TempImagePath(const std::string& name) const {
        return (temp_ / "temp" / name).string();
    }

    vemo_test::RecordingScriptHostScope host_;
    vemo_test::TempFolder temp_;
    chartservice_test::LoopbackChartServer chart_;

  private:
    void RecordStatusPaints() {
        auto* status = static_cast<QLabel*>(palette_->ST1()->Widget());
        WaitUntilExposed(*status);
        QCoreApplication::processEvents();
        paints_ = std::make_unique<PaintCounter>(*status, [this, status] {
            std::string text = status->text().toStdString();
            if (statuses_.empty() || statuses_.back() != text) {
                statuses_.push_back(text);
                host_->Note("status: " + text);
            }
            return text;
        });
    }

    std::string previousFolder_;
    std::string previousHost_ = ChartHost();
    std::vector<std::string> statuses_;
    std::unique_ptr<PaintCounter> paints_;
};
