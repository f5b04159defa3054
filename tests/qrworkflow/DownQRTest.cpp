#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "ImageAnswerCases.h"
#include "framework/files/GetFolderItem.h"
#include "framework/gui/Runtime.h"
#include "framework/runtime/NilObjectException.h"
#include "qrworkflow/ChartHost.h"
#include "shell/Window1.h"
#include "support/ScriptedServer.h"
#include "support/TempFolder.h"

namespace {

using vemo_test::Answer;
using vemo_test::ReadRequest;
using vemo_test::ReadWholeFile;
using vemo_test::Script;
using vemo_test::ScriptedServer;
using vemo_test::Send;
using vemo_test::TempFolder;

const std::string kPng = "\x89PNG\r\n\x1a\n-image-bytes-";

Script Serve(const std::string& answer) { return {ReadRequest(), Send(answer)}; }

std::string PngAnswer(const std::string& body) {
    return Answer("200 OK",
                  {"Content-Type: image/png", "Content-Length: " + std::to_string(body.size())},
                  body);
}

// The default folder and the chart host pointed at the test's own, and put back after.
class DownQRTest : public ::testing::Test {
  protected:
    void SetUp() override { previousFolder_ = fw::SetDefaultFolder(temp_.Path()); }
    void TearDown() override {
        fw::SetDefaultFolder(previousFolder_);
        SetChartHost(previousHost_);
    }

    void UseServer(const ScriptedServer& server) {
        previousHost_ = SetChartHost(server.HostAndPort());
    }

    fw::Ref<fw::FolderItem> Download(std::int32_t itemNumber, const std::string& text = "ABC") {
        return palette_->DownQR(text, itemNumber, "UTF-8", "M", "200");
    }

    // DownQR needs nothing of the palette's widgets, so it is never built.
    fw::Ref<Window1> palette_ = fw::RuntimeNewObject<Window1>();
    TempFolder temp_;
    std::string previousFolder_;
    std::string previousHost_ = ChartHost();
};

TEST_F(DownQRTest, CreatesTheFolderTempAndGivesBackTheImageFile) {
    ScriptedServer server({Serve(PngAnswer(kPng))});
    UseServer(server);
    ASSERT_FALSE(std::filesystem::exists(temp_ / "temp"));
    fw::Ref<fw::FolderItem> file = Download(0);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->AbsolutePath(), temp_ / "temp/temp_0.png");
    EXPECT_EQ(ReadWholeFile(file->AbsolutePath()), kPng);
    EXPECT_EQ(server.Requests(),
              std::vector<std::string>{
                  "GET /chart?cht=qr&chs=200x200&choe=UTF-8&chl=ABC&chld=M HTTP/1.0\r\n"
                  "Accept: */*\r\nAccept-Language: en\r\nHost: " +
                  server.HostAndPort() + "\r\n\r\n"});
}

TEST_F(DownQRTest, WorksOnAFreshMachineWhoseCacheFolderIsMissingToo) {
    fw::SetDefaultFolder(temp_ / "cache/vemo");
    ScriptedServer server({Serve(PngAnswer(kPng))});
    UseServer(server);
    fw::Ref<fw::FolderItem> file = Download(0);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->AbsolutePath(), temp_ / "cache/vemo/temp/temp_0.png");
}

TEST_F(DownQRTest, UsesAPresentFolderTempAsItIs) {
    std::filesystem::create_directory(temp_ / "temp");
    vemo_test::WriteWholeFile(temp_ / "temp/keep.txt", "kept");
    ScriptedServer server({Serve(PngAnswer(kPng))});
    UseServer(server);
    fw::Ref<fw::FolderItem> file = Download(12);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->AbsolutePath(), temp_ / "temp/temp_12.png");
    EXPECT_EQ(ReadWholeFile(temp_ / "temp/keep.txt"), "kept");
}

TEST_F(DownQRTest, TheSameItemNumberTwiceLeavesTheLaterAnswer) {
    ScriptedServer server({Serve(PngAnswer(kPng + "first and longer")), Serve(PngAnswer(kPng))});
    UseServer(server);
    ASSERT_TRUE(Download(3, "first"));
    fw::Ref<fw::FolderItem> file = Download(3, "second");
    ASSERT_TRUE(file);
    EXPECT_EQ(ReadWholeFile(file->AbsolutePath()), kPng);
}

