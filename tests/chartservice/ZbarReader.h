#pragma once

#include <optional>
#include <string>

namespace chartservice_test {

// The data bytes of the QR code in a PNG image, as `zbarimg --raw -q -Sbinary` prints them,
// or nothing when zbarimg finds no code (or cannot be run).
//
// What zbar 0.23 prints in that mode (seen on this machine): the bytes of the data segments
// exactly as the code holds them and nothing else, not even a line end. An ECI designator is
// not printed, so UTF-8 under ECI 26 comes out as its UTF-8 bytes; Kanji-mode segments come
// out as their Shift_JIS bytes; 8-bit segments as they are (ISO-8859-1 stays ISO-8859-1). A
// NUL byte comes through. It needs at least two pixels per module: at one it finds nothing.
std::optional<std::string> ReadQrCode(const std::string& png);

}  // namespace chartservice_test
