#pragma once

#include <filesystem>
#include <string>

namespace vemo_test {

// A fresh folder under the system's temporary folder, removed with all it holds when the
// object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const {
        return std::filesystem::path(path_) / name;
    }

  private:
    std::string path_;
};

// The whole content of a file; the empty text when it cannot be read.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);

}  // namespace vemo_test
