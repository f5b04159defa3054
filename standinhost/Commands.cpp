#include "standinhost/Commands.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>

#include "standinhost/HostFolder.h"
#include "standinhost/InputFile.h"
#include "standinhost/OutputFile.h"
#include "standinhost/Placement.h"

namespace standinhost {

namespace {

const char* const kPaletteName = "Vemoコード";

Outcome<std::string> Folder() {
    return HostFolder::Locate([](const char* name) { return std::getenv(name); });
}

// The answer of a script that only reads: the file's bytes as `read` gives them, or `missing`
// when there is no folder or no file.
template <typename Read>
Outcome<std::string> Query(const char* name, const std::string& missing, Read read) {
    const auto path = Folder();
    if (!path) return path;
    const auto folder = HostFolder::OpenExisting(*path);
    if (!folder) return Outcome<std::string>::Failure(folder.Reason());
    const std::string label = *path + "/" + name;
    const auto file = InputFile::Open(folder->Get(), name, label, InputFile::Links::Follow);
    if (!file) return Outcome<std::string>::Failure(file.Reason());
    if (!*file) return missing;
    return read(file->Get(), label);
}

Outcome<std::string> Selection() {
    return Query("selection.txt", "", [](int fd, const std::string& label) {
        return InputFile::ReadAll(fd, Commands::kMaxSelectionBytes, label);
    });
}

Outcome<std::string> Frontmost() {
    return Query("frontmost", kPaletteName, [](int fd, const std::string& label) {
        return InputFile::ReadFirstLine(fd, Commands::kMaxFrontmostLine, label);
    });
}

// Appends `line` to the file `name` in the host folder, made when it is missing.
Outcome<std::string> Append(const char* name, const std::string& line) {
    const auto path = Folder();
    if (!path) return path;
    const auto folder = HostFolder::OpenMaking(*path);
    if (!folder) return Outcome<std::string>::Failure(folder.Reason());
    UniqueFd fd(::openat(folder->Get(), name,
                         O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                         0666));
    if (!fd || !OutputFile::WriteAll(fd.Get(), line)) {
        return Outcome<std::string>::Failure("cannot write " + *path + "/" + name + ": " +
                                             std::strerror(errno));
    }
    return std::string();
}

Outcome<std::string> Activated() {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", ::gmtime_r(&now, &utc));
    return Append("activated.log",
                  std::string(stamp) + " " + kPaletteName + " brought to the front\n");
}

Outcome<std::string> SetUpDemo() {
    const auto path = Folder();
    if (!path) return path;
    const auto folder = HostFolder::OpenMaking(*path);
    if (!folder) return Outcome<std::string>::Failure(folder.Reason());
    const std::string selection = *path + "/selection.txt";
    std::string answer;
    if (::faccessat(folder->Get(), "selection.txt", F_OK, AT_SYMLINK_NOFOLLOW) == 0) {
        answer = "Kept the selection in " + selection + "\n";
    } else {
        // No line end after the last value: it would become part of that value.
        const std::string sample =
            "https://example.com/vemo<Mipo2011>20<Mipo2011>20<Mipo2011br>Vemoコード<Mipo2011>440"
            "<Mipo2011>20<Mipo2011br>QRコードのサンプル<Mipo2011>860<Mipo2011>20";
        UniqueFd fd(::openat(folder->Get(), "selection.txt.new",
                             O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!fd || !OutputFile::WriteAll(fd.Get(), sample) ||
            ::renameat(folder->Get(), "selection.txt.new", folder->Get(), "selection.txt") != 0) {
            return Outcome<std::string>::Failure("cannot write " + selection + ": " +
                                                 std::strerror(errno));
        }
        answer = "Wrote a sample selection to " + selection + "\n";
    }
    return answer + "Placed codes appear in " + *path + "/document.svg (open it in a browser).\n";
}

Outcome<std::string> Place(const std::vector<std::string>& arguments, const std::string& name) {
    const auto path = Folder();
    if (!path) return path;
    const auto warnings = Placement::Run(*path, arguments);
    for (const auto& warning : warnings ? *warnings : std::vector<std::string>{}) {
        OutputFile::WriteAll(STDERR_FILENO, name + ": " + warning + "\n");
    }
    if (!warnings) return Outcome<std::string>::Failure(warnings.Reason());
    return std::string();
}

}  // namespace

int Commands::Run(const std::string& name, const std::vector<std::string>& arguments) {
    std::optional<Outcome<std::string>> answer;
    if (name == "168") answer = Selection();
    if (name == "169") answer = Frontmost();
    if (name == "170") answer = Activated();
    if (name == "171") answer = Place(arguments, name);
    if (name == "setup-demo") answer = SetUpDemo();
    if (!answer) {
        OutputFile::WriteAll(STDERR_FILENO,
                             name + ": not a stand-in host script (168 to 171, setup-demo)\n");
        return 1;
    }
    if (!*answer) {
        OutputFile::WriteAll(STDERR_FILENO, name + ": " + answer->Reason() + "\n");
        return 1;
    }
    if (!OutputFile::WriteAll(STDOUT_FILENO, **answer)) {
        OutputFile::WriteAll(STDERR_FILENO,
                             name + ": cannot write the answer: " + std::strerror(errno) + "\n");
        return 1;
    }
    return 0;
}

}  // namespace standinhost
