#include "PaletteSession.h"

#include <stdlib.h>

#include "framework/files/GetFolderItem.h"
#include "framework/scripting/HostScripting.h"
#include "qrworkflow/ChartHost.h"
#include "support/ProcessRun.h"

PaletteSession::PaletteSession(int chartPort, std::shared_ptr<fw::HostScriptRunner> runner) {
    ::setenv("VEMO_HOST_DIR", host_.Path().c_str(), 1);
    previousRunner_ = fw::SetHostScriptRunner(std::move(runner));
    previousFolder_ = fw::SetDefaultFolder(defaultFolder_.Path());
    previousHost_ = SetChartHost("127.0.0.1:" + std::to_string(chartPort));
}

PaletteSession::~PaletteSession() {
    SetChartHost(previousHost_);
    fw::SetDefaultFolder(previousFolder_);
    fw::SetHostScriptRunner(previousRunner_);
    ::unsetenv("VEMO_HOST_DIR");
}

int PaletteSession::Run(const std::function<void(Window1&)>& inLoop) {
    return vemo_test::RunPalette(messages_, inLoop);
}
