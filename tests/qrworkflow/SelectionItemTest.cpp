#include "qrworkflow/SelectionItem.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Spelled out so that a failing row shows which item differs.
void PrintTo(const SelectionItem& item, std::ostream* os) {
    *os << "#" << item.number;
    if (item.empty) {
        *os << " empty";
    } else {
        *os << " {\"" << item.text << "\", \"" << item.firstValue << "\", \"" << item.secondValue
            << "\"}";
    }
}

namespace {

const std::string I = "<Mipo2011br>";
const std::string F = "<Mipo2011>";

SelectionItem Item(std::int32_t number, const std::string& text, const std::string& first,
                   const std::string& second) {
    return {.number = number, .text = text, .firstValue = first, .secondValue = second};
}

SelectionItem Empty(std::int32_t number) {
    SelectionItem item;
    item.number = number;
    item.empty = true;
    return item;
}

struct SelectionCase {
    const char* name;
    std::string selection;  // as getcontents gives it, CR characters included
    std::vector<SelectionItem> items;
};

void PrintTo(const SelectionCase& row, std::ostream* os) { *os << row.name; }

class SelectionItemTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectionItemTest, SplitsTheCleanedTextIntoNumberedItemsWithThreeFields) {
    EXPECT_EQ(SelectionItems(WithoutCarriageReturns(GetParam().selection)), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SelectionItemTest,
    ::testing::Values(
        SelectionCase{"EmptyText", "", {}},
        SelectionCase{"OneItemWithoutSeparator", "A" + F + "x" + F + "y", {Item(0, "A", "x", "y")}},
        SelectionCase{"EmptyItemBetweenKeepsTheNextNumber",
                      "A" + F + "x" + F + "y" + I + I + "B" + F + "u" + F + "v",
                      {Item(0, "A", "x", "y"), Empty(1), Item(2, "B", "u", "v")}},
        SelectionCase{"SeparatorsAlone", I + I, {Empty(0), Empty(1), Empty(2)}},
        SelectionCase{
            "SeparatorAtTheStart", I + "A" + F + "x" + F + "y", {Empty(0), Item(1, "A", "x", "y")}},
        SelectionCase{
            "SeparatorAtTheEnd", "A" + F + "x" + F + "y" + I, {Item(0, "A", "x", "y"), Empty(1)}},
        SelectionCase{"CarriageReturnsGoLineFeedsStay",
                      "\rA\r\nB" + F + "x\r" + F + "\ry\r",
                      {Item(0, "A\nB", "x", "y")}},
        SelectionCase{"CarriageReturnInsideASeparatorGoesBeforeTheSplit",
                      "A" + F + "x" + F + "y<Mipo2011\rbr>B<Mipo\r2011>u" + F + "v",
                      {Item(0, "A", "x", "y"), Item(1, "B", "u", "v")}},
        SelectionCase{"LaterFieldsIgnored",
                      "A" + F + "x" + F + "y" + F + "z" + F + "w",
                      {Item(0, "A", "x", "y")}},
        SelectionCase{"MissingFieldsAsEmptyTexts",
                      "A" + I + "B" + F + "u",
                      {Item(0, "A", "", ""), Item(1, "B", "u", "")}},
        SelectionCase{"EmptyFieldsMakeNoEmptyItem",
                      F + F + I + F + "x" + F + "y",
                      {Item(0, "", "", ""), Item(1, "", "x", "y")}},
        SelectionCase{"ValuesUnchanged",
                      " a b " + F + "007" + F + "%41&\t",
                      {Item(0, " a b ", "007", "%41&\t")}},
        SelectionCase{"SeparatorsMatchTheirCase",
                      "A<mipo2011>x<MIPO2011BR>y",
                      {Item(0, "A<mipo2011>x<MIPO2011BR>y", "", "")}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
