#include "framework/files/SpecialFolder.h"

#include <QStandardPaths>
#include <QString>
#include <utility>

#include "framework/files/GetFolderItem.h"

namespace fw {
namespace {

String& PreferencesFolder() {
    static String folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    return folder;
}

}  // namespace

Ref<FolderItem> SpecialFolder::Preferences() {
    const String& folder = PreferencesFolder();
    if (folder.empty() || folder.front() != '/') return nullptr;
    return GetFolderItem(folder, 0);
}

String SpecialFolder::SetPreferences(const String& folder) {
    return std::exchange(PreferencesFolder(), folder);
}

}  // namespace fw
