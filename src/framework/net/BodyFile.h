#pragma once

#include <string_view>

#include "framework/text/TextFunctions.h"

namespace fw {

// The file that a download writes its body into, written in place as the bytes arrive.
class BodyFile {
  public:
    BodyFile() = default;
    ~BodyFile();
    BodyFile(const BodyFile&) = delete;
    BodyFile& operator=(const BodyFile&) = delete;

    // Creates the file empty (replacing one of that name) and opens it for writing. False,
    // with nothing touched, when a folder is in its place; false when it cannot be created.
    bool Create(const String& path);

    // False when the bytes could not all be written (a full disk, a broken device).
    bool Write(std::string_view bytes);

    // False when the last writes could not be completed. Closing twice does no harm.
    bool Close();

  private:
    int descriptor_ = -1;
};

}  // namespace fw
