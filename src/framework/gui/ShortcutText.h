#pragma once

#include <string>
#include <string_view>

namespace fw {

// A menu shortcut in Qt's portable text ("Ctrl+Q"), or the reason it cannot be read.
struct ShortcutTranslation {
    std::string portableText;  // empty: no shortcut
    std::string error;

    explicit operator bool() const { return error.empty(); }
};

// Reads the framework's shortcut text: modifiers joined by "+" before one key. "Cmd" (or
// "Command") is the platform's command key, Ctrl here; "Shift", "Option" or "Alt", and "Ctrl"
// or "Control" (the Mac's control key, Meta here) may come too. The key is one letter, digit
// or sign, or F1 to F15. The empty text is no shortcut. Anything else is refused with the
// text in the reason.
ShortcutTranslation TranslateShortcutText(std::string_view text);

}  // namespace fw
