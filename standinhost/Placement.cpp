#include "standinhost/Placement.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <optional>

#include "standinhost/Base64Writer.h"
#include "standinhost/Coordinate.h"
#include "standinhost/DocumentHead.h"
#include "standinhost/HostFolder.h"
#include "standinhost/InputFile.h"
#include "standinhost/LogField.h"
#include "standinhost/OutputFile.h"
#include "standinhost/PngHeader.h"
#include "standinhost/PngStream.h"
#include "standinhost/SvgWriter.h"
#include "standinhost/UniqueFd.h"

namespace standinhost {

namespace {

using Result = Outcome<std::vector<std::string>>;

const char* const kDocument = "document.svg";
const char* const kTempPrefix = ".document.svg.";
const char* const kLog = "placed.log";
const std::string_view kTail = "</svg>\n";
constexpr std::size_t kMaxHead = 4096;

// A kill at any point leaves the document and placed.log agreeing once the next placement
// has run (each placement first repairs what a killed one left, under the lock):
// - before the temporary document exists: nothing has changed;
// - after that, before the log line: the next placement removes the temporary document;
// - after the log line, before the rename: the temporary document's name records the log's
//   size before the line, and the next placement cuts placed.log back to it;
// - after the rename: the placement is whole.
// SIGTERM, SIGINT and SIGHUP are held back from the log line to the rename, so their handler
// runs before the line (and removes the temporary document) or after the rename, never between.

constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The temporary document of this run, removed when a signal ends the run before the log line.
int gTempFolder = -1;
char gTempName[64] = {};

void RemoveTempAndDie(int signal) {
    if (gTempName[0] != '\0') ::unlinkat(gTempFolder, gTempName, 0);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void RemoveTempOnSignals() {
    struct sigaction action {};
    action.sa_handler = RemoveTempAndDie;
    sigemptyset(&action.sa_mask);
    for (int signal : kEndingSignals) ::sigaction(signal, &action, nullptr);
}

// Holds the ending signals back; gives the signal mask before, to be set again after.
sigset_t HoldBackEndingSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : kEndingSignals) sigaddset(&signals, signal);
    sigset_t previous;
    ::sigprocmask(SIG_BLOCK, &signals, &previous);
    return previous;
}

std::string Errno(const std::string& what) { return what + ": " + std::strerror(errno); }

std::string Plain(double value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    return std::string(text, end);
}

// Copies `length` bytes of `from` at `offset` to the end of what was written to `to`.
bool CopyRange(int from, off_t offset, off_t length, int to) {
    while (length > 0) {
        const ssize_t done =
            ::copy_file_range(from, &offset, to, nullptr, static_cast<std::size_t>(length), 0);
        if (done > 0) {
            length -= done;
            continue;
        }
        if (done < 0 && errno == EINTR) continue;
        if (done == 0) return false;
        // A file system without it: copy through a buffer.
        char buffer[64 * 1024];
        while (length > 0) {
            const ssize_t got =
                ::pread(from, buffer,
                        static_cast<std::size_t>(std::min<off_t>(length, sizeof buffer)), offset);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0 || !OutputFile::WriteAll(to, std::string_view(buffer, got))) return false;
            offset += got;
            length -= got;
        }
    }
    return true;
}

std::string ReadAt(int fd, std::size_t length, off_t offset) {
    std::string bytes(length, '\0');
    const ssize_t got = ::pread(fd, bytes.data(), length, offset);
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

// The name of this run's temporary document: the process and placed.log's size before the
// run's line, so that the next placement can take the line back if this run is killed.
std::string TempName(off_t logSize) {
    return kTempPrefix + std::to_string(::getpid()) + "." + std::to_string(logSize);
}

// The log's size that a temporary document's name records; none for a name without one.
std::optional<off_t> LogSizeIn(std::string_view name) {
    name.remove_prefix(std::strlen(kTempPrefix));
    const auto dot = name.find('.');
    if (dot == name.npos) return std::nullopt;
    off_t size = 0;
    const auto digits = name.substr(dot + 1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return size;
}

// placed.log's size, 0 when there is none.
off_t LogSize(int folder) {
    struct stat info {};
    if (::fstatat(folder, kLog, &info, AT_SYMLINK_NOFOLLOW) != 0) return 0;
    return info.st_size;
}

// Cuts placed.log back to `size` when it is longer.
bool CutLogBack(int folder, off_t size) {
    UniqueFd fd(::openat(folder, kLog, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd) return errno == ENOENT;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    return info.st_size <= size || ::ftruncate(fd.Get(), size) == 0;
}

// Temporary documents are only made under the lock, so any found under it is a killed run's.
// The log's line of such a run is taken back before its document goes; a kill in between
// leaves both for the next placement, which does the same again.
Outcome<bool> RepairKilledRuns(int folder, const std::string& folderPath) {
    const int listing = ::dup(folder);
    DIR* entries = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!entries) {
        if (listing >= 0) ::close(listing);
        return Outcome<bool>::Failure(Errno("cannot read the document folder " + folderPath));
    }
    std::string failure;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, std::strlen(kTempPrefix)) != kTempPrefix) continue;
        const auto logSize = LogSizeIn(name);
        if (logSize && !CutLogBack(folder, *logSize)) {
            failure = Errno("cannot take a killed placement's line back from " + folderPath + "/" +
                            kLog + "; nothing placed");
            break;
        }
        if (::unlinkat(folder, entry->d_name, 0) != 0 && errno != ENOENT) {
            failure = Errno("cannot remove a killed placement's temporary document in " +
                            folderPath + "; nothing placed");
            break;
        }
    }
    ::closedir(entries);
    if (!failure.empty()) return Outcome<bool>::Failure(failure);
    return true;
}

