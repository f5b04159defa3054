#include "support/ReadOnlyFolder.h"

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace vemo_test {
namespace {

constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// Capabilities are per thread under Linux, so this changes only the calling thread.
void SetOverride(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) throw std::runtime_error("capget failed");
    if (on) {
        data[0].effective |= kOverrides & data[0].permitted;
    } else {
        data[0].effective &= ~kOverrides;
    }
    if (::syscall(SYS_capset, &header, data) != 0) throw std::runtime_error("capset failed");
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(std::string path) : path_(std::move(path)) {
    std::filesystem::create_directories(path_);
    if (::chmod(path_.c_str(), 0555) != 0) throw std::runtime_error("chmod failed: " + path_);
    if (::geteuid() == 0) {
        SetOverride(false);
        droppedOverride_ = true;
    }
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (droppedOverride_) SetOverride(true);
    ::chmod(path_.c_str(), 0755);
}

}  // namespace vemo_test
