#include "files/picture_pixels.h"

#include "files/file_names.h"

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

bool DrawPictureFile(const std::string& path, Graphics& graphics, Bitmap& into) {
    const std::int32_t width = into.Width(), height = into.Height();
    if (HasExtension(path, BmpExtensions)) {
        // Decoded into a scratch picture first: a file that fails leaves the bitmap alone.
        std::unique_ptr<Bitmap> loaded = graphics.CreateBitmap(width, height);
        if (!graphics.LoadBmp(path, *loaded)) return false;
        const TRect all{0, 0, width, height};
        loaded->SetSize(width, height);
        into.GetCanvas().CopyRect(all, loaded->GetCanvas(), all);
        return true;
    }
    if (!HasExtension(path, JpegExtensions)) return false;
    const std::optional<TRgbImage> image = DecodeJpegFile(path, width, height);
    if (image) DrawRgbImage(*image, into);
    return image.has_value();
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
