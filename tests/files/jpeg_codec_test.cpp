// Decoding and encoding JPEG pictures, and the library's failures kept inside.

#include "files/jpeg_codec.h"
#include "support/picture_fixtures.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <map>

namespace murva {
namespace {

using test::JpegBytes;
using test::MakeImage;
using test::Near;

TColor Quadrants(std::int32_t x, std::int32_t y) {
    if (y < 32) return x < 32 ? RGBColor(220, 30, 30) : RGBColor(30, 200, 40);
    return x < 32 ? RGBColor(20, 40, 210) : RGBColor(240, 240, 40);
}

TColor PixelOf(const TRgbImage& image, std::int32_t x, std::int32_t y) {
    const std::uint8_t* p = image.At(x, y);
    return RGBColor(p[0], p[1], p[2]);
}

// The segments before the scan data, by marker; the value is the segment's payload.
std::multimap<int, std::string> Segments(const std::string& jpeg) {
    std::multimap<int, std::string> segments;
    std::size_t i = 2;
    while (i + 4 <= jpeg.size() && std::uint8_t(jpeg[i]) == 0xFF) {
        const int marker = std::uint8_t(jpeg[i + 1]);
        const std::size_t length = std::uint8_t(jpeg[i + 2]) << 8 | std::uint8_t(jpeg[i + 3]);
        segments.emplace(marker, jpeg.substr(i + 4, length - 2));
        if (marker == 0xDA) break; // start of scan
        i += 2 + length;
    }
    return segments;
}

// A grey-scale JPEG, which the program's encoder never writes.
std::string GreyJpeg(std::int32_t width, std::int32_t height, std::uint8_t level) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width), level);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

TEST(JpegCodec, AnEncodedPictureDecodesBackCloseToTheOriginal) {
    const TRgbImage original = MakeImage(64, 48, Quadrants);
    const std::optional<std::string> bytes = EncodeJpeg(original, 90);
    ASSERT_TRUE(bytes);
    const std::optional<TRgbImage> decoded = DecodeJpeg(*bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Width, 64);
    EXPECT_EQ(decoded->Height, 48);
    ASSERT_EQ(decoded->Pixels.size(), 64u * 48u * 3u);
    long totalError = 0;
    for (std::size_t i = 0; i < original.Pixels.size(); ++i)
        totalError += std::abs(int(original.Pixels[i]) - int(decoded->Pixels[i]));
    EXPECT_LT(double(totalError) / double(original.Pixels.size()), 4.0);
    for (auto [x, y] : {std::pair{4, 4}, {60, 4}, {4, 44}, {60, 44}, {16, 16}})
        EXPECT_TRUE(Near(PixelOf(*decoded, x, y), Quadrants(x, y), 12)) << x << "," << y;
}

TEST(JpegCodec, TheExportIsBaselineAtQualityNinety) {
    const std::string bytes = JpegBytes(MakeImage(640, 480, Quadrants));
    const auto segments = Segments(bytes);
    EXPECT_EQ(segments.count(0xC0), 1u); // baseline frame
    EXPECT_EQ(segments.count(0xC2), 0u); // no progressive frame
    // Three colour components in the frame header.
    auto frame = segments.find(0xC0);
    ASSERT_NE(frame, segments.end());
    EXPECT_EQ(std::uint8_t(frame->second[5]), 3);
    // Quality 90 scales the standard luminance table to a fifth: its first entry, 16, to 3.
    auto tables = segments.find(0xDB);
    ASSERT_NE(tables, segments.end());
    EXPECT_EQ(std::uint8_t(tables->second[0]) & 0x0F, 0); // table 0
    EXPECT_EQ(std::uint8_t(tables->second[1]), 3);
}

TEST(JpegCodec, AGreyScalePictureDecodesToThreeEqualChannels) {
    const std::optional<TRgbImage> decoded = DecodeJpeg(GreyJpeg(40, 30, 128));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Width, 40);
    EXPECT_EQ(decoded->Height, 30);
    ASSERT_EQ(decoded->Pixels.size(), 40u * 30u * 3u);
    for (std::int32_t y = 0; y < 30; y += 7) {
        for (std::int32_t x = 0; x < 40; x += 9) {
            const TColor c = PixelOf(*decoded, x, y);
            EXPECT_EQ(RedOf(c), GreenOf(c));
            EXPECT_EQ(GreenOf(c), BlueOf(c));
            EXPECT_NEAR(RedOf(c), 128, 2);
        }
    }
}

TEST(JpegCodec, OnlyTheTopLeftPartIsKeptWhenAsked) {
    const std::string bytes = JpegBytes(MakeImage(64, 48, Quadrants));
    const std::optional<TRgbImage> whole = DecodeJpeg(bytes);
    const std::optional<TRgbImage> part = DecodeJpeg(bytes, 40, 30);
    ASSERT_TRUE(whole && part);
    EXPECT_EQ(part->Width, 40);
    EXPECT_EQ(part->Height, 30);
    for (std::int32_t y = 0; y < 30; ++y)
        for (std::int32_t x = 0; x < 40; ++x)
            ASSERT_EQ(PixelOf(*part, x, y), PixelOf(*whole, x, y)) << x << "," << y;
    // A limit larger than the picture keeps the picture's own size.
    const std::optional<TRgbImage> small = DecodeJpeg(bytes, 640, 480);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->Width, 64);
    EXPECT_EQ(small->Height, 48);
}

TEST(JpegCodec, DamagedDataGivesNoPictureAndPrintsNothing) {
    const std::string good = JpegBytes(MakeImage(64, 48, Quadrants));
    std::string badHeader = good;
    for (std::size_t i = 2; i < 40; ++i)
        badHeader[i] = char(0x5A); // markers wiped out
    const std::map<std::string, std::string> cases = {
        {"empty", ""},
        {"not a JPEG", std::string(500, 'x')},
        {"only the start marker", good.substr(0, 2)},
        {"damaged header", badHeader},
        {"truncated in the header", good.substr(0, 100)},
        {"truncated in the scan", good.substr(0, good.size() / 2)},
        {"without its end marker", good.substr(0, good.size() - 2)},
    };
    for (const auto& [name, bytes] : cases) {
        ::testing::internal::CaptureStderr();
        const bool decoded = DecodeJpeg(bytes).has_value();
        const std::string printed = ::testing::internal::GetCapturedStderr();
        EXPECT_FALSE(decoded) << name;
        EXPECT_EQ(printed, "") << name;
    }
    EXPECT_TRUE(DecodeJpeg(good)); // the intact picture still decodes after the failures
}

TEST(JpegCodec, FilesAreReadWholeAndAMissingFileGivesNoPicture) {
    test::TempDir dir;
    const TRgbImage original = MakeImage(64, 48, Quadrants);
    test::WriteJpeg(dir.Path("q.jpg"), original);
    const std::optional<TRgbImage> decoded = DecodeJpegFile(dir.Path("q.jpg"));
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(Near(PixelOf(*decoded, 60, 44), Quadrants(60, 44), 12));
    EXPECT_FALSE(DecodeJpegFile(dir.Path("missing.jpg")));
    EXPECT_FALSE(DecodeJpegFile(dir.Folder())); // a folder is no picture
}

TEST(JpegCodec, APictureWithoutMatchingPixelsIsNotEncoded) {
    TRgbImage wrong = MakeImage(10, 10, Quadrants);
    wrong.Pixels.pop_back();
    EXPECT_FALSE(EncodeJpeg(wrong, 90));
    EXPECT_FALSE(EncodeJpeg(TRgbImage{}, 90));
}

} // namespace
} // namespace murva
