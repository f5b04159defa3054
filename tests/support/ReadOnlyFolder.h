#pragma once

#include <string>

namespace vemo_test {

// Makes `path` a folder that cannot be written to, for as long as the object lives, on this
// thread. Permission bits alone do not stop root (the test machines run as root), so for root
// the thread also gives up, for the while, its power to override file permissions.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(std::string path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  private:
    std::string path_;
    bool droppedOverride_ = false;
};

}  // namespace vemo_test
