#include "framework/files/FolderItem.h"

#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <filesystem>

#include "framework/files/TextOutputStream.h"
#include "support/TempFolder.h"

namespace {

using vemo_test::TempFolder;
using vemo_test::WriteWholeFile;

class FolderItemTest : public ::testing::Test {
  protected:
    fw::Ref<fw::FolderItem> Item(const std::string& name) const {
        return std::make_shared<fw::FolderItem>(temp_ / name);
    }

    TempFolder temp_;
};

TEST_F(FolderItemTest, ChildNamesAnItemInsideTheFolder) {
    auto folder = std::make_shared<fw::FolderItem>(temp_.Path());
    auto child = folder->Child("temp_12.png");
    ASSERT_TRUE(child);
    EXPECT_EQ(child->AbsolutePath(), temp_ / "temp_12.png");
    EXPECT_FALSE(child->Exists());
    EXPECT_EQ(std::make_shared<fw::FolderItem>("/")->Child("tmp")->AbsolutePath(), "/tmp");
}

class ChildNameTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ChildNameTest, ANameThatIsNotOneItemGivesNoObject) {
    EXPECT_FALSE(fw::FolderItem("/tmp").Child(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(BadNames, ChildNameTest,
                         ::testing::Values("", ".", "..", "a/b", "/etc", std::string("a\0b", 3)),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(FolderItemTest, ExistsAndIsFolderTellMissingFileAndFolderApart) {
    WriteWholeFile(temp_ / "file", "x");
    std::filesystem::create_directory(temp_ / "folder");
    EXPECT_FALSE(Item("missing")->Exists());
    EXPECT_FALSE(Item("missing")->IsFolder());
    EXPECT_TRUE(Item("file")->Exists());
    EXPECT_FALSE(Item("file")->IsFolder());
    EXPECT_TRUE(Item("folder")->Exists());
    EXPECT_TRUE(Item("folder")->IsFolder());
}

TEST_F(FolderItemTest, CreateAsFolderMakesMissingFoldersAboveIt) {
    auto nested = Item("cache/vemo/temp");
    EXPECT_TRUE(nested->CreateAsFolder());
    EXPECT_TRUE(nested->IsFolder());
    EXPECT_TRUE(nested->CreateAsFolder()) << "already there";
}

TEST_F(FolderItemTest, CreateAsFolderFailsWhereAFileIsInTheWay) {
    WriteWholeFile(temp_ / "temp", "not a folder");
    EXPECT_FALSE(Item("temp")->CreateAsFolder());
    EXPECT_FALSE(Item("temp/inner")->CreateAsFolder());
    EXPECT_EQ(vemo_test::ReadWholeFile(temp_ / "temp"), "not a folder");
}

TEST_F(FolderItemTest, MacTypeIsKeptOnTheObject) {
    auto item = Item("vemo_p.pref");
    EXPECT_EQ(item->MacType(), "");
    item->SetMacType("pref");
    EXPECT_EQ(item->MacType(), "pref");
}

bool FileSystemKeepsUserAttributes(const std::string& folder) {
    std::string probe = folder + "/probe";
    WriteWholeFile(probe, "");
    bool kept = ::setxattr(probe.c_str(), "user.probe", "1", 1, 0) == 0;
    std::filesystem::remove(probe);
    return kept;
}

TEST_F(FolderItemTest, MacTypeSetBeforeTheFirstWriteReachesTheNewFile) {
    if (!FileSystemKeepsUserAttributes(temp_.Path())) {
        GTEST_SKIP() << "this file system keeps no user attributes";
    }
    auto item = Item("vemo_p.pref");
    auto stream = item->CreateTextFile();
    ASSERT_TRUE(stream);
    item->SetMacType("pref");
    stream->WriteLine("120");
    ASSERT_TRUE(stream->Close());
    EXPECT_EQ(Item("vemo_p.pref")->MacType(), "pref") << "read back through a fresh reference";

    auto again = Item("vemo_p.pref")->CreateTextFile();
    again->WriteLine("130");
    ASSERT_TRUE(again->Close());
    EXPECT_EQ(Item("vemo_p.pref")->MacType(), "") << "a rewrite without a type drops it";
}

}  // namespace