struct Image {
    UniqueFd fd;
    off_t size;
    PngHeader header;
};

Outcome<Image> OpenImage(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return Outcome<Image>::Failure("no image file at " + path);
        }
        return Outcome<Image>::Failure(Errno("cannot read the image file " + path));
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return Outcome<Image>::Failure(Errno("cannot read the image file " + path));
    }
    if (!S_ISREG(info.st_mode)) {
        return Outcome<Image>::Failure("no image file at " + path + " (not a regular file)");
    }
    if (info.st_size > Placement::kMaxImageBytes) {
        return Outcome<Image>::Failure("the image file " + path + " is larger than " +
                                       std::to_string(Placement::kMaxImageBytes) + " bytes");
    }
    const auto header = PngHeader::Parse(ReadAt(fd.Get(), PngHeader::kLength, 0));
    if (!header) return Outcome<Image>::Failure(header.Reason());
    return Image{std::move(fd), info.st_size, *header};
}

struct OldDocument {
    UniqueFd fd;
    off_t size = 0;
    mode_t mode = 0;
    double width = 0;
    double height = 0;
    std::size_t headLength = 0;
};

Outcome<std::optional<OldDocument>> ReadOldDocument(int folder, const std::string& label) {
    using Read = Outcome<std::optional<OldDocument>>;
    auto fd = InputFile::Open(folder, kDocument, label, InputFile::Links::Refuse);
    if (!fd) return Read::Failure(fd.Reason());
    if (!*fd) return std::optional<OldDocument>();
    struct stat info {};
    if (::fstat(fd->Get(), &info) != 0) return Read::Failure(Errno("cannot read " + label));
    if (!(info.st_mode & S_IWUSR) || ::faccessat(folder, kDocument, W_OK, AT_EACCESS) != 0) {
        return Read::Failure(label + " is read-only; it is left as it is");
    }
    const auto head = DocumentHead::Parse(ReadAt(fd->Get(), kMaxHead, 0));
    const off_t tailAt = info.st_size - static_cast<off_t>(kTail.size());
    if (!head || tailAt < static_cast<off_t>(head->Length()) ||
        ReadAt(fd->Get(), kTail.size(), tailAt) != kTail) {
        return Read::Failure(label +
                             " was not written by this stand-in; move it away to start a new one");
    }
    return std::optional<OldDocument>(OldDocument{std::move(*fd), info.st_size,
                                                  info.st_mode & 07777, head->Width(),
                                                  head->Height(), head->Length()});
}

// Writes the new document into `out`; fails saying why.
Outcome<std::uint64_t> WriteDocument(int out, const std::optional<OldDocument>& old, Image& image,
                                     const Coordinate& x, const Coordinate& y,
                                     const SvgWriter::Image& values) {
    using Written = Outcome<std::uint64_t>;
    const double width = std::max(old ? old->width : 0, x.Value() + image.header.Width());
    const double height = std::max(old ? old->height : 0, y.Value() + image.header.Height());
    SvgWriter writer(out);
    if (!writer.Head(Plain(width), Plain(height)) || !writer.Flush()) {
        return Written::Failure(Errno("cannot write the new document"));
    }
    if (old && !CopyRange(old->fd.Get(), static_cast<off_t>(old->headLength),
                          old->size - static_cast<off_t>(old->headLength + kTail.size()), out)) {
        return Written::Failure(Errno("cannot copy the document's images"));
    }
    if (!writer.StartImage(values)) return Written::Failure("cannot write the new document");
    Base64Writer base64([&writer](std::string_view text) { return writer.Data(text); });
    const auto png = PngStream::Check(
        image.fd.Get(), [&base64](std::string_view bytes) { return base64.Add(bytes); });
    if (!png) return png;
    if (!base64.Finish() || !writer.EndImage() || !writer.End()) {
        return Written::Failure("cannot write the new document");
    }
    return png;
}

struct Log {
    UniqueFd fd;
    off_t size;
};

Outcome<Log> OpenLog(int folder, const std::string& label) {
    UniqueFd fd(::openat(
        folder, kLog,
        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666));
    if (!fd && errno == ELOOP) return Outcome<Log>::Failure(label + " is a link; nothing placed");
    if (!fd) return Outcome<Log>::Failure(Errno("cannot write " + label + "; nothing placed"));
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return Outcome<Log>::Failure(label + " is not a regular file; nothing placed");
    }
    return Log{std::move(fd), info.st_size};
}

