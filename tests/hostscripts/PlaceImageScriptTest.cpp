#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hostscripts/StandInHostTest.h"
#include "hostscripts/SvgDocument.h"
#include "support/TinyPng.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using vemo_test::SvgDocument;
using vemo_test::TinyPng;

const char* const kDataPrefix = "data:image/png;base64,";

class PlaceImageTest : public vemo_test::StandInHostTest {
  protected:
    void SetUp() override {
        StandInHostTest::SetUp();
        png_ = TinyPng::Make(21, 13);
        Write(image_, png_);
    }

    fw::ScriptProcessResult Place(const std::vector<std::string>& arguments) {
        return Run("171", arguments);
    }

    SvgDocument Document() const { return SvgDocument::Parse(Read(Host("document.svg"))); }

    // The files in the document folder, besides the image the test made.
    std::vector<std::string> FolderFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.Path())) {
            if (entry.path() != image_) names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string EmbeddedBytes(const SvgDocument::Attributes& image) {
        const std::string href = image.at("href");
        EXPECT_THAT(href, ::testing::StartsWith(kDataPrefix));
        const auto data = QByteArray::fromStdString(href.substr(std::string(kDataPrefix).size()));
        return QByteArray::fromBase64(data, QByteArray::AbortOnBase64DecodingErrors).toStdString();
    }

    std::string png_;
    fs::path image_ = folder_ / "temp_0.png";
};

TEST_F(PlaceImageTest, PlacesTheImageAtTheValuesAtItsOwnPixelSize) {
    const auto result = Place({image_.string(), "120", "80"});
    ASSERT_TRUE(result) << result.Failure() << errors_;
    const SvgDocument document = Document();
    ASSERT_EQ(document.error, "");
    ASSERT_EQ(document.images.size(), 1u);
    const auto& image = document.images[0];
    EXPECT_EQ(image.at("x"), "120");
    EXPECT_EQ(image.at("y"), "80");
    EXPECT_EQ(image.at("width"), "21");
    EXPECT_EQ(image.at("height"), "13");
    EXPECT_EQ(image.at("data-path"), image_.string());
    EXPECT_EQ(EmbeddedBytes(image), png_) << "the embedded data is the PNG file itself";
    EXPECT_EQ(document.root.at("width"), "141");
    EXPECT_EQ(document.root.at("height"), "93");
    EXPECT_EQ(Read(Host("placed.log")), image_.string() + "\t120\t80\n");
}

TEST_F(PlaceImageTest, TheEmbeddedImageOutlivesItsFile) {
    ASSERT_TRUE(Place({image_.string(), "0", "0"})) << errors_;
    Write(image_, TinyPng::Make(5, 5));
    ASSERT_TRUE(Place({image_.string(), "40", "0"})) << errors_;
    const SvgDocument document = Document();
    ASSERT_EQ(document.images.size(), 2u);
    EXPECT_EQ(EmbeddedBytes(document.images[0]), png_);
    EXPECT_EQ(EmbeddedBytes(document.images[1]), TinyPng::Make(5, 5));
    EXPECT_EQ(document.images[1].at("width"), "5");
}

struct Coordinate {
    const char* name;
    std::string value;
    std::string placedAt;
};

void PrintTo(const Coordinate& coordinate, std::ostream* out) { *out << coordinate.name; }

class CoordinateTest : public PlaceImageTest, public ::testing::WithParamInterface<Coordinate> {};

