#pragma once

#include "framework/text/TextFunctions.h"

namespace fw {

// A file's type code as its extended attribute. Where the file system keeps no user
// attributes, reading gives the empty text and writing does nothing.
String ReadTypeCode(const String& path);
void WriteTypeCode(const String& path, const String& typeCode);
void WriteTypeCode(int openFile, const String& typeCode);

}  // namespace fw
