#include "framework/files/TextOutputStream.h"

#include <QSaveFile>
#include <QString>

#include "framework/files/TypeCode.h"

namespace fw {

struct TextOutputStream::File {
    QSaveFile file;
    std::shared_ptr<const String> macType;
    // QSaveFile notices neither a short write nor a failed flush of its buffer, and would
    // commit a cut file; so every write is checked here.
    bool failed = false;
};

Ref<TextOutputStream> TextOutputStream::Create(const String& path,
                                               std::shared_ptr<const String> macType) {
    auto file = std::make_unique<File>();
    file->file.setFileName(QString::fromStdString(path));
    file->macType = std::move(macType);
    if (!file->file.open(QIODevice::WriteOnly)) return nullptr;
    return std::make_shared<TextOutputStream>(std::move(file));
}

TextOutputStream::TextOutputStream(std::unique_ptr<File> file) : file_(std::move(file)) {}

// QSaveFile discards its temporary file when it is destroyed uncommitted.
TextOutputStream::~TextOutputStream() = default;

const ClassRecord& TextOutputStream::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "TextOutputStream",
        .operations = {"WriteLine(String)", "Close()"},
    });
    return record;
}

const ClassRecord& TextOutputStream::ClassOf() const { return ClassInfo(); }

void TextOutputStream::WriteLine(const String& text) {
    if (!file_) return;
    String line = text + "\n";
    const auto size = static_cast<qint64>(line.size());
    if (file_->file.write(line.data(), size) != size) file_->failed = true;
}

bool TextOutputStream::Close() {
    if (!file_) return false;
    std::unique_ptr<File> file = std::move(file_);
    // Dropped uncommitted, the temporary file goes and the old file stays.
    if (file->failed || !file->file.flush()) return false;
    if (file->macType && !file->macType->empty()) {
        // Set on the temporary file, so the code arrives together with the new content.
        WriteTypeCode(file->file.handle(), *file->macType);
    }
    return file->file.commit();
}

}  // namespace fw
