#include <gtest/gtest.h>

#include <string>

#include "standinhost/DocumentHead.h"

namespace {

using standinhost::DocumentHead;

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::string Root(const std::string& attributes) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" " + attributes + ">\n";
}

TEST(DocumentHeadTest, ReadsTheExtentAndTheLengthOfTheTwoLines) {
    const std::string head = kDeclaration + Root("width=\"141.5\" height=\"93\"");
    const auto parsed = DocumentHead::Parse(head + "<image/>\n</svg>\n");
    ASSERT_TRUE(parsed) << parsed.Reason();
    EXPECT_DOUBLE_EQ(parsed->Width(), 141.5);
    EXPECT_DOUBLE_EQ(parsed->Height(), 93);
    EXPECT_EQ(parsed->Length(), head.size());
}

struct Foreign {
    const char* name;
    std::string start;
    std::string reason;
};

void PrintTo(const Foreign& foreign, std::ostream* out) { *out << foreign.name; }

class ForeignHeadTest : public ::testing::TestWithParam<Foreign> {};

TEST_P(ForeignHeadTest, IsRefusedSayingWhy) {
    const auto parsed = DocumentHead::Parse(GetParam().start);
    EXPECT_FALSE(parsed);
    EXPECT_EQ(parsed.Reason(), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Heads, ForeignHeadTest,
    ::testing::Values(
        Foreign{"OneLine", "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect/></svg>\n",
                "no svg start tag on its second line"},
        Foreign{"Empty", "", "no svg start tag on its second line"},
        Foreign{"NotXml", "hello\nworld\n", "its first two lines are no XML start"},
        Foreign{"OtherRoot", kDeclaration + "<html width=\"1\" height=\"1\">\n",
                "its first two lines are no XML start"},
        Foreign{"OtherNamespace",
                kDeclaration + "<svg xmlns=\"urn:other\" width=\"1\" height=\"1\">\n",
                "its root is no svg element"},
        Foreign{"NoNamespace", kDeclaration + "<svg width=\"1\" height=\"1\">\n",
                "its root is no svg element"},
        Foreign{"NoWidth", kDeclaration + Root("height=\"1\""), "its extent is no plain decimal"},
        Foreign{"Exponent", kDeclaration + Root("width=\"1e+21\" height=\"1\""),
                "its extent is no plain decimal"},
        Foreign{"Infinite", kDeclaration + Root("width=\"inf\" height=\"1\""),
                "its extent is no plain decimal"},
        Foreign{"Negative", kDeclaration + Root("width=\"-4\" height=\"1\""),
                "its extent is no plain decimal"},
        Foreign{"TwoPoints", kDeclaration + Root("width=\"1.2.3\" height=\"1\""),
                "its extent is no plain decimal"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
