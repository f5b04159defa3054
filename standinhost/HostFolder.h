#pragma once

#include <functional>
#include <string>

#include "standinhost/Outcome.h"
#include "standinhost/UniqueFd.h"

namespace standinhost {

// The stand-in host's document folder: $VEMO_HOST_DIR, else $XDG_DATA_HOME/vemo/host, else
// $HOME/.local/share/vemo/host; an empty variable counts as unset.
class HostFolder {
  public:
    using Environment = std::function<const char*(const char*)>;

    // The folder's path; fails when none of the three variables is set.
    static Outcome<std::string> Locate(const Environment& environment);

    // The folder opened for reading, without making it. A folder that is missing, or that
    // cannot exist (a file in its path), gives a UniqueFd holding none; fails on any other
    // error (no permission, a file in place of the folder).
    static Outcome<UniqueFd> OpenExisting(const std::string& path);

    // The folder opened, made first with its parents when it is missing; fails saying why.
    static Outcome<UniqueFd> OpenMaking(const std::string& path);
};

}  // namespace standinhost
