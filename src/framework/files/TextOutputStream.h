#pragma once

#include <memory>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// A new text file written line by line, which replaces the file of that name only when Close
// completes. Until then the previous file stays whole: a failed write, a full disk, a crash or
// a stream dropped without Close leaves it as it was.
class TextOutputStream : public Object {
  public:
    // A stream for a new file at `path`, or no object when it cannot be created (a folder in
    // its place, its folder missing or unwritable). A non-empty `*macType` at the time of
    // Close becomes the new file's type code (see FolderItem::MacType).
    static Ref<TextOutputStream> Create(const String& path, std::shared_ptr<const String> macType);

    struct File;
    explicit TextOutputStream(std::unique_ptr<File> file);
    ~TextOutputStream() override;

    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override;

    // Writes the text and an LF. A failure is not reported here; it makes Close fail.
    void WriteLine(const String& text);

    // Puts the new file in place. True when it replaced the old one; false when a write
    // failed, the file could not be put in place or the stream was closed before (the old file
    // then stays as it was).
    bool Close();

  private:
    std::unique_ptr<File> file_;
};

}  // namespace fw
