#include "framework/files/TextInputStream.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fw {

Ref<TextInputStream> TextInputStream::Open(const String& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return nullptr;
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) return nullptr;
    return std::make_shared<TextInputStream>(std::move(file));
}

TextInputStream::TextInputStream(std::ifstream file) : file_(std::move(file)) {
    SkipByteOrderMark();
}

// Editors on some systems save UTF-8 with a mark in front; left in, it would spoil line 1.
void TextInputStream::SkipByteOrderMark() {
    static constexpr char kMark[] = "\xEF\xBB\xBF";
    char start[3] = {};
    file_.read(start, sizeof start);
    const bool marked = file_.gcount() == sizeof start && std::equal(start, start + 3, kMark);
    if (!marked) {
        file_.clear();
        file_.seekg(0);
    }
}

const ClassRecord& TextInputStream::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "TextInputStream",
        .operations = {"ReadLine() As String", "Close()"},
    });
    return record;
}

const ClassRecord& TextInputStream::ClassOf() const { return ClassInfo(); }

String TextInputStream::ReadLine() {
    String line;
    if (!file_.is_open()) return line;
    for (int byte = file_.get(); byte != std::ifstream::traits_type::eof(); byte = file_.get()) {
        if (byte == '\n') break;
        if (byte == '\r') {
            if (file_.peek() == '\n') file_.get();
            break;
        }
        line.push_back(static_cast<char>(byte));
    }
    return line;
}

void TextInputStream::Close() {
    if (file_.is_open()) file_.close();
}

}  // namespace fw
