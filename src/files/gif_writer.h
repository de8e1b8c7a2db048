#pragma once
// Animated GIF pictures, written frame by frame: each frame gets a palette of its own
// colours (reduced with ordered dithering when there are more than fit), only the part
// that changed is stored, the rest left transparent, and the animation loops forever.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace murva {

class TGifWriter {
public:
    TGifWriter(std::int32_t width, std::int32_t height);
    ~TGifWriter();
    TGifWriter(const TGifWriter&) = delete;
    TGifWriter& operator=(const TGifWriter&) = delete;

    // One picture of width × height pixels, 0xRRGGBB each (a top byte the same in all
    // counts for nothing), shown for the delay in hundredths of a second. A picture like the one
    // before only lengthens that one.
    void AddFrame(const std::vector<std::uint32_t>& rgb, int delay);
    // The whole file, or nothing when the library failed.
    std::optional<std::string> Finish();

private:
    struct TPending;
    void Flush();

    std::int32_t Width, Height;
    std::vector<std::uint32_t> Previous;
    TPending* Pending = nullptr;
    std::string Bytes;
    void* Gif = nullptr; // the library's writer
    bool Failed = false;
};

} // namespace murva
