#include "framework/files/TypeCode.h"

#include <sys/xattr.h>

namespace fw {
namespace {

constexpr const char* kTypeAttribute = "user.mactype";

}  // namespace

String ReadTypeCode(const String& path) {
    char code[16];
    ssize_t length = ::getxattr(path.c_str(), kTypeAttribute, code, sizeof code);
    return length > 0 ? String(code, static_cast<std::size_t>(length)) : String();
}

void WriteTypeCode(const String& path, const String& typeCode) {
    ::setxattr(path.c_str(), kTypeAttribute, typeCode.data(), typeCode.size(), 0);
}

void WriteTypeCode(int openFile, const String& typeCode) {
    ::fsetxattr(openFile, kTypeAttribute, typeCode.data(), typeCode.size(), 0);
}

}  // namespace fw
