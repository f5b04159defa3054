#include "standinhost/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace standinhost {

namespace {

// Reads into `buffer` until it is full or the file ends; -1 on a failed read.
ssize_t ReadFully(int fd, char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, buffer + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return -1;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

}  // namespace

Outcome<UniqueFd> InputFile::Open(int folder, const std::string& name, const std::string& label,
                                  Links links) {
    if (folder < 0) return UniqueFd();
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (links == Links::Refuse) flags |= O_NOFOLLOW;
    UniqueFd fd(::openat(folder, name.c_str(), flags));
    if (!fd) {
        if (errno == ENOENT) return UniqueFd();
        if (errno == ELOOP && links == Links::Refuse) {
            return Outcome<UniqueFd>::Failure(label + " is a link; it is not followed");
        }
        return Outcome<UniqueFd>::Failure("cannot read " + label + ": " + std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return Outcome<UniqueFd>::Failure("cannot read " + label + ": " + std::strerror(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return Outcome<UniqueFd>::Failure(label + " is not a regular file");
    }
    return fd;
}

Outcome<std::string> InputFile::ReadAll(int fd, std::uint64_t limit, const std::string& label) {
    const auto size = Size(fd, label);
    if (!size) return Outcome<std::string>::Failure(size.Reason());
    const std::string tooLarge = label + " is larger than " + std::to_string(limit) + " bytes";
    if (static_cast<std::uint64_t>(*size) > limit) return Outcome<std::string>::Failure(tooLarge);
    // One byte more than the limit, so that a file grown since fstat is caught.
    std::string bytes(static_cast<std::size_t>(*size) + 1, '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() > limit) return Outcome<std::string>::Failure(tooLarge);
            bytes.resize(std::min<std::uint64_t>(limit + 1, bytes.size() * 2));
        }
        const ssize_t got = ReadFully(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            return Outcome<std::string>::Failure("cannot read " + label + ": " +
                                                 std::strerror(errno));
        }
        done += static_cast<std::size_t>(got);
        if (done < bytes.size()) break;
    }
    bytes.resize(done);
    return bytes;
}

Outcome<std::string> InputFile::ReadFirstLine(int fd, std::size_t limit, const std::string& label) {
    // The line, its CR and its LF.
    std::string bytes(limit + 2, '\0');
    std::size_t done = 0;
    std::size_t end = std::string::npos;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            return Outcome<std::string>::Failure("cannot read " + label + ": " +
                                                 std::strerror(errno));
        }
        if (got == 0) break;
        end = bytes.find('\n', done);
        done += static_cast<std::size_t>(got);
        if (end < done) break;
    }
    if (end >= done) end = done;
    bytes.resize(end);
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    if (bytes.size() > limit) {
        return Outcome<std::string>::Failure(label + " has a first line longer than " +
                                             std::to_string(limit) + " bytes");
    }
    return bytes;
}

Outcome<off_t> InputFile::Size(int fd, const std::string& label) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return Outcome<off_t>::Failure("cannot read " + label + ": " + std::strerror(errno));
    }
    return info.st_size;
}

}  // namespace standinhost
