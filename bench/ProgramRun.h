#pragma once

#include <string>
#include <vector>

namespace bench {

// Starts the program as the palette starts a host script (posix_spawn, no shell, standard output
// to /dev/null) and waits for it; throws when it cannot start or does not exit 0.
void RunProgram(const std::string& program, const std::vector<std::string>& arguments = {});

}  // namespace bench
