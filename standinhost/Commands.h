#pragma once

#include <string>
#include <vector>

namespace standinhost {

// The stand-in host's scripts, each chosen by the name it is called under: 168 (the
// selection), 169 (the frontmost application), 170 (the palette brought to the front), 171
// (place an image) and setup-demo (a sample selection).
class Commands {
  public:
    // At most this many bytes of selection.txt.
    static constexpr unsigned long long kMaxSelectionBytes = 64ULL * 1024 * 1024;
    // At most this many bytes in the first line of frontmost.
    static constexpr std::size_t kMaxFrontmostLine = 4096;

    // Runs the script `name` with `arguments`, writing its answer to standard output and
    // each reason or warning as a line "NAME: ..." to standard error. Gives the exit status:
    // 0 when it did its work, 1 when it failed (an unknown name included).
    static int Run(const std::string& name, const std::vector<std::string>& arguments);
};

}  // namespace standinhost
