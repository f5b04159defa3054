#include "framework/runtime/Variant.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(VariantTest, AnIntegerHasTypeCodeTwoAndKeepsItsValue) {
    const fw::Variant value = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(fw::VarType(value), 2);
    EXPECT_EQ(fw::VariantToInt32(value), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(fw::VariantToString(value), "-2147483648");
}

TEST(VariantTest, ATextIsAStringWhateverItReadsLike) {
    for (const char* text : {"5", "-12", "", "日本語", "5 "}) {
        EXPECT_EQ(fw::VarType(fw::Variant(text)), fw::TypeString) << text;
        EXPECT_EQ(fw::VariantToString(fw::Variant(text)), text);
    }
}

TEST(VariantTest, ATextConvertsToAnIntegerAsValReadsIt) {
    EXPECT_EQ(fw::VariantToInt32(fw::Variant("42abc")), 42);
    EXPECT_EQ(fw::VariantToInt32(fw::Variant("-7.9")), -7);
    EXPECT_EQ(fw::VariantToInt32(fw::Variant("x")), 0);
    EXPECT_EQ(fw::VariantToInt32(fw::Variant("9999999999")),
              std::numeric_limits<std::int32_t>::max());
}

TEST(VariantTest, EqualityLooksAtTheTypeToo) {
    EXPECT_EQ(fw::Variant(5), fw::Variant(5));
    EXPECT_NE(fw::Variant(5), fw::Variant("5"));
    EXPECT_EQ(fw::Variant(fw::String("a\0b", 3)), fw::Variant(fw::String("a\0b", 3)));
}

}  // namespace
