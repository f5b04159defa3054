#pragma once

#include <string_view>

namespace standinhost {

// Writing to an open file, the counterpart of InputFile.
class OutputFile {
  public:
    // Writes every byte of `bytes` to `fd`, again after a short write or an interrupt; false
    // when a write fails (errno says why).
    static bool WriteAll(int fd, std::string_view bytes);
};

}  // namespace standinhost
