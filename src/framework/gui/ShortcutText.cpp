#include "framework/gui/ShortcutText.h"

#include <cctype>

#include "framework/text/TextFunctions.h"

namespace fw {
namespace {

std::string ModifierName(std::string_view modifier) {
    if (modifier == "Cmd" || modifier == "Command") return "Ctrl";
    if (modifier == "Shift") return "Shift";
    if (modifier == "Option" || modifier == "Alt") return "Alt";
    if (modifier == "Ctrl" || modifier == "Control") return "Meta";
    return {};
}

bool IsFunctionKey(std::string_view key) {
    if (key.size() < 2 || key.size() > 3 || key[0] != 'F') return false;
    for (char c : key.substr(1)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    int number = std::stoi(std::string(key.substr(1)));
    return number >= 1 && number <= 15;
}

std::string KeyName(std::string_view key) {
    if (key.size() == 1 && std::isgraph(static_cast<unsigned char>(key[0]))) {
        return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(key[0]))));
    }
    if (IsFunctionKey(key)) return std::string(key);
    return {};
}

}  // namespace

ShortcutTranslation TranslateShortcutText(std::string_view text) {
    if (text.empty()) return {};
    std::vector<String> pieces = Split(String(text), "+");
    // "Cmd++" names the plus key: the split leaves two empty pieces at the end.
    if (pieces.size() >= 3 && pieces.back().empty() && pieces[pieces.size() - 2].empty()) {
        pieces.pop_back();
        pieces.back() = "+";
    }
    std::string portable;
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        std::string modifier = ModifierName(pieces[i]);
        if (modifier.empty()) {
            return {
                {},
                "unknown modifier '" + pieces[i] + "' in the shortcut '" + std::string(text) + "'"};
        }
        portable += modifier + "+";
    }
    std::string key = KeyName(pieces.back());
    if (key.empty()) {
        return {{}, "no key that a shortcut can name at the end of '" + std::string(text) + "'"};
    }
    return {portable + key, {}};
}

}  // namespace fw
