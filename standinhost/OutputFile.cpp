#include "standinhost/OutputFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace standinhost {

bool OutputFile::WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

}  // namespace standinhost
