#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/scripting/HostScriptRunner.h"
#include "shell/Window1.h"
#include "support/TempFolder.h"
#include "support/TempPreferences.h"

// One start of the real palette in this process, as the end-to-end tests make it: the host
// scripts of the built tree (through `runner`, the process runner when none is given) on a
// fresh host folder, "temp" and the preference file in temporary folders, chart requests to
// 127.0.0.1 at `chartPort`. Everything is put back when the session goes.
class PaletteSession {
  public:
    explicit PaletteSession(int chartPort, std::shared_ptr<fw::HostScriptRunner> runner = {});
    ~PaletteSession();
    PaletteSession(const PaletteSession&) = delete;
    PaletteSession& operator=(const PaletteSession&) = delete;

    // A file in the host folder.
    std::string Host(const std::string& name) const { return (host_ / name).string(); }

    // Starts the program; `inLoop` acts on the palette once it is on screen, then the palette
    // is closed. Gives the exit status (99 when the close did not end the program).
    int Run(const std::function<void(Window1&)>& inLoop);

    // What the palette showed in message boxes.
    const std::vector<std::string>& Messages() const { return messages_; }

  private:
    vemo_test::TempFolder host_;
    vemo_test::TempFolder defaultFolder_;
    vemo_test::TempPreferences preferences_;
    std::vector<std::string> messages_;
    std::shared_ptr<fw::HostScriptRunner> previousRunner_;
    std::string previousFolder_;
    std::string previousHost_;
};
