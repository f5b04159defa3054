#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vemo_test {

// The bytes of a valid PNG file of the given size: 8-bit grey, a ramp so that rows differ,
// the image data deflated as one stored block. Small sizes only (a few thousand pixels).
class TinyPng {
  public:
    static std::string Make(std::uint32_t width, std::uint32_t height) {
        std::string rows;
        for (std::uint32_t y = 0; y < height; ++y) {
            rows += '\0';  // no filter
            for (std::uint32_t x = 0; x < width; ++x) rows += static_cast<char>((x * 7 + y * 13));
        }
        if (rows.size() > 0xFFFF) throw std::invalid_argument("too large for one stored block");

        std::string header = Be32(width) + Be32(height);
        header += std::string{8, 0, 0, 0, 0};  // depth 8, grey, deflate, no filter, no interlace
        return "\x89PNG\r\n\x1a\n" + Chunk("IHDR", header) + Chunk("IDAT", Zlib(rows)) +
               Chunk("IEND", "");
    }

  private:
    static std::string Be32(std::uint32_t value) {
        return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                static_cast<char>(value >> 8), static_cast<char>(value)};
    }

    static std::uint32_t Crc32(const std::string& bytes) {
        std::uint32_t crc = 0xFFFFFFFFu;
        for (unsigned char byte : bytes) {
            crc ^= byte;
            for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return crc ^ 0xFFFFFFFFu;
    }

    static std::uint32_t Adler32(const std::string& bytes) {
        std::uint32_t a = 1, b = 0;
        for (unsigned char byte : bytes) {
            a = (a + byte) % 65521;
            b = (b + a) % 65521;
        }
        return (b << 16) | a;
    }

    static std::string Zlib(const std::string& data) {
        const auto length = static_cast<std::uint16_t>(data.size());
        const auto inverse = static_cast<std::uint16_t>(~length);
        std::string stream = "\x78\x01\x01";  // zlib header, then the final stored block
        stream += {static_cast<char>(length), static_cast<char>(length >> 8),
                   static_cast<char>(inverse), static_cast<char>(inverse >> 8)};
        return stream + data + Be32(Adler32(data));
    }

    static std::string Chunk(const std::string& type, const std::string& data) {
        return Be32(static_cast<std::uint32_t>(data.size())) + type + data +
               Be32(Crc32(type + data));
    }
};

}  // namespace vemo_test
