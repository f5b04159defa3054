#include "standinhost/PngStream.h"

#include <png.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <string>

#include "standinhost/PngHeader.h"

namespace standinhost {

namespace {

enum class Stop { None, Cut, ReadFailed, SinkFailed, Invalid };

struct ReadState {
    int fd;
    const PngStream::Sink* sink;
    std::uint64_t consumed = 0;
    Stop stop = Stop::None;
    int readErrno = 0;
    char message[160] = {};
    png_bytep row = nullptr;
};

ReadState& StateOf(png_structp png) { return *static_cast<ReadState*>(png_get_error_ptr(png)); }

void OnError(png_structp png, png_const_charp message) {
    ReadState& state = StateOf(png);
    if (state.stop == Stop::None) {
        state.stop = Stop::Invalid;
        std::strncpy(state.message, message, sizeof state.message - 1);
    }
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp png, png_bytep data, std::size_t length) {
    ReadState& state = StateOf(png);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got = ::read(state.fd, data + done, length - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            state.stop = got == 0 ? Stop::Cut : Stop::ReadFailed;
            state.readErrno = errno;
            png_error(png, "read");
        }
        done += static_cast<std::size_t>(got);
    }
    state.consumed += length;
    if (!(*state.sink)(std::string_view(reinterpret_cast<const char*>(data), length))) {
        state.stop = Stop::SinkFailed;
        png_error(png, "sink");
    }
}

// Reads the whole image, row by row; false when libpng stopped, with the reason in `state`.
// No C++ object with a destructor lives here, as libpng leaves by longjmp.
bool ReadImage(ReadState& state) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_free(png, state.row);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &state, OnRead);
    png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
    png_set_benign_errors(png, 0);
    png_set_user_limits(png, PngHeader::kMaxSide, PngHeader::kMaxSide);
    png_read_info(png, info);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    state.row = static_cast<png_bytep>(png_malloc(png, png_get_rowbytes(png, info)));
    const png_uint_32 height = png_get_image_height(png, info);
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, state.row, nullptr);
    }
    png_read_end(png, nullptr);
    png_free(png, state.row);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

Outcome<std::uint64_t> PngStream::Check(int fd, const Sink& sink) {
    ReadState state{fd, &sink};
    if (ReadImage(state)) return state.consumed;
    switch (state.stop) {
        case Stop::Cut:
            return Outcome<std::uint64_t>::Failure("not a whole PNG file: no IEND at its end");
        case Stop::ReadFailed:
            return Outcome<std::uint64_t>::Failure(std::string("cannot read the image file: ") +
                                                   std::strerror(state.readErrno));
        case Stop::SinkFailed:
            return Outcome<std::uint64_t>::Failure("cannot write the image into the document");
        case Stop::Invalid:
            return Outcome<std::uint64_t>::Failure(std::string("not a valid PNG file: ") +
                                                   state.message);
        case Stop::None:
            break;
    }
    return Outcome<std::uint64_t>::Failure("not a valid PNG file: libpng could not start");
}

}  // namespace standinhost
