#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>

#include "standinhost/PngHeader.h"
#include "standinhost/PngStream.h"
#include "standinhost/UniqueFd.h"
#include "support/TinyPng.h"

namespace {

using standinhost::PngHeader;
using standinhost::PngStream;
using standinhost::UniqueFd;
using vemo_test::TinyPng;

const std::string kPng = TinyPng::Make(21, 13);
// The signature and the IHDR chunk, CRC included.
constexpr std::size_t kHeadLength = 8 + 25;
constexpr std::size_t kIendLength = 12;

// A file in memory holding `bytes`, read from its start.
UniqueFd FileOf(const std::string& bytes) {
    UniqueFd fd(::memfd_create("png", MFD_CLOEXEC));
    EXPECT_EQ(::write(fd.Get(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::lseek(fd.Get(), 0, SEEK_SET);
    return fd;
}

std::string Flipped(std::string bytes, std::size_t at) {
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    return bytes;
}

// kPng with another size in its IHDR chunk (whose CRC then no longer fits).
std::string WithSize(std::uint32_t width, std::uint32_t height) {
    std::string bytes = kPng;
    for (int i = 0; i < 4; ++i) {
        bytes[16 + i] = static_cast<char>(width >> (24 - 8 * i));
        bytes[20 + i] = static_cast<char>(height >> (24 - 8 * i));
    }
    return bytes;
}

// The IHDR chunk of one image before the data and IEND of another.
std::string Lying(std::uint32_t width, std::uint32_t height) {
    return TinyPng::Make(width, height).substr(0, kHeadLength) + kPng.substr(kHeadLength);
}

// Checks a file holding `content` and expects exactly the whole PNG to reach the sink.
void ExpectTheWholePngStreamed(const std::string& content) {
    const UniqueFd fd = FileOf(content);
    std::string seen;
    const auto length = PngStream::Check(fd.Get(), [&seen](std::string_view bytes) {
        seen.append(bytes);
        return true;
    });
    ASSERT_TRUE(length) << length.Reason();
    EXPECT_EQ(*length, kPng.size());
    EXPECT_EQ(seen, kPng);
}

TEST(PngStreamTest, AWholePngGoesToTheSinkByteForByte) { ExpectTheWholePngStreamed(kPng); }

TEST(PngStreamTest, BytesAfterIendAreNotRead) {
    ExpectTheWholePngStreamed(kPng + "trailing garbage, never embedded");
}

TEST(PngStreamTest, AFailingSinkStopsTheRead) {
    const UniqueFd fd = FileOf(kPng);
    const auto length = PngStream::Check(fd.Get(), [](std::string_view) { return false; });
    EXPECT_FALSE(length);
    EXPECT_EQ(length.Reason(), "cannot write the image into the document");
}

struct Broken {
    const char* name;
    std::string bytes;
    std::string reason;
};

void PrintTo(const Broken& broken, std::ostream* out) { *out << broken.name; }

class BrokenPngTest : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenPngTest, IsRefusedSayingWhy) {
    const UniqueFd fd = FileOf(GetParam().bytes);
    const auto length = PngStream::Check(fd.Get(), [](std::string_view) { return true; });
    EXPECT_FALSE(length);
    EXPECT_THAT(length.Reason(), ::testing::HasSubstr(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenPngTest,
    ::testing::Values(
        Broken{"HeaderCrc", Flipped(kPng, kHeadLength - 1), "IHDR: CRC error"},
        Broken{"DataCrc", Flipped(kPng, kPng.size() - kIendLength - 1), "IDAT: CRC error"},
        Broken{"EndCrc", Flipped(kPng, kPng.size() - 1), "IEND: CRC error"},
        Broken{"DataByte", Flipped(kPng, kHeadLength + 12), "not a valid PNG file: IDAT"},
        Broken{"ClaimsMoreColumns", Lying(22, 13), "not a valid PNG file"},
        Broken{"ClaimsMoreRows", Lying(21, 14), "not a valid PNG file"},
        Broken{"ClaimsFewerRows", Lying(21, 12), "not a valid PNG file"},
        Broken{"CutInTheData", kPng.substr(0, kHeadLength + 20), "no IEND at its end"},
        Broken{"NoIend", kPng.substr(0, kPng.size() - kIendLength), "no IEND at its end"},
        Broken{"CutInIend", kPng.substr(0, kPng.size() - 2), "no IEND at its end"},
        Broken{"NoData", kPng.substr(0, kHeadLength) + kPng.substr(kPng.size() - kIendLength),
               "not a valid PNG file"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Header {
    const char* name;
    std::string bytes;
    std::string reason;  // empty: read
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

void PrintTo(const Header& header, std::ostream* out) { *out << header.name; }

class PngHeaderTest : public ::testing::TestWithParam<Header> {};

TEST_P(PngHeaderTest, GivesTheSizeOrSaysWhyNot) {
    const auto header = PngHeader::Parse(GetParam().bytes.substr(0, PngHeader::kLength));
    EXPECT_EQ(header.Reason(), GetParam().reason);
    if (GetParam().reason.empty()) {
        ASSERT_TRUE(header);
        EXPECT_EQ(header->Width(), GetParam().width);
        EXPECT_EQ(header->Height(), GetParam().height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PngHeaderTest,
    ::testing::Values(
        Header{"Whole", kPng, "", 21, 13},
        Header{"Short", kPng.substr(0, 23), "not a PNG file: only 23 bytes"},
        Header{"NoSignature", "GIF89a" + kPng.substr(6), "not a PNG file: no PNG signature"},
        Header{"NoIhdr", kPng.substr(0, 12) + "IDAT" + kPng.substr(16),
               "not a PNG file: no IHDR header"},
        Header{"ZeroHeight", WithSize(21, 0), "not a PNG file: a size of 21x0"},
        Header{"AtTheLimit", WithSize(10000, 10000), "", 10000, 10000},
        Header{"TooWide", WithSize(10001, 13),
               "the image is too large: 10001x13 pixels (at most 10000 a side)"},
        Header{"HugeClaim", WithSize(100000, 100000),
               "the image is too large: 100000x100000 pixels (at most 10000 a side)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
