#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chartservice/TextEncoding.h"

namespace chartservice {

// The QR code's error correction level, from the least to the most redundancy.
enum class ErrorCorrection { L, M, Q, H };

// A QR code's modules: a square `Width()` modules each way, without any quiet zone.
class QrSymbol {
  public:
    QrSymbol() = default;
    QrSymbol(int width, std::vector<std::uint8_t> dark);

    int Width() const { return width_; }
    // Whether the module in column x and row y (both from 0) is dark; false outside the symbol.
    bool IsDark(int x, int y) const;

  private:
    int width_ = 0;
    std::vector<std::uint8_t> dark_;
};

// A QR code, or the reason the data give none.
struct QrSymbolEncoding {
    QrSymbol symbol;
    std::string error;  // empty on success

    explicit operator bool() const { return error.empty(); }
};

// Encodes data bytes (already in `encoding`) into the smallest QR code that holds them at
// `level`, with libqrencode:
// - UTF-8 data that is not plain ASCII carries the UTF-8 ECI designator (26) before one 8-bit
//   segment, so that readers take the bytes as UTF-8;
// - all other data are split into numeric, alphanumeric and 8-bit segments as libqrencode
//   finds best, Shift_JIS data with their double-byte characters in Kanji mode;
// - data holding a NUL byte go into one 8-bit segment (libqrencode splits only C strings).
// Refused, with the reason: empty data, and data that do not fit a QR code at that level.
// Throws std::bad_alloc when memory runs out and std::runtime_error for any other failure.
QrSymbolEncoding EncodeQrSymbol(std::string_view data, TextEncoding encoding,
                                ErrorCorrection level);

// The level's letter: L, M, Q or H.
char ErrorCorrectionLetter(ErrorCorrection level);

}  // namespace chartservice
