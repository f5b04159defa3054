#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/scripting/HostScripting.h"
#include "hostbridge/HostScriptCalls.h"
#include "hostscripts/StandInHostTest.h"
#include "hostscripts/SvgDocument.h"
#include "support/TinyPng.h"

namespace {

namespace fs = std::filesystem;

// The host bridge's calls on the framework's default runner: the scripts of the built tree.
class HostBridgeOnStandInTest : public vemo_test::StandInHostTest {
  protected:
    void SetUp() override {
        StandInHostTest::SetUp();
        fw::SetHostScriptRunner(nullptr);
    }
};

TEST_F(HostBridgeOnStandInTest, FrontAppliNamesThePaletteUntilAnotherApplicationIsInFront) {
    EXPECT_EQ(frontAppli(NewHostScriptArgumentList()), "Vemoコード");
    Write(Host("frontmost"), "Illustrator\n");
    EXPECT_EQ(frontAppli(NewHostScriptArgumentList()), "Illustrator");
}

TEST_F(HostBridgeOnStandInTest, GetcontentsGivesTheSelectionUnchanged) {
    const std::string selection =
        "日本語\r\n<Mipo2011>1<Mipo2011>2<Mipo2011br> B<Mipo2011>u<Mipo2011>v\n";
    Write(Host("selection.txt"), selection);
    EXPECT_EQ(getcontents(NewHostScriptArgumentList()), selection);
}

TEST_F(HostBridgeOnStandInTest, SetqrcodePlacesTheImageWithHostileValuesAsText) {
    const fs::path image = folder_ / "temp_0.png";
    Write(image, vemo_test::TinyPng::Make(9, 9));
    const fs::path marker = folder_ / "evaluated";
    const std::string x = "\"><script>alert(1)</script>";
    const std::string y = "$(touch " + marker.string() + "); touch " + marker.string();
    EXPECT_EQ(setqrcode(NewHostScriptArgumentList({image.string(), x, y})), "");
    const auto document = vemo_test::SvgDocument::Parse(Read(Host("document.svg")));
    ASSERT_EQ(document.error, "");
    ASSERT_EQ(document.images.size(), 1u);
    EXPECT_EQ(document.images[0].at("data-x"), x);
    EXPECT_EQ(document.images[0].at("data-y"), y);
    EXPECT_FALSE(fs::exists(marker));
}

TEST_F(HostBridgeOnStandInTest, AcctivemyappRecordsTheActivation) {
    acctivemyapp(NewHostScriptArgumentList());
    EXPECT_TRUE(fs::exists(Host("activated.log")));
}

}  // namespace
