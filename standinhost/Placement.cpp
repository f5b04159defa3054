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
const std::string_view kTail = "</svg>\n";
constexpr std::size_t kMaxHead = 4096;

// The temporary document of this run, removed when a signal ends the run before the rename.
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
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
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

// Temporary documents are only made under the lock, so any found under it is a killed run's.
void RemoveStaleTemps(int folder) {
    const int listing = ::dup(folder);
    if (listing < 0) return;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        if (std::strncmp(entry->d_name, kTempPrefix, std::strlen(kTempPrefix)) == 0) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(entries);
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
        folder, "placed.log",
        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666));
    if (!fd && errno == ELOOP) return Outcome<Log>::Failure(label + " is a link; nothing placed");
    if (!fd) return Outcome<Log>::Failure(Errno("cannot write " + label + "; nothing placed"));
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return Outcome<Log>::Failure(label + " is not a regular file; nothing placed");
    }
    return Log{std::move(fd), info.st_size};
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
    RemoveStaleTemps(dir);

    const std::string documentLabel = folderPath + "/" + kDocument;
    auto old = ReadOldDocument(dir, documentLabel);
    if (!old) return Result::Failure(old.Reason());

    const std::string tempName = kTempPrefix + std::to_string(::getpid());
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
    auto log = OpenLog(dir, folderPath + "/placed.log");
    if (!log) return removeTemp(log.Reason());

    const std::string line = LogField::Escape(imagePath) + "\t" + LogField::Escape(xValue) + "\t" +
                             LogField::Escape(yValue) + "\n";
    if (!OutputFile::WriteAll(log->fd.Get(), line)) {
        const std::string reason = Errno("cannot write placed.log; nothing placed");
        (void)::ftruncate(log->fd.Get(), log->size);
        return removeTemp(reason);
    }
    if (::renameat(dir, tempName.c_str(), dir, kDocument) != 0) {
        const std::string reason = Errno("cannot replace " + documentLabel);
        (void)::ftruncate(log->fd.Get(), log->size);
        return removeTemp(reason);
    }
    gTempName[0] = '\0';
    if (static_cast<std::uint64_t>(image->size) > *embedded) {
        warnings.push_back("the " + std::to_string(image->size - *embedded) +
                           " bytes after the PNG file's IEND chunk were not embedded");
    }
    return warnings;
}

}  // namespace standinhost
