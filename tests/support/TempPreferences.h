#pragma once

#include <filesystem>
#include <string>

#include "framework/files/SpecialFolder.h"
#include "support/TempFolder.h"

namespace vemo_test {

// A fresh, empty Preferences folder for as long as the object lives, so that no test reads or
// writes the user's own preference file.
class TempPreferences {
  public:
    TempPreferences()
        : folder_((temp_ / "config").string()),
          previous_(fw::SpecialFolder::SetPreferences(folder_)) {
        std::filesystem::create_directories(folder_);
    }
    ~TempPreferences() { fw::SpecialFolder::SetPreferences(previous_); }

    const std::string& Folder() const { return folder_; }
    // The palette's preference file in it.
    std::string File() const { return folder_ + "/vemo_p.pref"; }

  private:
    TempFolder temp_;
    std::string folder_;
    std::string previous_;
};

}  // namespace vemo_test
