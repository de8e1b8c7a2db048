#pragma once
// Picture files made by the tests themselves: a temporary folder per test, JPEGs
// encoded with the program's codec and BMPs written byte by byte.

#include "files/jpeg_codec.h"
#include "model/geometry.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>

namespace murva::test {

using PixelRule = std::function<TColor(std::int32_t x, std::int32_t y)>;

inline TRgbImage MakeImage(std::int32_t width, std::int32_t height, const PixelRule& rule) {
    TRgbImage image;
    image.Width = width;
    image.Height = height;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const TColor c = rule(x, y);
            image.Pixels.insert(image.Pixels.end(), {RedOf(c), GreenOf(c), BlueOf(c)});
        }
    }
    return image;
}

inline TRgbImage SolidImage(std::int32_t width, std::int32_t height, TColor color) {
    return MakeImage(width, height, [color](std::int32_t, std::int32_t) { return color; });
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::string JpegBytes(const TRgbImage& image) {
    auto bytes = EncodeJpeg(image, 90);
    if (!bytes) throw std::runtime_error("cannot encode a test picture");
    return *bytes;
}

inline void WriteJpeg(const std::string& path, const TRgbImage& image) {
    WriteBytes(path, JpegBytes(image));
}

// An uncompressed 24-bit BMP, stored bottom-up as the format usually is.
inline std::string BmpBytes(std::int32_t width, std::int32_t height, const PixelRule& rule) {
    const std::uint32_t rowSize = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = rowSize * static_cast<std::uint32_t>(height);
    std::string bytes;
    auto u16 = [&](std::uint32_t v) {
        bytes += char(v & 0xFF);
        bytes += char((v >> 8) & 0xFF);
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    bytes += "BM";
    u32(54 + dataSize);
    u32(0);
    u32(54);
    u32(40);
    u32(static_cast<std::uint32_t>(width));
    u32(static_cast<std::uint32_t>(height));
    u16(1);
    u16(24);
    u32(0);
    u32(dataSize);
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    for (std::int32_t y = height - 1; y >= 0; --y) {
        std::string row;
        for (std::int32_t x = 0; x < width; ++x) {
            const TColor c = rule(x, y);
            row += char(BlueOf(c));
            row += char(GreenOf(c));
            row += char(RedOf(c));
        }
        row.resize(rowSize, '\0');
        bytes += row;
    }
    return bytes;
}

// Colours compared channel by channel, as a lossy picture allows.
inline bool Near(TColor a, TColor b, int tolerance) {
    auto close = [tolerance](int u, int v) { return std::abs(u - v) <= tolerance; };
    return close(RedOf(a), RedOf(b)) && close(GreenOf(a), GreenOf(b)) &&
           close(BlueOf(a), BlueOf(b));
}

} // namespace murva::test
