// Animated GIF pictures: what is written decodes back to the pictures given, exactly
// when they have few colours and closely when they have many; only changes are stored.

#include "files/gif_writer.h"

#include "support/gif_frames.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace murva::test {
namespace {

TGifMovie WriteAndRead(TGifWriter& writer) {
    TempDir temp;
    const std::optional<std::string> bytes = writer.Finish();
    if (!bytes) return {};
    std::ofstream(temp.Path("a.gif"), std::ios::binary) << *bytes;
    return DecodeGif(temp.Path("a.gif"));
}

TEST(GifWriter, FewColoursComeBackExactlyAndOnlyChangesAreStored) {
    const int w = 64, h = 48;
    std::vector<std::uint32_t> picture(w * h, 0xFFFFFF);
    TGifWriter writer(w, h);
    std::vector<std::vector<std::uint32_t>> given;
    for (int k = 0; k < 5; ++k) {
        // A red square moving right over white, with a blue corner that stays.
        std::fill(picture.begin(), picture.end(), 0xFFFFFF);
        for (int y = 10; y < 20; ++y)
            for (int x = 5 * k; x < 5 * k + 10; ++x)
                picture[y * w + x] = 0xFF0000;
        picture[0] = 0x0000FF;
        writer.AddFrame(picture, 4);
        given.push_back(picture);
    }
    writer.AddFrame(picture, 96); // the same picture: the last one is held longer
    const TGifMovie movie = WriteAndRead(writer);
    ASSERT_TRUE(movie.Read);
    EXPECT_TRUE(movie.Loops);
    ASSERT_EQ(movie.Pictures.size(), 5u);
    EXPECT_EQ(movie.Pictures, given);
    EXPECT_EQ(movie.Delays, (std::vector<int>{4, 4, 4, 4, 100}));
}

TEST(GifWriter, ManyColoursAreReducedCloselyToOnePaletteAFrame) {
    const int w = 256, h = 192;
    std::vector<std::uint32_t> photo(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            photo[y * w + x] = std::uint32_t(x) << 16 | std::uint32_t(y) << 8 | ((x + y) & 0xFF);
    TGifWriter writer(w, h);
    writer.AddFrame(photo, 4);
    const TGifMovie movie = WriteAndRead(writer);
    ASSERT_TRUE(movie.Read);
    double error = 0;
    for (int i = 0; i < w * h; ++i)
        for (int shift : {0, 8, 16})
            error += std::abs(int((photo[i] >> shift) & 0xFF) -
                              int((movie.Pictures[0][i] >> shift) & 0xFF));
    EXPECT_LT(error / (w * h * 3), 10.0) << "mean error per channel";
}

} // namespace
} // namespace murva::test
