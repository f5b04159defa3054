#include "framework/files/GetFolderItem.h"

#include <QStandardPaths>
#include <QString>
#include <filesystem>
#include <utility>

namespace fw {
namespace {

String StandardDefaultFolder() {
    String cache =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString();
    return cache.empty() ? cache : cache + "/vemo";
}

String& Folder() {
    static String folder = StandardDefaultFolder();
    return folder;
}

bool IsAbsolute(const String& path) { return !path.empty() && path.front() == '/'; }

String Normal(const String& path) {
    String normal = std::filesystem::path(path).lexically_normal().string();
    if (normal.size() > 1 && normal.back() == '/') normal.pop_back();
    return normal;
}

}  // namespace

Ref<FolderItem> GetFolderItem(const String& path, std::int32_t pathType) {
    if (pathType != 0 || path.empty() || path.find('\0') != String::npos) return nullptr;
    if (IsAbsolute(path)) return std::make_shared<FolderItem>(Normal(path));
    if (!IsAbsolute(Folder())) return nullptr;
    return std::make_shared<FolderItem>(Normal(Folder() + "/" + path));
}

String DefaultFolder() { return Folder(); }

String SetDefaultFolder(const String& folder) { return std::exchange(Folder(), folder); }

}  // namespace fw
