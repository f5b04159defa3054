#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

#include "framework/net/HTTPSocket.h"
#include "support/ReadOnlyFolder.h"
#include "support/ScriptedServer.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;
using vemo_test::Answer;
using vemo_test::ReadRequest;
using vemo_test::ReadWholeFile;
using vemo_test::Script;
using vemo_test::ScriptedServer;
using vemo_test::Send;
using vemo_test::TempFolder;
using Clock = std::chrono::steady_clock;

const std::string kTrickledBody(200, 'b');

// Starts what the row talks to and gives back its address; the holder keeps it running.
using Serve = std::function<std::shared_ptr<void>(std::string& url)>;

Serve Scripted(Script script) {
    return [script](std::string& url) {
        auto server = std::make_shared<ScriptedServer>(std::vector<Script>{script});
        url = server->Url("/chart?cht=qr");
        return server;
    };
}

struct FailureRow {
    const char* name;
    Serve serve;
    std::int32_t timeoutSeconds;
    bool completes;
    fw::HTTPError error;
    std::string file;
    bool fileIsPartOf = false;  // the file holds a first part of `file`, not all of it
};

void PrintTo(const FailureRow& row, std::ostream* os) { *os << row.name; }

class FailureTableTest : public ::testing::TestWithParam<FailureRow> {
  protected:
    TempFolder temp_;
    fw::Ref<fw::FolderItem> file_ = std::make_shared<fw::FolderItem>(temp_ / "temp_0.png");
};