TEST_P(CoordinateTest, AValueThatIsANumberIsThePositionElseZero) {
    ASSERT_TRUE(Place({image_.string(), GetParam().value, GetParam().value})) << errors_;
    const SvgDocument document = Document();
    ASSERT_EQ(document.error, "");
    ASSERT_EQ(document.images.size(), 1u);
    EXPECT_EQ(document.images[0].at("x"), GetParam().placedAt);
    EXPECT_EQ(document.images[0].at("y"), GetParam().placedAt);
    EXPECT_EQ(document.images[0].at("data-x"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CoordinateTest,
    ::testing::Values(Coordinate{"Integer", "120", "120"}, Coordinate{"Negative", "-3", "-3"},
                      Coordinate{"Fraction", "12.25", "12.25"}, Coordinate{"Plus", "+7", "+7"},
                      Coordinate{"Zero", "0", "0"}, Coordinate{"Empty", "", "0"},
                      Coordinate{"Word", "abc", "0"}, Coordinate{"Exponent", "1e3", "0"},
                      Coordinate{"TrailingDot", "5.", "5"}, Coordinate{"LeadingDot", ".5", "0.5"},
                      Coordinate{"NegativeLeadingDot", "-.25", "-0.25"},
                      Coordinate{"DotOnly", ".", "0"}, Coordinate{"TwoDots", "1.2.3", "0"},
                      Coordinate{"Unit", "12px", "0"}, Coordinate{"Blanks", " 12\t", "12"},
                      Coordinate{"TrailingLineEnd", "20\n", "20"},
                      Coordinate{"TrailingCrLf", "-4\r\n", "-4"},
                      Coordinate{"BlankInside", "1 2", "0"}, Coordinate{"BlanksOnly", " \n", "0"},
                      Coordinate{"TwoSigns", "--5", "0"}, Coordinate{"SignOnly", "-", "0"},
                      Coordinate{"CommandSubstitution", "$(echo 5)", "0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaceImageTest, HostileValuesStayInertText) {
    const fs::path marker = folder_ / "evaluated";
    const std::string x = "\"><script>alert(1)</script><x y=\"";
    const std::string y = "$(touch " + marker.string() + ")`touch " + marker.string() + "`";
    const fs::path oddImage = folder_ / "a \"quoted\" 'name' & <日本> $(x).png";
    Write(oddImage, png_);
    ASSERT_TRUE(Place({oddImage.string(), x, y})) << errors_;
    const SvgDocument document = Document();
    ASSERT_EQ(document.error, "");
    EXPECT_EQ(document.elements, (std::vector<std::string>{"svg", "image"}));
    ASSERT_EQ(document.images.size(), 1u);
    EXPECT_EQ(document.images[0].at("data-path"), oddImage.string());
    EXPECT_EQ(document.images[0].at("data-x"), x);
    EXPECT_EQ(document.images[0].at("data-y"), y);
    EXPECT_EQ(document.images[0].at("x"), "0");
    EXPECT_FALSE(fs::exists(marker));
    EXPECT_EQ(Read(Host("placed.log")), oddImage.string() + "\t" + x + "\t" + y + "\n");
}

TEST_F(PlaceImageTest, WhatXmlCannotHoldIsDroppedAndTheRestKept) {
    const std::string value =
        "tab\there\nline\r\x01\x1f"
        "\xe3\x81"
        "ok \xef\xbf\xbf 日本";
    ASSERT_TRUE(Place({image_.string(), value, "line 1\nline 2\n\n"})) << errors_;
    const SvgDocument document = Document();
    ASSERT_EQ(document.error, "");
    ASSERT_EQ(document.images.size(), 1u);
    EXPECT_EQ(document.images[0].at("data-x"), "tab\there\nline\rok \xef\xbf\xbd 日本");
    EXPECT_EQ(document.images[0].at("data-y"), "line 1\nline 2\n\n");
    EXPECT_EQ(Read(Host("placed.log")),
              image_.string() +
                  "\ttab\\there\\nline\\r\\x01\\x1f\xe3\x81ok \xef\xbf\xbf"
                  " 日本\tline 1\\nline 2\\n\\n\n")
        << "the log keeps one line per call, its control bytes escaped";
}

TEST_F(PlaceImageTest, SeveralPlacementsMakeOneWellFormedDocument) {
    const std::vector<std::vector<std::string>> calls = {
        {"20", "20"}, {"-50", "300.5"}, {"\"><script>", "&amp;"}, {"440", "7"}};
    for (const auto& values : calls) {
        const auto result = Place({image_.string(), values[0], values[1]});
        ASSERT_TRUE(result) << result.Failure() << errors_;
    }
    const SvgDocument document = Document();
    ASSERT_EQ(document.error, "");
    ASSERT_EQ(document.images.size(), calls.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(document.images[i].at("data-x"), calls[i][0]) << "placement " << i;
        EXPECT_EQ(document.images[i].at("data-y"), calls[i][1]) << "placement " << i;
    }
    EXPECT_EQ(document.root.at("width"), "461") << "reaches the far edge of the last image";
    EXPECT_EQ(document.root.at("height"), "313.5");
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"document.svg", "placed.log"}))
        << "no temporary file is left behind";
}

// Coordinates far from the origin: beyond 1e9 they are 0, so the document's extent stays a
// plain, finite decimal that the next placement reads.
class FarCoordinateTest : public PlaceImageTest,
                          public ::testing::WithParamInterface<Coordinate> {};

TEST_P(FarCoordinateTest, TheNextPlacementStillReadsTheDocument) {
    ASSERT_TRUE(Place({image_.string(), GetParam().value, "0"})) << errors_;
    const auto next = Place({image_.string(), "1", "1"});
    ASSERT_TRUE(next) << next.Failure() << errors_;
    const SvgDocument document = Document();
    ASSERT_EQ(document.error, "");
    ASSERT_EQ(document.images.size(), 2u);
    EXPECT_EQ(document.images[0].at("x"), GetParam().placedAt);
    EXPECT_EQ(document.images[1].at("x"), "1");
}

// The decimal text of 10 to the power `zeros`.
std::string TenToThe(std::size_t zeros) { return std::string(1, '1').append(zeros, '0'); }

INSTANTIATE_TEST_SUITE_P(
    Values, FarCoordinateTest,
    ::testing::Values(Coordinate{"Huge", TenToThe(21), "0"},
                      Coordinate{"BeyondEveryDouble", TenToThe(400), "0"},
                      Coordinate{"AtTheLimit", TenToThe(9), TenToThe(9)},
                      Coordinate{"AtTheNegativeLimit", "-1000000000", "-1000000000"},
                      Coordinate{"JustBeyondTheLimit", "1000000000.5", "0"},
                      // 21 pixels wide, so its far edge lies a hair right of the origin.
                      Coordinate{"JustLeftOfTheOrigin", "-20.9999999", "-20.9999999"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaceImageTest, TheDocumentIsReplacedNotRewrittenInPlace) {
    ASSERT_TRUE(Place({image_.string(), "1", "1"})) << errors_;
    struct stat before {};
    ASSERT_EQ(::stat(Host("document.svg").c_str(), &before), 0);
    ASSERT_TRUE(Place({image_.string(), "2", "2"})) << errors_;
    struct stat after {};
    ASSERT_EQ(::stat(Host("document.svg").c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "a reader holding the old file sees it whole";
}

struct BrokenImage {
    const char* name;
    std::optional<std::string> bytes;  // none: there is no file at the path
    std::string reason;
};

void PrintTo(const BrokenImage& image, std::ostream* out) { *out << image.name; }

class BrokenImageTest : public PlaceImageTest, public ::testing::WithParamInterface<BrokenImage> {};

TEST_P(BrokenImageTest, LeavesEverythingAsItWasAndSaysWhy) {
    ASSERT_TRUE(Place({image_.string(), "10", "10"})) << errors_;
    const std::string document = Read(Host("document.svg"));
    const std::string log = Read(Host("placed.log"));
    const fs::path broken = folder_ / "temp_1.png";
    if (GetParam().bytes) Write(broken, *GetParam().bytes);

    const auto result = Place({broken.string(), "99", "99"});
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Failure(), "exited with status 1");
    EXPECT_THAT(errors_, ::testing::HasSubstr("171: " + GetParam().reason));
    EXPECT_EQ(Read(Host("document.svg")), document) << "byte for byte";
    EXPECT_EQ(Read(Host("placed.log")), log);
    fs::remove(broken);
    EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"document.svg", "placed.log"}));
}

const std::string kPng = TinyPng::Make(21, 13);

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenImageTest,
    ::testing::Values(
        BrokenImage{"Missing", std::nullopt, "no image file at"},
        BrokenImage{"Empty", "", "not a PNG file: only 0 bytes"},
        BrokenImage{"ErrorPage", "<html><body>500 Internal Server Error</body></html>\n",
                    "not a PNG file: no PNG signature"},
        BrokenImage{"SignatureOnly", kPng.substr(0, 8), "not a PNG file: only 8 bytes"},
        BrokenImage{"NoHeaderChunk", kPng.substr(0, 12) + "IDAT" + kPng.substr(16),
                    "not a PNG file: no IHDR header"},
        BrokenImage{"ZeroWidth", kPng.substr(0, 16) + "\0\0\0\0"s + kPng.substr(20),
                    "not a PNG file: a size of 0x13"},
        BrokenImage{"CutOffMidway", kPng.substr(0, kPng.size() - 20),
                    "not a whole PNG file: no IEND at its end"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaceImageTest, AFolderInPlaceOfTheImageIsRefused) {
    fs::create_directory(folder_ / "folder.png");
    EXPECT_FALSE(Place({(folder_ / "folder.png").string(), "1", "1"}));
    EXPECT_THAT(errors_, ::testing::HasSubstr("171: no image file at"));
    EXPECT_FALSE(fs::exists(Host("document.svg")));
    EXPECT_FALSE(fs::exists(Host("placed.log")));
}

TEST_F(PlaceImageTest, AnUnreadableImageIsRefused) {
    fs::permissions(image_, fs::perms::none);
    EXPECT_FALSE(RunUnprivileged("171", {image_.string(), "1", "1"}));
    EXPECT_THAT(errors_, ::testing::HasSubstr("171: cannot read the image file"));
    EXPECT_FALSE(fs::exists(Host("document.svg")));
}

TEST_F(PlaceImageTest, ADocumentOfSomeoneElseIsLeftAlone) {
    const std::string foreign = "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect/></svg>\n";
    Write(Host("document.svg"), foreign);
    EXPECT_FALSE(Place({image_.string(), "1", "1"}));
    EXPECT_THAT(errors_, ::testing::HasSubstr("was not written by this stand-in"));
    EXPECT_EQ(Read(Host("document.svg")), foreign);
    EXPECT_FALSE(fs::exists(Host("placed.log")));
}

TEST_F(PlaceImageTest, WithoutArgumentsNothingIsPlaced) {
    EXPECT_FALSE(Place({}));
    EXPECT_THAT(errors_, ::testing::HasSubstr("171: usage"));
    EXPECT_FALSE(fs::exists(Host("document.svg")));
}

TEST_F(PlaceImageTest, ARelativeFolderNamedLikeAnOptionIsAFolder) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder_.Path());
    ::setenv("VEMO_HOST_DIR", "-h", 1);
    const auto result = Place({image_.string(), "1", "1"});
    fs::current_path(previous);
    ASSERT_TRUE(result) << result.Failure() << errors_;
    EXPECT_EQ(SvgDocument::Parse(Read(folder_ / "-h" / "document.svg")).images.size(), 1u);
    EXPECT_EQ(Read(folder_ / "-h" / "placed.log"), image_.string() + "\t1\t1\n");
}

TEST_F(PlaceImageTest, MissingValuesPlaceAtZero) {
    ASSERT_TRUE(Place({image_.string()})) << errors_;
    const SvgDocument document = Document();
    ASSERT_EQ(document.images.size(), 1u);
    EXPECT_EQ(document.images[0].at("x"), "0");
    EXPECT_EQ(document.images[0].at("y"), "0");
}

}  // namespace