TEST_F(DownQRTest, SendsTheTextPercentEncoded) {
    ScriptedServer server({Serve(PngAnswer(kPng))});
    UseServer(server);
    ASSERT_TRUE(Download(0, "a&b#c%d e\nf日本"));
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].substr(0, server.Requests()[0].find("\r\n")),
              "GET /chart?cht=qr&chs=200x200&choe=UTF-8"
              "&chl=a%26b%23c%25d%20e%0Af%E6%97%A5%E6%9C%AC&chld=M HTTP/1.0");
}

struct AnswerRow {
    const char* name;
    Script script;
    bool givesFile;
};

void PrintTo(const AnswerRow& row, std::ostream* os) { *os << row.name; }

class AnswerCheckTest : public DownQRTest, public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(AnswerCheckTest, GivesTheFileOnlyForAWholeImage) {
    ScriptedServer server({GetParam().script});
    UseServer(server);
    EXPECT_EQ(static_cast<bool>(Download(0)), GetParam().givesFile);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AnswerCheckTest,
    ::testing::Values(AnswerRow{"WholeImage", Serve(PngAnswer(kPng)), true},
                      AnswerRow{"WithoutContentLength", Serve(Answer("200 OK", {}, kPng)), true},
                      AnswerRow{"ErrorPage", Serve(Answer("404 Not Found", {}, "<p>no chart</p>")),
                                false},
                      AnswerRow{"ServerError", Serve(Answer("500 Oops", {}, kPng)), false},
                      AnswerRow{"EmptyBody", Serve(Answer("200 OK", {}, "")), false},
                      AnswerRow{"ShorterThanContentLength",
                                Serve(Answer("200 OK", {"Content-Length: 5000"}, kPng)), false},
                      AnswerRow{"LongerThanContentLength",
                                Serve(Answer("200 OK", {"Content-Length: 3"}, kPng)), false},
                      AnswerRow{"UnreadableContentLength",
                                Serve(Answer("200 OK", {"Content-Length: lots"}, kPng)), false},
                      AnswerRow{"ClosedAtOnce", {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The body is saved whatever it is, but only a PNG is given back.
class ImageAnswerTest : public DownQRTest, public ::testing::WithParamInterface<ImageAnswerCase> {};

TEST_P(ImageAnswerTest, GivesTheFileOnlyForABodyThatIsAPng) {
    ScriptedServer server({Serve(GetParam().answer)});
    UseServer(server);
    fw::Ref<fw::FolderItem> file = Download(0);
    EXPECT_EQ(static_cast<bool>(file), GetParam().isImage);
    const std::string& answer = GetParam().answer;
    EXPECT_EQ(ReadWholeFile(temp_ / "temp/temp_0.png"), answer.substr(answer.find("\r\n\r\n") + 4));
}

INSTANTIATE_TEST_SUITE_P(Rows, ImageAnswerTest, ::testing::ValuesIn(ImageAnswerCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DownQRTest, NoObjectWhenTheServiceCannotBeReached) {
    previousHost_ = SetChartHost("127.0.0.1:" + std::to_string(vemo_test::ClosedPort()));
    EXPECT_FALSE(Download(0));
}

// The one timed case here: it shows that the download gives up after its three seconds.
TEST_F(DownQRTest, NoObjectWhenTheServiceNeverAnswers) {
    ScriptedServer server({{ReadRequest(), vemo_test::HoldOpen()}});
    UseServer(server);
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Download(0));
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(2500));
    EXPECT_LT(elapsed, std::chrono::seconds(20));
    EXPECT_EQ(ReadWholeFile(temp_ / "temp/temp_0.png"), "") << "created empty, left empty";
}

TEST_F(DownQRTest, NoObjectWhenTempIsAPlainFileOrTheImageAFolder) {
    ScriptedServer server({Serve(PngAnswer(kPng))});
    UseServer(server);
    vemo_test::WriteWholeFile(temp_ / "temp", "a file");
    EXPECT_FALSE(Download(0));
    std::filesystem::remove(temp_ / "temp");
    std::filesystem::create_directories(temp_ / "temp/temp_0.png");
    EXPECT_FALSE(Download(0));
}

TEST_F(DownQRTest, RaisesNilObjectExceptionWhenTheFolderCannotBeReferredTo) {
    fw::SetDefaultFolder("");
    EXPECT_THROW(Download(0), fw::NilObjectException);
}

}  // namespace
