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
    image.Pixels.reserve(std::size_t(image.Width) * std::size_t(image.Height) * 3);
    for (std::int32_t y = 0; y < image.Height; ++y) {
        for (std::int32_t x = 0; x < image.Width; ++x) {
            const TColor color = picture.GetPixel(x, y);
            image.Pixels.push_back(RedOf(color));
            image.Pixels.push_back(GreenOf(color));
            image.Pixels.push_back(BlueOf(color));
        }
    }
    return image;
}

} // namespace murva
