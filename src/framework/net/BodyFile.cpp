#include "framework/net/BodyFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace fw {

BodyFile::~BodyFile() { Close(); }

bool BodyFile::Create(const String& path) {
    Close();
    // A folder in its place is refused by open itself (EISDIR), before anything is truncated.
    descriptor_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return descriptor_ >= 0;
}

bool BodyFile::Write(std::string_view bytes) {
    if (descriptor_ < 0) return false;
    while (!bytes.empty()) {
        ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool BodyFile::Close() {
    if (descriptor_ < 0) return true;
    int closed = ::close(descriptor_);
    descriptor_ = -1;
    return closed == 0;
}

}  // namespace fw
