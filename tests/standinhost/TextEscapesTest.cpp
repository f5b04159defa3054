#include <gtest/gtest.h>

#include <string>

#include "standinhost/LogField.h"
#include "standinhost/XmlText.h"

namespace {

using namespace std::string_literals;
using standinhost::LogField;
using standinhost::XmlText;

struct Case {
    const char* name;
    std::string text;
    std::string expected;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class XmlTextTest : public ::testing::TestWithParam<Case> {};

TEST_P(XmlTextTest, KeepsWhatXmlCanHold) {
    EXPECT_EQ(XmlText::Clean(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, XmlTextTest,
    ::testing::Values(
        Case{"Plain", "a <b> & \"c\"", "a <b> & \"c\""}, Case{"Japanese", "日本語", "日本語"},
        Case{"TabLineEnds", "a\tb\nc\rd", "a\tb\nc\rd"}, Case{"Controls", "a\x01\x1f\0b"s, "ab"},
        Case{"CutSequence", "\xe3\x81ok", "ok"}, Case{"LoneContinuation", "\x80x", "x"},
        Case{"Overlong", "\xc0\xafx", "x"}, Case{"Surrogate", "\xed\xa0\x80x", "x"},
        Case{"BeyondUnicode", "\xf4\x90\x80\x80x", "x"},
        Case{"Nonchars", "\xef\xbf\xbe\xef\xbf\xbf", "\xef\xbf\xbd\xef\xbf\xbd"},
        Case{"FourBytes", "\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"}),
    [](const auto& info) { return std::string(info.param.name); });

class LogFieldTest : public ::testing::TestWithParam<Case> {};

TEST_P(LogFieldTest, StaysOneHarmlessField) {
    EXPECT_EQ(LogField::Escape(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, LogFieldTest,
                         ::testing::Values(Case{"Plain", "/tmp/a b.png", "/tmp/a b.png"},
                                           Case{"Japanese", "日本語", "日本語"},
                                           Case{"Backslash", "a\\nb", "a\\\\nb"},
                                           Case{"TabLineEnds", "a\tb\nc\rd", "a\\tb\\nc\\rd"},
                                           Case{"Escape", "\x1b[31mred", "\\x1b[31mred"},
                                           Case{"Nul", "a\0b"s, "a\\x00b"},
                                           Case{"Delete", "a\x7f", "a\\x7f"},
                                           Case{"InvalidUtf8Kept", "\xe3\x81", "\xe3\x81"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
