#include "chartservice/PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <new>
#include <stdexcept>

namespace chartservice {
namespace {

// What the libpng callbacks hand back to EncodePng.
struct PngOutput {
    std::string bytes;
    char error[128] = "";  // a copy: libpng may format its message on a stack it leaves
    bool outOfMemory = false;
};

PngOutput& OutputOf(png_structp png) { return *static_cast<PngOutput*>(png_get_error_ptr(png)); }

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    PngOutput& output = OutputOf(png);
    try {
        output.bytes.append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        output.outOfMemory = true;
    }
    if (output.outOfMemory) png_error(png, "out of memory");
}

void FlushNothing(png_structp) {}

[[noreturn]] void Fail(png_structp png, png_const_charp message) {
    std::snprintf(OutputOf(png).error, sizeof OutputOf(png).error, "%s", message);
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// libpng reports errors by longjmp back to the setjmp here. Nothing in this function has a
// destructor, so the jump skips none; the output lives in the caller.
bool WriteImage(png_structp png, png_infop info, const Bitmap& bitmap) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, png_get_error_ptr(png), AppendBytes, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()),
                 static_cast<png_uint_32>(bitmap.Height()), 1, PNG_COLOR_TYPE_GRAY,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Filters gain nothing on 1-bit images and cost time.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    for (int y = 0; y < bitmap.Height(); ++y) {
        png_write_row(png, const_cast<png_bytep>(bitmap.Row(y)));
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

std::string EncodePng(const Bitmap& bitmap) {
    if (bitmap.Width() == 0 || bitmap.Height() == 0) {
        throw std::invalid_argument("a PNG image needs at least one pixel");
    }
    PngOutput output;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &output, Fail, IgnoreWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool written = info != nullptr && WriteImage(png, info, bitmap);
    png_destroy_write_struct(&png, &info);
    if (output.outOfMemory) throw std::bad_alloc();
    if (!written) {
        throw std::runtime_error(std::string("PNG writing: ") +
                                 (output.error[0] ? output.error : "libpng could not start"));
    }
    return std::move(output.bytes);
}

}  // namespace chartservice
