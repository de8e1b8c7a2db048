#include "files/picture_pixels.h"

#include <algorithm>

namespace murva {

void DrawRgbImage(const TRgbImage& image, Bitmap& into) {
    const std::int32_t width = std::min(image.Width, into.Width());
    const std::int32_t height = std::min(image.Height, into.Height());
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint8_t* rgb = image.At(x, y);
            into.SetPixel(x, y, RGBColor(rgb[0], rgb[1], rgb[2]));
        }
    }
}

TRgbImage RgbImageOf(const Bitmap& picture) {
    TRgbImage image;
    image.Width = picture.Width();
    image.Height = picture.Height();
    std::vector<std::uint32_t> pixels(std::size_t(image.Width) * std::size_t(image.Height));
    picture.ReadPixels(pixels.data());
    image.Pixels.reserve(pixels.size() * 3);
    for (const std::uint32_t p : pixels) {
        image.Pixels.push_back(std::uint8_t(p >> 16));
        image.Pixels.push_back(std::uint8_t(p >> 8));
        image.Pixels.push_back(std::uint8_t(p));
    }
    return image;
}

} // namespace murva
