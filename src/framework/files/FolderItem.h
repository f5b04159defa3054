#pragma once

#include <memory>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/text/TextFunctions.h"

namespace fw {

class TextInputStream;
class TextOutputStream;

// A reference to a file or folder by its absolute path. The item need not exist; every call
// looks at the file system afresh, and none of them throws.
class FolderItem : public Object {
  public:
    // `absolutePath` is taken as it is; GetFolderItem and Child are the checked ways to make one.
    explicit FolderItem(String absolutePath);

    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override;

    // The item named `name` inside this folder, whether or not it exists. No object for an
    // empty name, ".", "..", or a name holding "/" or a NUL byte.
    Ref<FolderItem> Child(const String& name) const;

    const String& AbsolutePath() const { return path_; }
    bool Exists() const;
    bool IsFolder() const;

    // Creates the folder, and any missing folders above it. False when it cannot be made or
    // something other than a folder is in its place; true when the folder is there already.
    bool CreateAsFolder() const;

    // The four-character file type code. It is kept on this object and, where the file system
    // allows, as the file's extended attribute "user.mactype", so it survives the file being
    // rewritten by CreateTextFile. Empty when none was set.
    String MacType() const;
    void SetMacType(const String& typeCode);

    // The file opened for reading as text, or no object when it is missing, a folder or
    // unreadable.
    Ref<TextInputStream> OpenAsTextFile() const;

    // A new text file that replaces this one atomically: only a completed
    // TextOutputStream::Close puts it in place, so a failure or a crash while writing leaves
    // the previous file whole. No object when the file cannot be created (its folder missing
    // or unwritable, a folder in its place).
    Ref<TextOutputStream> CreateTextFile() const;

  private:
    String path_;
    // Shared with the streams made by CreateTextFile, which set it on the new file before it
    // replaces the old one.
    std::shared_ptr<String> macType_;
};

}  // namespace fw
