#pragma once

#include <string>
#include <vector>

namespace vemo_test {

// Where a traced run gets its signal: as it enters one of the system calls `entering`, before
// that call runs, or as it comes back from a write of exactly the bytes `written`.
struct SyscallPoint {
    std::vector<long> entering;
    std::string written;
};

// Runs `program` with `arguments`, traced, until it reaches `point`; sends it `signal` there
// and lets it go on untraced. Gives its wait status; -1 when it could not be traced. A run that
// never reaches the point ends as it would, and its status is given.
int RunSignalledAt(const std::string& program, const std::vector<std::string>& arguments,
                   const SyscallPoint& point, int signal);

}  // namespace vemo_test
