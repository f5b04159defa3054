// The 64 KiB cap on the answer's header block holds however the block's bytes arrive: whole,
// a byte at a time, or cut anywhere around the cap.
#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "framework/net/HTTPSocket.h"
#include "support/ScriptedServer.h"
#include "support/TempFolder.h"

namespace {

using namespace std::chrono_literals;
using vemo_test::ReadWholeFile;
using vemo_test::Script;

constexpr std::size_t kCap = 64 * 1024;
const std::string kBody = "\x89PNG body";

// A header block of exactly `length` bytes, its closing CR LF CR LF included, and the body.
std::string AnswerWithHeaderBlockOf(std::size_t length) {
    const std::string start = "HTTP/1.0 200 OK\r\nX-Fill: ";
    const std::string end = "\r\n\r\n";
    return start + std::string(length - start.size() - end.size(), 'a') + end + kBody;
}

struct LimitRow {
    const char* name;
    std::size_t blockLength;
    std::size_t pieceSize;          // the answer in pieces of this size; 0: by `cuts` alone
    std::vector<std::size_t> cuts;  // where the answer is cut, each piece sent after a pause
    bool accepted;
};

void PrintTo(const LimitRow& row, std::ostream* out) { *out << row.name; }

Script ServeInPieces(const LimitRow& row) {
    const std::string answer = AnswerWithHeaderBlockOf(row.blockLength);
    Script script{vemo_test::ReadRequest()};
    if (row.pieceSize > 0) {
        script.push_back(vemo_test::SendInPieces(answer, row.pieceSize, 0ms));
        return script;
    }
    std::size_t from = 0;
    for (std::size_t cut : row.cuts) {
        script.push_back(vemo_test::Send(answer.substr(from, cut - from)));
        script.push_back(vemo_test::Pause(50ms));
        from = cut;
    }
    script.push_back(vemo_test::Send(answer.substr(from)));
    return script;
}

class HeaderBlockLimitTest : public ::testing::TestWithParam<LimitRow> {
  protected:
    vemo_test::TempFolder temp_;
    fw::Ref<fw::FolderItem> file_ = std::make_shared<fw::FolderItem>(temp_ / "temp_0.png");
};

TEST_P(HeaderBlockLimitTest, ABlockWithinTheCapIsTakenAndALongerOneRefused) {
    const LimitRow& row = GetParam();
    vemo_test::ScriptedServer server({ServeInPieces(row)});
    fw::HTTPSocket socket;
    socket.Constructor();
    const bool completed = socket.Get(server.Url("/chart?cht=qr"), file_, 20);
    if (row.accepted) {
        EXPECT_TRUE(completed) << socket.ErrorCode();
        EXPECT_EQ(socket.HTTPStatusCode(), 200);
        EXPECT_EQ(ReadWholeFile(file_->AbsolutePath()), kBody);
    } else {
        EXPECT_FALSE(completed);
        EXPECT_EQ(socket.ErrorCode(), fw::HTTPError::HeaderBlockTooLarge)
            << "got: " << socket.ErrorCode();
        EXPECT_EQ(socket.HTTPStatusCode(), 0);
        EXPECT_EQ(ReadWholeFile(file_->AbsolutePath()), "") << "no body byte of a refused answer";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reads, HeaderBlockLimitTest,
    ::testing::Values(LimitRow{"SmallWhole", 100, 0, {}, true},
                      LimitRow{"AtTheCapWhole", kCap, 0, {}, true},
                      LimitRow{"OneOverWhole", kCap + 1, 0, {}, false},
                      LimitRow{"SeventyKilobytesWhole", 70000, 0, {}, false},
                      LimitRow{"SeventyKilobytesInTwoReads", 70000, 0, {kCap}, false},
                      LimitRow{"SeventyKilobytesCutJustBelowTheCap", 70000, 0, {kCap - 1}, false},
                      LimitRow{"SeventyKilobytesInThreeReads", 70000, 0, {30000, 60000}, false},
                      LimitRow{"AtTheCapWithItsEndCutInTwo", kCap, 0, {kCap - 2}, true},
                      LimitRow{"AtTheCapWithTheBodyApart", kCap, 0, {kCap}, true},
                      LimitRow{"OneOverWithItsEndCutInTwo", kCap + 1, 0, {kCap - 1}, false},
                      LimitRow{"OneOverWithOnlyItsLastByteApart", kCap + 1, 0, {kCap}, false},
                      LimitRow{"AtTheCapAByteAtATime", kCap, 1, {}, true},
                      LimitRow{"OneOverAByteAtATime", kCap + 1, 1, {}, false},
                      LimitRow{"OneOverInPiecesOf1000", kCap + 1, 1000, {}, false},
                      LimitRow{"AtTheCapInPiecesOf4096", kCap, 4096, {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
