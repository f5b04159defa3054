#include "framework/files/GetFolderItem.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QString>

#include "framework/files/SpecialFolder.h"
#include "support/TempFolder.h"

namespace {

using vemo_test::TempFolder;

TEST(DefaultFolderTest, StartsAtTheApplicationsCacheFolder) {
    std::string cache =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString();
    ASSERT_FALSE(cache.empty());
    EXPECT_EQ(fw::DefaultFolder(), cache + "/vemo");
}

TEST(SpecialFolderTest, PreferencesIsTheUsersConfigFolder) {
    auto preferences = fw::SpecialFolder::Preferences();
    ASSERT_TRUE(preferences);
    EXPECT_EQ(
        preferences->AbsolutePath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString());
}

class GetFolderItemTest : public ::testing::Test {
  protected:
    void SetUp() override { previous_ = fw::SetDefaultFolder(temp_.Path()); }
    void TearDown() override { fw::SetDefaultFolder(previous_); }

    TempFolder temp_;
    std::string previous_;
};

TEST_F(GetFolderItemTest, ARelativePathStartsFromTheDefaultFolder) {
    auto temp = fw::GetFolderItem("temp", 0);
    ASSERT_TRUE(temp);
    EXPECT_EQ(temp->AbsolutePath(), temp_ / "temp");
    EXPECT_FALSE(temp->Exists()) << "a reference, not a creation";
    EXPECT_EQ(fw::GetFolderItem("a/./b/../c/", 0)->AbsolutePath(), temp_ / "a/c");
}

TEST_F(GetFolderItemTest, AnAbsolutePathIsTakenAsItIs) {
    EXPECT_EQ(fw::GetFolderItem("/var/tmp", 0)->AbsolutePath(), "/var/tmp");
}

struct BadRequest {
    const char* name;
    std::string path;
    std::int32_t pathType;
};

void PrintTo(const BadRequest& c, std::ostream* os) { *os << c.name; }

class GetFolderItemBadRequestTest : public GetFolderItemTest,
                                    public ::testing::WithParamInterface<BadRequest> {};

TEST_P(GetFolderItemBadRequestTest, GivesNoObject) {
    EXPECT_FALSE(fw::GetFolderItem(GetParam().path, GetParam().pathType));
}

INSTANTIATE_TEST_SUITE_P(Cases, GetFolderItemBadRequestTest,
                         ::testing::Values(BadRequest{"EmptyPath", "", 0},
                                           BadRequest{"NulByte", std::string("te\0mp", 5), 0},
                                           BadRequest{"OtherPathType", "temp", 1},
                                           BadRequest{"NegativePathType", "temp", -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GetFolderItemTest, AnUnknownDefaultFolderGivesNoObjectForRelativePaths) {
    for (const char* unknown : {"", "relative/folder"}) {
        fw::SetDefaultFolder(unknown);
        EXPECT_FALSE(fw::GetFolderItem("temp", 0)) << "default folder '" << unknown << "'";
        EXPECT_TRUE(fw::GetFolderItem("/tmp", 0));
    }
}

TEST(SpecialFolderTest, PreferencesCanBePointedElsewhereAndBeUnknown) {
    TempFolder temp;
    std::string previous = fw::SpecialFolder::SetPreferences(temp.Path());
    EXPECT_EQ(fw::SpecialFolder::Preferences()->AbsolutePath(), temp.Path());
    fw::SpecialFolder::SetPreferences("");
    EXPECT_FALSE(fw::SpecialFolder::Preferences());
    fw::SpecialFolder::SetPreferences(previous);
}

}  // namespace
