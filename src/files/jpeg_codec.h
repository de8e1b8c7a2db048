#pragma once
// JPEG pictures through libjpeg: decoding backgrounds and encoding the export. A file
// the library cannot read gives no picture; the library never ends the process and
// never prints.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace murva {

// An RGB picture: rows top to bottom, three bytes (red, green, blue) per pixel.
struct TRgbImage {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Pixels;

    const std::uint8_t* At(std::int32_t x, std::int32_t y) const {
        return Pixels.data() + (static_cast<std::size_t>(y) * Width + x) * 3;
    }
};

constexpr std::int32_t KeepAll = std::numeric_limits<std::int32_t>::max();

// Decodes at full size with the best-quality settings, always to RGB (a grey-scale
// picture too). The whole picture is decoded, so that damage anywhere is found, but
// only its top-left keepWidth x keepHeight part is kept. Nothing when the data is not a
// readable JPEG, including a truncated one.
std::optional<TRgbImage> DecodeJpeg(std::string_view bytes, std::int32_t keepWidth = KeepAll,
                                    std::int32_t keepHeight = KeepAll);
std::optional<TRgbImage> DecodeJpegFile(const std::string& path, std::int32_t keepWidth = KeepAll,
                                        std::int32_t keepHeight = KeepAll);

// A baseline colour JPEG at the quality given (1..100). Nothing on failure.
std::optional<std::string> EncodeJpeg(const TRgbImage& image, int quality);

} // namespace murva
