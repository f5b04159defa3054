#pragma once

#include <fstream>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// A text file read line by line, its bytes as they are (UTF-8 in, UTF-8 out). A UTF-8 byte
// order mark at the very start of the file is not text and is skipped.
class TextInputStream : public Object {
  public:
    // The file at `path` opened for reading, or no object when it is missing, a folder or
    // unreadable.
    static Ref<TextInputStream> Open(const String& path);

    explicit TextInputStream(std::ifstream file);

    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override;

    // The next line without its line end; LF, CR LF and a lone CR each end a line. Past the
    // end, or after Close, the empty text.
    String ReadLine();

    // Closing twice does no harm.
    void Close();

  private:
    void SkipByteOrderMark();

    std::ifstream file_;
};

}  // namespace fw
