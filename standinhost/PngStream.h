#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "standinhost/Outcome.h"

namespace standinhost {

// Reads a PNG file through libpng, checking the whole of it: signature, IHDR, the CRC of
// every chunk, the image data against the size, and IEND. Every byte read, up to the end of
// IEND and never past it, goes to the sink as it is read, so the file is never held whole.
class PngStream {
  public:
    // Takes the next bytes; false stops the read.
    using Sink = std::function<bool(std::string_view)>;

    // The number of bytes up to the end of IEND, read from `fd` at its current offset. Fails
    // with "not a whole PNG file: no IEND at its end" when the file ends first, with libpng's
    // reason when the file is no valid PNG, and when a read or the sink fails.
    static Outcome<std::uint64_t> Check(int fd, const Sink& sink);
};

}  // namespace standinhost