// Appends the line to the log and renames the temporary document over the document, both or
// neither; gives the reason when neither. The temporary document is gone either way.
Outcome<bool> LogAndReplace(int folder, const std::string& tempName, const Log& log,
                            const std::string& line, const std::string& documentLabel) {
    const sigset_t previous = HoldBackEndingSignals();
    std::string failure;
    if (!OutputFile::WriteAll(log.fd.Get(), line)) {
        failure = Errno("cannot write placed.log; nothing placed");
    } else if (::renameat(folder, tempName.c_str(), folder, kDocument) != 0) {
        failure = Errno("cannot replace " + documentLabel);
    }
    if (!failure.empty()) {
        (void)::ftruncate(log.fd.Get(), log.size);
        ::unlinkat(folder, tempName.c_str(), 0);
    }
    gTempName[0] = '\0';
    ::sigprocmask(SIG_SETMASK, &previous, nullptr);
    if (!failure.empty()) return Outcome<bool>::Failure(failure);
    return true;
}

}  // namespace

Result Placement::Run(const std::string& folderPath, const std::vector<std::string>& arguments) {
    if (arguments.empty()) return Result::Failure("usage: 171 image.png [x] [y]");
    const std::string& imagePath = arguments[0];
    const std::string xValue = arguments.size() > 1 ? arguments[1] : "";
    const std::string yValue = arguments.size() > 2 ? arguments[2] : "";
    auto image = OpenImage(imagePath);
    if (!image) return Result::Failure(image.Reason());

    std::vector<std::string> warnings;
    const Coordinate x = Coordinate::Parse(xValue);
    const Coordinate y = Coordinate::Parse(yValue);
    for (const auto& [name, given, coordinate] :
         {std::tuple{"x", arguments.size() > 1, x}, std::tuple{"y", arguments.size() > 2, y}}) {
        if (given && !coordinate.IsNumber()) {
            warnings.push_back(std::string(name) +
                               " is no decimal number within 1e9 of 0; placed at 0");
        }
    }

    auto folder = HostFolder::OpenMaking(folderPath);
    if (!folder) return Result::Failure(folder.Reason());
    const int dir = folder->Get();
    while (::flock(dir, LOCK_EX) != 0) {
        if (errno != EINTR) return Result::Failure(Errno("cannot lock " + folderPath));
    }
    const auto repaired = RepairKilledRuns(dir, folderPath);
    if (!repaired) return Result::Failure(repaired.Reason());

    const std::string documentLabel = folderPath + "/" + kDocument;
    auto old = ReadOldDocument(dir, documentLabel);
    if (!old) return Result::Failure(old.Reason());

    const off_t logSize = LogSize(dir);
    const std::string tempName = TempName(logSize);
    gTempFolder = dir;
    std::strncpy(gTempName, tempName.c_str(), sizeof gTempName - 1);
    RemoveTempOnSignals();
    UniqueFd out(::openat(dir, tempName.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    const auto removeTemp = [&](const std::string& reason) {
        ::unlinkat(dir, tempName.c_str(), 0);
        return Result::Failure(reason);
    };
    if (!out) return removeTemp(Errno("cannot write a new document in " + folderPath));

    const SvgWriter::Image values{x.Text(),
                                  y.Text(),
                                  std::to_string(image->header.Width()),
                                  std::to_string(image->header.Height()),
                                  imagePath,
                                  xValue,
                                  yValue};
    const auto embedded = WriteDocument(out.Get(), *old, *image, x, y, values);
    if (!embedded) return removeTemp(embedded.Reason());
    if (*old && ::fchmod(out.Get(), (*old)->mode) != 0) {
        return removeTemp(Errno("cannot keep the document's permissions"));
    }
    if (::fsync(out.Get()) != 0) return removeTemp(Errno("cannot write the new document"));
    // Opened only now, so that a placement that fails before leaves no new placed.log.
    auto log = OpenLog(dir, folderPath + "/" + kLog);
    if (!log) return removeTemp(log.Reason());
    // The temporary document's name must hold the size that a repair would cut the log to.
    if (log->size != logSize) {
        return removeTemp(folderPath + "/" + kLog + " changed while placing; nothing placed");
    }

    const std::string line = LogField::Escape(imagePath) + "\t" + LogField::Escape(xValue) + "\t" +
                             LogField::Escape(yValue) + "\n";
    const auto replaced = LogAndReplace(dir, tempName, *log, line, documentLabel);
    if (!replaced) return Result::Failure(replaced.Reason());
    if (static_cast<std::uint64_t>(image->size) > *embedded) {
        warnings.push_back("the " + std::to_string(image->size - *embedded) +
                           " bytes after the PNG file's IEND chunk were not embedded");
    }
    return warnings;
}

}  // namespace standinhost
