#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

#include "standinhost/Outcome.h"
#include "standinhost/UniqueFd.h"

namespace standinhost {

// A regular file opened for reading: never a FIFO, a device or a folder, and never blocking
// on open. A link is followed unless the caller says no.
class InputFile {
  public:
    enum class Links { Follow, Refuse };

    // The file `name` in the folder `folder` (-1: none, so the file is missing). A file that
    // is missing gives a UniqueFd holding none; fails, naming `label`, on anything that is not
    // a regular file, on a link when links are refused, and when it cannot be opened.
    static Outcome<UniqueFd> Open(int folder, const std::string& name, const std::string& label,
                                  Links links);

    // The whole file, which must hold at most `limit` bytes; fails naming `label` otherwise
    // or when a read fails.
    static Outcome<std::string> ReadAll(int fd, std::uint64_t limit, const std::string& label);

    // The file's first line without its line end (LF, or CR LF), read up to that line end;
    // fails naming `label` when that line is longer than `limit` bytes or a read fails.
    static Outcome<std::string> ReadFirstLine(int fd, std::size_t limit, const std::string& label);

    // The size of the open file; fails naming `label` when fstat fails.
    static Outcome<off_t> Size(int fd, const std::string& label);
};

}  // namespace standinhost