TEST_P(FailureTableTest, GivesTheOutcomeAndLeavesTheFileAsReceived) {
    const FailureRow& row = GetParam();
    std::string url;
    std::shared_ptr<void> peer = row.serve(url);
    fw::HTTPSocket socket;
    socket.Constructor();
    Clock::time_point start = Clock::now();
    EXPECT_EQ(socket.Get(url, file_, row.timeoutSeconds), row.completes);
    auto elapsed = Clock::now() - start;
    EXPECT_EQ(socket.ErrorCode(), row.error) << "got: " << socket.ErrorCode();

    ASSERT_TRUE(file_->Exists()) << "the file is created before connecting";
    std::string file = ReadWholeFile(file_->AbsolutePath());
    if (row.fileIsPartOf) {
        EXPECT_FALSE(file.empty());
        EXPECT_LT(file.size(), row.file.size());
        EXPECT_EQ(row.file.substr(0, file.size()), file);
    } else {
        EXPECT_EQ(file, row.file);
    }
    if (row.timeoutSeconds > 5) {
        EXPECT_LT(elapsed, 5s) << "decided when it happened, not at the deadline";
    } else {
        EXPECT_GE(elapsed, 900ms) << "ended before the deadline";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FailureTableTest,
    ::testing::Values(
        FailureRow{"ErrorStatus",
                   Scripted({ReadRequest(), Send(Answer("404 Not Found", {}, "<p>missing</p>"))}),
                   20, true, fw::HTTPError::None, "<p>missing</p>"},
        FailureRow{"CutOffBody",
                   Scripted({ReadRequest(),
                             Send(Answer("200 OK", {"Content-Length: 1000"}, "first part"))}),
                   20, true, fw::HTTPError::None, "first part"},
        FailureRow{"ClosedAtOnce", Scripted({}), 20, true, fw::HTTPError::None, ""},
        FailureRow{"ClosedInsideTheHeaderBlock",
                   Scripted({ReadRequest(), Send("HTTP/1.0 200 OK\r\nContent-Type: image/png\r\n")}),
                   20, false, fw::HTTPError::HeaderBlockUnfinished, ""},
        FailureRow{"HeaderBlockWithoutEnd",
                   Scripted({ReadRequest(), Send("HTTP/1.0 200 OK\r\nX: " + std::string(100000, 'a')),
                             vemo_test::HoldOpen()}),
                   20, false, fw::HTTPError::HeaderBlockTooLarge, ""},
        FailureRow{"Refused",
                   [](std::string& url) {
                       url = "http://127.0.0.1:" + std::to_string(vemo_test::ClosedPort()) + "/";
                       return nullptr;
                   },
                   20, false, fw::HTTPError::ConnectFailed, ""},
        FailureRow{"ConnectionNeverComesUp",
                   [](std::string& url) {
                       auto listener = std::make_shared<vemo_test::FullListener>();
                       url = listener->Url("/chart");
                       return listener;
                   },
                   1, false, fw::HTTPError::ConnectTimedOut, ""},
        FailureRow{"NeverAnswers", Scripted({ReadRequest(), vemo_test::HoldOpen()}), 1, false,
                   fw::HTTPError::AnswerTimedOut, ""},
        FailureRow{"AnswerOutlastsTheTimeout",
                   Scripted({ReadRequest(), Send(Answer("200 OK", {}, "")),
                             vemo_test::SendInPieces(kTrickledBody, 10, 100ms)}),
                   1, false, fw::HTTPError::AnswerTimedOut, kTrickledBody, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A probe download after a refused one: the server serves connections in order, so a
// connection of the refused download would show up before the probe's.
void ExpectNothingWasSentTo(const ScriptedServer& server, const std::string& folder) {
    fw::HTTPSocket probe;
    probe.Constructor();
    ASSERT_TRUE(
        probe.Get(server.Url("/probe"), std::make_shared<fw::FolderItem>(folder + "/p"), 20))
        << probe.ErrorCode();
    ASSERT_EQ(server.Requests().size(), 1u) << "the refused download connected";
    EXPECT_EQ(server.Requests()[0].substr(0, 11), "GET /probe ");
}

Script ServeOk() { return {ReadRequest(), Send(Answer("200 OK", {}, "ok"))}; }

struct FileRow {
    const char* name;
    std::string relativePath;
};

void PrintTo(const FileRow& row, std::ostream* os) { *os << row.name; }

class UnusableFileTest : public ::testing::TestWithParam<FileRow> {
  protected:
    UnusableFileTest() {
        std::filesystem::create_directory(temp_ / "folder");
        std::filesystem::create_directory(temp_ / "locked");
        vemo_test::WriteWholeFile(temp_ / "plain", "");
    }

    TempFolder temp_;
};

TEST_P(UnusableFileTest, FailsAtOnceWithNothingSent) {
    ScriptedServer server({ServeOk()});
    fw::HTTPSocket socket;
    socket.Constructor();
    {
        vemo_test::ReadOnlyFolder locked(temp_ / "locked");
        auto file = std::make_shared<fw::FolderItem>(temp_ / GetParam().relativePath);
        EXPECT_FALSE(socket.Get(server.Url("/"), file, 20));
    }
    EXPECT_EQ(socket.ErrorCode(), fw::HTTPError::FileNotUsable) << socket.ErrorCode();
    EXPECT_TRUE(std::filesystem::is_directory(temp_ / "folder")) << "a folder stays a folder";
    ExpectNothingWasSentTo(server, temp_.Path());
}

INSTANTIATE_TEST_SUITE_P(Rows, UnusableFileTest,
                         ::testing::Values(FileRow{"AFolderInItsPlace", "folder"},
                                           FileRow{"InAMissingFolder", "missing/temp_0.png"},
                                           FileRow{"UnderAPlainFile", "plain/temp_0.png"},
                                           FileRow{"InAnUnwritableFolder", "locked/temp_0.png"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HTTPSocketFailureTest, NoFileFailsWithNothingSent) {
    TempFolder temp;
    ScriptedServer server({ServeOk()});
    fw::HTTPSocket socket;
    socket.Constructor();
    EXPECT_FALSE(socket.Get(server.Url("/"), nullptr, 20));
    EXPECT_EQ(socket.ErrorCode(), fw::HTTPError::NoFile);
    ExpectNothingWasSentTo(server, temp.Path());
}

class UnsafeAddressTest : public ::testing::TestWithParam<std::string> {};

TEST_P(UnsafeAddressTest, IsRefusedAtOnceWithNothingSentAndTheFileUntouched) {
    TempFolder temp;
    ScriptedServer server({ServeOk()});
    vemo_test::WriteWholeFile(temp / "temp_0.png", "previous image");
    fw::HTTPSocket socket;
    socket.Constructor();
    auto file = std::make_shared<fw::FolderItem>(temp / "temp_0.png");
    EXPECT_FALSE(socket.Get(server.Url("/chart?cht=qr&chl=" + GetParam()), file, 20));
    EXPECT_EQ(socket.ErrorCode(), fw::HTTPError::UnsafeAddress) << socket.ErrorCode();
    EXPECT_EQ(ReadWholeFile(temp / "temp_0.png"), "previous image");
    ExpectNothingWasSentTo(server, temp.Path());
}

INSTANTIATE_TEST_SUITE_P(Texts, UnsafeAddressTest,
                         ::testing::Values("a b", "a\nb", "a\r\nHost: evil", "a\tb", "a\x7f",
                                           std::string("a\0b", 3)),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(HTTPSocketFailureTest, AFailingWriteToTheFileFailsTheDownload) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    ScriptedServer server(
        {{ReadRequest(), Send(Answer("200 OK", {}, "body")), vemo_test::HoldOpen()}});
    fw::HTTPSocket socket;
    socket.Constructor();
    EXPECT_FALSE(socket.Get(server.Url("/"), std::make_shared<fw::FolderItem>("/dev/full"), 20));
    EXPECT_EQ(socket.ErrorCode(), fw::HTTPError::FileWriteFailed) << socket.ErrorCode();
    EXPECT_EQ(socket.BodyBytesReceived(), 0);
}

TEST(HTTPErrorTest, EveryErrorHasItsOwnText) {
    std::set<std::string> texts;
    for (int error = 0; error <= static_cast<int>(fw::HTTPError::FileWriteFailed); ++error) {
        texts.insert(fw::ToText(static_cast<fw::HTTPError>(error)));
    }
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(fw::HTTPError::FileWriteFailed) + 1);
    EXPECT_EQ(texts.count("unknown error"), 0u);
}

}  // namespace
