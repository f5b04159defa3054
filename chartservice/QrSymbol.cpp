#include "chartservice/QrSymbol.h"

#include <qrencode.h>

#include <array>
#include <cerrno>
#include <memory>
#include <new>
#include <stdexcept>

namespace chartservice {
namespace {

constexpr unsigned kUtf8Eci = 26;

struct QrCodeFree {
    void operator()(QRcode* code) const { QRcode_free(code); }
};
struct QrInputFree {
    void operator()(QRinput* input) const { QRinput_free(input); }
};
using QrCodePtr = std::unique_ptr<QRcode, QrCodeFree>;
using QrInputPtr = std::unique_ptr<QRinput, QrInputFree>;

struct LevelEntry {
    ErrorCorrection level;
    QRecLevel libraryLevel;
    char letter;
};

constexpr std::array<LevelEntry, 4> kLevels{{
    {ErrorCorrection::L, QR_ECLEVEL_L, 'L'},
    {ErrorCorrection::M, QR_ECLEVEL_M, 'M'},
    {ErrorCorrection::Q, QR_ECLEVEL_Q, 'Q'},
    {ErrorCorrection::H, QR_ECLEVEL_H, 'H'},
}};

const LevelEntry& EntryOf(ErrorCorrection level) {
    for (const LevelEntry& entry : kLevels) {
        if (entry.level == level) return entry;
    }
    throw std::logic_error("unknown error correction level");
}

const unsigned char* Bytes(std::string_view data) {
    return reinterpret_cast<const unsigned char*>(data.data());
}

// One 8-bit segment, after the UTF-8 ECI designator when `utf8Eci` is set.
QRcode* EncodeOneSegment(std::string_view data, QRecLevel level, bool utf8Eci) {
    QrInputPtr input(QRinput_new2(0, level));
    if (!input) return nullptr;
    if (utf8Eci && QRinput_appendECIheader(input.get(), kUtf8Eci) != 0) return nullptr;
    if (QRinput_append(input.get(), QR_MODE_8, static_cast<int>(data.size()), Bytes(data)) != 0) {
        return nullptr;
    }
    return QRcode_encodeInput(input.get());
}

QRcode* EncodeWithLibrary(std::string_view data, TextEncoding encoding, QRecLevel level) {
    if (encoding == TextEncoding::Utf8 && !IsAscii(data)) {
        return EncodeOneSegment(data, level, true);
    }
    // The library's own segmentation reads a C string, so a NUL byte would cut the data.
    if (data.find('\0') != std::string_view::npos) return EncodeOneSegment(data, level, false);
    QRencodeMode hint = encoding == TextEncoding::ShiftJis ? QR_MODE_KANJI : QR_MODE_8;
    return QRcode_encodeString(std::string(data).c_str(), 0, level, hint, 1);
}

}  // namespace

QrSymbol::QrSymbol(int width, std::vector<std::uint8_t> dark)
    : width_(width), dark_(std::move(dark)) {
    if (width_ < 0 || dark_.size() != static_cast<std::size_t>(width_) * width_) {
        throw std::invalid_argument("QR symbol modules do not match its width");
    }
}

bool QrSymbol::IsDark(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= width_) return false;
    return dark_[static_cast<std::size_t>(y) * width_ + x] != 0;
}

char ErrorCorrectionLetter(ErrorCorrection level) { return EntryOf(level).letter; }

QrSymbolEncoding EncodeQrSymbol(std::string_view data, TextEncoding encoding,
                                ErrorCorrection level) {
    QrSymbolEncoding result;
    if (data.empty()) {
        result.error = "chl is empty";
        return result;
    }
    errno = 0;
    QrCodePtr code(EncodeWithLibrary(data, encoding, EntryOf(level).libraryLevel));
    if (!code) {
        if (errno == ERANGE) {
            result.error =
                std::string("chl does not fit a QR code at level ") + ErrorCorrectionLetter(level);
            return result;
        }
        if (errno == ENOMEM) throw std::bad_alloc();
        throw std::runtime_error("QR encoding failed");
    }
    std::vector<std::uint8_t> dark(static_cast<std::size_t>(code->width) * code->width);
    for (std::size_t i = 0; i < dark.size(); ++i) dark[i] = code->data[i] & 1;
    result.symbol = QrSymbol(code->width, std::move(dark));
    return result;
}

}  // namespace chartservice
