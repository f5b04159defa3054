#include "chartservice/PngWriter.h"

#include <png.h>

#include <stdexcept>

namespace chartservice {

std::string EncodePng(const Bitmap& bitmap) {
    if (bitmap.Width() == 0 || bitmap.Height() == 0) {
        throw std::invalid_argument("a PNG image needs at least one pixel");
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bitmap.Width());
    image.height = static_cast<png_uint_32>(bitmap.Height());
    image.format = PNG_FORMAT_GRAY;
    const void* pixels = bitmap.Pixels().data();
    png_int_32 stride = bitmap.Width();
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, pixels, stride, nullptr)) {
        throw std::runtime_error(std::string("PNG size: ") + image.message);
    }
    std::string png(size, '\0');
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels, stride, nullptr)) {
        throw std::runtime_error(std::string("PNG writing: ") + image.message);
    }
    png.resize(size);
    return png;
}

}  // namespace chartservice
