#include "framework/design/SetProperties.h"

#include <gtest/gtest.h>

#include "framework/design/DesignRecordWriter.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/RuntimeException.h"

namespace {

class Panel : public fw::Object {
  public:
    static const fw::ClassRecord& ClassInfo() {
        static const fw::ClassRecord& record = fw::BuildClassRecord({
            .name = "Test.Panel",
            .designProperties = {{"Width", fw::DesignType::Int32,
                                  [](fw::Object& o, const fw::DesignValue& v) {
                                      static_cast<Panel&>(o).width = std::get<std::int32_t>(v);
                                  }},
                                 {"Title", fw::DesignType::Text,
                                  [](fw::Object& o, const fw::DesignValue& v) {
                                      static_cast<Panel&>(o).title = std::get<std::string>(v);
                                  }}},
        });
        return record;
    }
    const fw::ClassRecord& ClassOf() const override { return ClassInfo(); }

    std::int32_t width = 0;
    std::string title;
};

TEST(SetPropertiesTest, AppliesEveryEntryInOrder) {
    Panel panel;
    fw::SetProperties(
        panel,
        fw::DesignRecordWriter().Int32("Width", 1).Text("Title", "x").Int32("Width", 160).Bytes());
    EXPECT_EQ(panel.width, 160);
    EXPECT_EQ(panel.title, "x");
}

TEST(SetPropertiesTest, ARefusedRecordChangesNothing) {
    Panel panel;
    std::string record = fw::DesignRecordWriter().Int32("Width", 160).Bytes();
    record += "Title ";  // cut short after a good entry
    try {
        fw::SetProperties(panel, record);
        FAIL() << "the record was applied";
    } catch (const fw::RuntimeException& e) {
        EXPECT_NE(std::string(e.what()).find("Test.Panel"), std::string::npos) << e.what();
    }
    EXPECT_EQ(panel.width, 0);
}

}  // namespace
