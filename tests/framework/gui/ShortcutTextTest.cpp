#include "framework/gui/ShortcutText.h"

#include <gtest/gtest.h>

namespace {

struct ShortcutCase {
    const char* label;
    const char* text;
    const char* portable;  // nullptr: refused
};

class ShortcutTextTest : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutTextTest, TranslatesOrRefusesWithTheText) {
    auto translation = fw::TranslateShortcutText(GetParam().text);
    if (GetParam().portable) {
        ASSERT_TRUE(translation) << translation.error;
        EXPECT_EQ(translation.portableText, GetParam().portable);
    } else {
        EXPECT_FALSE(translation);
        EXPECT_NE(translation.error.find(GetParam().text), std::string::npos) << translation.error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortcutTextTest,
    ::testing::Values(ShortcutCase{"CmdLetter", "Cmd+Q", "Ctrl+Q"},
                      ShortcutCase{"EmptyIsNone", "", ""},
                      ShortcutCase{"LowerCaseLetter", "Cmd+a", "Ctrl+A"},
                      ShortcutCase{"ShiftAndCmd", "Shift+Cmd+Z", "Shift+Ctrl+Z"},
                      ShortcutCase{"OptionIsAlt", "Option+Cmd+F", "Alt+Ctrl+F"},
                      ShortcutCase{"MacControlIsMeta", "Ctrl+T", "Meta+T"},
                      ShortcutCase{"ControlSpelledOut", "Control+T", "Meta+T"},
                      ShortcutCase{"FunctionKey", "Cmd+F12", "Ctrl+F12"},
                      ShortcutCase{"PlusKey", "Cmd++", "Ctrl++"},
                      ShortcutCase{"BareLetter", "Q", "Q"}, ShortcutCase{"NoKey", "Cmd+", nullptr},
                      ShortcutCase{"UnknownModifier", "Hyper+Q", nullptr},
                      ShortcutCase{"WordAsKey", "Cmd+Quit", nullptr},
                      ShortcutCase{"FunctionKeyOutOfRange", "F16", nullptr}),
    [](const auto& info) { return info.param.label; });

}  // namespace
