#include "qrworkflow/LevelLetter.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct LevelCase {
    const char* name;
    std::int32_t row;
    std::string letter;
};

void PrintTo(const LevelCase& row, std::ostream* os) { *os << row.name; }

class LevelLetterTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelLetterTest, ComesFromTheRowNumberAlone) {
    EXPECT_EQ(LevelLetter(GetParam().row), GetParam().letter);
}

INSTANTIATE_TEST_SUITE_P(Rows, LevelLetterTest,
                         ::testing::Values(LevelCase{"Row0", 0, "L"}, LevelCase{"Row1", 1, "M"},
                                           LevelCase{"Row2", 2, "Q"}, LevelCase{"Row3", 3, "H"},
                                           LevelCase{"NoRow", -1, ""},
                                           LevelCase{"RowAfterTheLast", 4, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
