#pragma once

#include "framework/files/FolderItem.h"
#include "framework/runtime/Object.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// The user's standard folders.
class SpecialFolder {
  public:
    // The per-user configuration folder (~/.config), whether or not it exists; no object when
    // the user has no home folder.
    static Ref<FolderItem> Preferences();

    // Points Preferences at another folder (tests use a temporary one); gives back the folder
    // it replaces. A folder that is not an absolute path counts as unknown.
    static String SetPreferences(const String& folder);
};

}  // namespace fw
