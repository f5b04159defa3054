#include "framework/files/FolderItem.h"

#include <filesystem>
#include <system_error>

#include "framework/files/TextInputStream.h"
#include "framework/files/TextOutputStream.h"
#include "framework/files/TypeCode.h"

namespace fw {
namespace {

bool IsPlainName(const String& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(String("/\0", 2)) == String::npos;
}

String JoinPath(const String& folder, const String& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace

FolderItem::FolderItem(String absolutePath)
    : path_(std::move(absolutePath)), macType_(std::make_shared<String>()) {}

const ClassRecord& FolderItem::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "FolderItem",
        .operations = {"Child(String) As FolderItem", "Exists() As Boolean", "CreateAsFolder()",
                       "AbsolutePath() As String", "MacType() As String", "MacType(String)",
                       "OpenAsTextFile() As TextInputStream",
                       "CreateTextFile() As TextOutputStream"},
    });
    return record;
}

const ClassRecord& FolderItem::ClassOf() const { return ClassInfo(); }

Ref<FolderItem> FolderItem::Child(const String& name) const {
    if (!IsPlainName(name)) return nullptr;
    return std::make_shared<FolderItem>(JoinPath(path_, name));
}

bool FolderItem::Exists() const {
    std::error_code error;
    return std::filesystem::exists(path_, error);
}

bool FolderItem::IsFolder() const {
    std::error_code error;
    return std::filesystem::is_directory(path_, error);
}

bool FolderItem::CreateAsFolder() const {
    std::error_code error;
    std::filesystem::create_directories(path_, error);
    return !error && IsFolder();
}

String FolderItem::MacType() const {
    String stored = ReadTypeCode(path_);
    return stored.empty() ? *macType_ : stored;
}

void FolderItem::SetMacType(const String& typeCode) {
    *macType_ = typeCode;
    if (Exists() && !IsFolder()) WriteTypeCode(path_, typeCode);
}

Ref<TextInputStream> FolderItem::OpenAsTextFile() const { return TextInputStream::Open(path_); }

Ref<TextOutputStream> FolderItem::CreateTextFile() const {
    if (IsFolder()) return nullptr;
    return TextOutputStream::Create(path_, macType_);
}

}  // namespace fw
