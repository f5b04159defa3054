#include "support/TempFolder.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace vemo_test {

TempFolder::TempFolder() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/vemo-test-XXXXXX";
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed for " + pattern);
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code error;
    // A test may have left a folder read-only; make everything removable first.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, error)) {
        if (entry.is_directory(error)) ::chmod(entry.path().c_str(), 0700);
    }
    std::filesystem::remove_all(path_, error);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
    if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace vemo_test
