#pragma once

#include <cstdint>

#include "framework/files/FolderItem.h"
#include "framework/runtime/Object.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// The item at `path`, whether or not it exists. Path type 0 is the native form: an absolute
// path is taken as it is, a relative one from the default folder. No object for another path
// type, an empty path, a path holding a NUL byte, or a relative path while the default folder
// is unknown.
Ref<FolderItem> GetFolderItem(const String& path, std::int32_t pathType);

// The folder that relative paths start from: the application's per-user cache folder
// (~/.cache/vemo), or the empty text when the user has no home folder.
String DefaultFolder();

// Points relative paths at another folder (tests use a temporary one); gives back the folder
// it replaces. A folder that is not an absolute path counts as unknown.
String SetDefaultFolder(const String& folder);

}  // namespace fw
