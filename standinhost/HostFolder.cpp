#include "standinhost/HostFolder.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace standinhost {

namespace {

std::string Variable(const HostFolder::Environment& environment, const char* name) {
    const char* value = environment(name);
    return value ? value : "";
}

UniqueFd OpenFolder(const std::string& path) {
    return UniqueFd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

std::string Describe(const std::string& path, int error) {
    return "cannot open the document folder " + path + ": " + std::strerror(error);
}

}  // namespace

Outcome<std::string> HostFolder::Locate(const Environment& environment) {
    if (auto own = Variable(environment, "VEMO_HOST_DIR"); !own.empty()) return own;
    if (auto data = Variable(environment, "XDG_DATA_HOME"); !data.empty()) {
        return data + "/vemo/host";
    }
    if (auto home = Variable(environment, "HOME"); !home.empty()) {
        return home + "/.local/share/vemo/host";
    }
    return Outcome<std::string>::Failure("no document folder: set VEMO_HOST_DIR or HOME");
}

Outcome<UniqueFd> HostFolder::OpenExisting(const std::string& path) {
    UniqueFd folder = OpenFolder(path);
    if (folder || errno == ENOENT) return folder;
    // ENOTDIR on a path through a file: that folder can never exist, so it holds nothing.
    struct stat info {};
    if (errno == ENOTDIR && ::stat(path.c_str(), &info) != 0) return UniqueFd();
    return Outcome<UniqueFd>::Failure(Describe(path, errno));
}

Outcome<UniqueFd> HostFolder::OpenMaking(const std::string& path) {
    if (UniqueFd folder = OpenFolder(path)) return folder;
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            return Outcome<UniqueFd>::Failure("cannot make the document folder " + part + ": " +
                                              std::strerror(errno));
        }
        if (slash == std::string::npos) break;
    }
    if (UniqueFd folder = OpenFolder(path)) return folder;
    return Outcome<UniqueFd>::Failure(Describe(path, errno));
}

}  // namespace standinhost
