#include <gtest/gtest.h>

#include <map>

#include "framework/design/DesignRecordDecoder.h"
#include "framework/design/DesignRecordWriter.h"

namespace {

using fw::DesignType;

fw::DesignTypeLookup Types(std::map<std::string, DesignType, std::less<>> types) {
    return [types = std::move(types)](std::string_view name) -> std::optional<DesignType> {
        auto found = types.find(name);
        if (found == types.end()) return std::nullopt;
        return found->second;
    };
}

const fw::DesignTypeLookup kTypes = Types({{"Index", DesignType::Int32},
                                           {"Visible", DesignType::Boolean},
                                           {"BackColor", DesignType::Color},
                                           {"Title", DesignType::Text}});

TEST(DesignRecordTest, WritesBigEndianValuesAfterNameAndSpace) {
    fw::DesignRecordWriter writer;
    writer.Int32("Index", -2147483648)
        .Boolean("Visible", true)
        .ColorValue("BackColor", {255, 0, 16})
        .Text("Title", "ab");
    EXPECT_EQ(writer.Bytes(), std::string("Index \x80\x00\x00\x00", 10) +
                                  std::string("Visible \x01", 9) + "BackColor \xFF" +
                                  std::string("\x00\x10", 2) +
                                  std::string("Title \x00\x00\x00\x02"
                                              "ab",
                                              12));
}

TEST(DesignRecordTest, DecodesWhatItWritesInOrder) {
    fw::DesignRecordWriter writer;
    writer.Text("Title", "Vemoコード")
        .Int32("Index", 7)
        .Text("Title", "")
        .Boolean("Visible", false);
    auto decoding = fw::DecodeDesignRecord(writer.Bytes(), kTypes);
    ASSERT_TRUE(decoding) << decoding.error;
    EXPECT_EQ(decoding.entries, (std::vector<fw::DesignEntry>{{"Title", std::string("Vemoコード")},
                                                              {"Index", std::int32_t{7}},
                                                              {"Title", std::string()},
                                                              {"Visible", false}}));
}

TEST(DesignRecordTest, EmptyRecordHasNoEntries) {
    auto decoding = fw::DecodeDesignRecord("", kTypes);
    EXPECT_TRUE(decoding);
    EXPECT_TRUE(decoding.entries.empty());
}

struct RefusedCase {
    const char* label;
    std::string record;
    std::string reason;  // a part of the message that says why
};

class RefusedRecordTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRecordTest, IsRefusedWithItsReasonAndNoEntries) {
    auto decoding = fw::DecodeDesignRecord(GetParam().record, kTypes);
    EXPECT_FALSE(decoding);
    EXPECT_NE(decoding.error.find(GetParam().reason), std::string::npos) << decoding.error;
    EXPECT_TRUE(decoding.entries.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedRecordTest,
    ::testing::Values(
        RefusedCase{"IntegerCutShort", std::string("Index \x00\x01", 8),
                    "cut short in the value of 'Index' at byte 6: it needs 4 bytes, 2 left"},
        RefusedCase{"NoValueAtAll", "Visible ", "'Visible' at byte 8"},
        RefusedCase{"UnknownName", std::string("Width \x00\x00\x00\x01", 10),
                    "unknown property 'Width' at byte 0"},
        RefusedCase{"UnknownAfterGoodEntry",
                    std::string("Visible \x01"
                                "Frame ",
                                15),
                    "unknown property 'Frame' at byte 9"},
        RefusedCase{"NoSpace", "Visible\x01", "expected a space after 'Visible'"},
        RefusedCase{"NotALetter", std::string("\x01\x02", 2), "expected a property name at byte 0"},
        RefusedCase{"BooleanOutOfRange", "Visible \x02", "is 2, not 0 or 1"},
        RefusedCase{"TextRunsPastTheEnd",
                    std::string("Title \x00\x00\x01\x00"
                                "abc",
                                13),
                    "claims 256 bytes, 3 left"},
        RefusedCase{"HugeTextLength", std::string("Title \xFF\xFF\xFF\xFF", 10),
                    "claims 4294967295 bytes, 0 left"},
        RefusedCase{"ColourCutShort", "BackColor \x01\x02", "needs 3 bytes, 2 left"}),
    [](const auto& info) { return info.param.label; });

}  // namespace
