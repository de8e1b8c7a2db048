#pragma once
// Decodes an animated GIF with giflib into whole pictures, each frame drawn over the one
// before where it is not transparent.

#include <gif_lib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace murva::test {

struct TGifMovie {
    int Width = 0, Height = 0;
    std::vector<std::vector<std::uint32_t>> Pictures; // 0xRRGGBB
    std::vector<int> Delays;                          // hundredths of a second
    bool Loops = false;
    bool Read = false;

    std::uint32_t At(std::size_t picture, int x, int y) const {
        return Pictures[picture][std::size_t(y) * Width + x];
    }
};

inline TGifMovie DecodeGif(const std::string& path) {
    TGifMovie movie;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif) return movie;
    if (DGifSlurp(gif) == GIF_OK) {
        movie.Read = true;
        movie.Width = gif->SWidth;
        movie.Height = gif->SHeight;
        std::vector<std::uint32_t> shown(std::size_t(movie.Width) * movie.Height, 0);
        for (int k = 0; k < gif->ImageCount; ++k) {
            const SavedImage& image = gif->SavedImages[k];
            GraphicsControlBlock control{};
            control.TransparentColor = NO_TRANSPARENT_COLOR;
            DGifSavedExtensionToGCB(gif, k, &control);
            for (int e = 0; e < image.ExtensionBlockCount; ++e) {
                const ExtensionBlock& block = image.ExtensionBlocks[e];
                if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                    std::string(reinterpret_cast<char*>(block.Bytes), 11) == "NETSCAPE2.0")
                    movie.Loops = true;
            }
            const ColorMapObject* map =
                image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
            const GifImageDesc& d = image.ImageDesc;
            for (int y = 0; y < d.Height; ++y)
                for (int x = 0; x < d.Width; ++x) {
                    const int index = image.RasterBits[y * d.Width + x];
                    if (index == control.TransparentColor || !map) continue;
                    const GifColorType c = map->Colors[index];
                    shown[std::size_t(d.Top + y) * movie.Width + d.Left + x] =
                        std::uint32_t(c.Red) << 16 | std::uint32_t(c.Green) << 8 | c.Blue;
                }
            movie.Pictures.push_back(shown);
            movie.Delays.push_back(control.DelayTime);
        }
        // The loop block may be read as the leader of the first image or of the file.
        for (int e = 0; e < gif->ExtensionBlockCount; ++e)
            if (gif->ExtensionBlocks[e].Function == APPLICATION_EXT_FUNC_CODE) movie.Loops = true;
    }
    DGifCloseFile(gif, &error);
    return movie;
}

} // namespace murva::test
