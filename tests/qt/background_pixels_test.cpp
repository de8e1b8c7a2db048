// Background pictures and the export through the real Qt pictures: what the drawing
// field shows, pixel by pixel.

#include "app/zinda_form.h"
#include "history/history_fixtures.h"
#include "qt/qt_graphics.h"
#include "support/document_access.h"
#include "support/fake_host.h"
#include "support/picture_fixtures.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

using test::Near;
using test::TempDir;

constexpr TColor Red = RGBColor(230, 20, 20);
constexpr TColor Green = RGBColor(20, 200, 40);

// A picture no two places of which look alike, exact in a BMP.
TColor Ramp(std::int32_t x, std::int32_t y) {
    return RGBColor(std::uint8_t(x / 4), std::uint8_t(y / 3), std::uint8_t((x + y) % 256));
}

struct BackgroundPixels : ::testing::Test {
    test::FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};
    TempDir dir;

    void SetUp() override { form.FormCreate({}); }

    // What the drawing field shows after a repaint.
    Bitmap& Field() {
        form.PaintBoxPaint();
        return *form.CanvasBitmap;
    }
    std::vector<TColor> BackgroundPixelsNow() {
        std::vector<TColor> pixels;
        const Bitmap& bg = *form.BGImage.Picture;
        for (std::int32_t y = 0; y < bg.Height(); ++y)
            for (std::int32_t x = 0; x < bg.Width(); ++x)
                pixels.push_back(bg.GetPixel(x, y));
        return pixels;
    }
    std::string Jpeg(TColor color) {
        test::WriteJpeg(dir.Path("solid.jpg"), test::SolidImage(640, 480, color));
        return dir.Path("solid.jpg");
    }
    std::string Bmp(const std::string& name, std::int32_t w, std::int32_t h,
                    const test::PixelRule& rule) {
        test::WriteBytes(dir.Path(name), test::BmpBytes(w, h, rule));
        return dir.Path(name);
    }
};

TEST_F(BackgroundPixels, AHalfSizeJpegAfterAResetShowsInTheTopLeftQuarterOfTheField) {
    const auto picture = test::MakeImage(
        320, 240, [](std::int32_t x, std::int32_t) { return x < 160 ? Red : Green; });
    test::WriteJpeg(dir.Path("quarter.jpg"), picture);
    host.OpenResults.push_back(dir.Path("quarter.jpg"));
    form.ReadBGMenuClick();
    ASSERT_TRUE(host.Messages.empty());
    Bitmap& field = Field();
    for (auto [x, y] : {std::pair{0, 0}, {150, 230}})
        EXPECT_TRUE(Near(field.GetPixel(x, y), Red, 16)) << x << "," << y;
    for (auto [x, y] : {std::pair{170, 0}, {319, 239}})
        EXPECT_TRUE(Near(field.GetPixel(x, y), Green, 16)) << x << "," << y;
    for (std::int32_t y = 0; y < 480; y += 7)
        for (std::int32_t x = 0; x < 640; x += 5)
            if (x >= 320 || y >= 240) {
                ASSERT_EQ(field.GetPixel(x, y), clWhite) << x << "," << y;
            }
    // The paint box shows the same picture.
    EXPECT_EQ(form.PaintBox.Picture->GetPixel(319, 239), field.GetPixel(319, 239));
    EXPECT_EQ(form.PaintBox.Picture->GetPixel(320, 240), clWhite);
}

TEST_F(BackgroundPixels, ALargeBmpShowsItsTopLeftPartUnscaled) {
    ASSERT_EQ(form.Pictures.LoadBackground(Bmp("large.bmp", 1024, 768, Ramp)),
              TPictureLoad::Loaded);
    EXPECT_EQ(form.BGImage.Picture->Width(), 640);
    EXPECT_EQ(form.BGImage.Picture->Height(), 480);
    Bitmap& field = Field();
    for (auto [x, y] :
         {std::pair{0, 0}, {1, 0}, {0, 1}, {320, 240}, {639, 0}, {0, 479}, {639, 479}, {517, 333}})
        EXPECT_EQ(field.GetPixel(x, y), Ramp(x, y)) << x << "," << y;
}

TEST_F(BackgroundPixels, ASmallBmpIsExtendedWithWhite) {
    ASSERT_EQ(form.Pictures.LoadBackground(Jpeg(Red)),
              TPictureLoad::Loaded); // an earlier background
    ASSERT_EQ(form.Pictures.LoadBackground(Bmp("small.BMP", 200, 100, Ramp)), TPictureLoad::Loaded);
    Bitmap& field = Field();
    EXPECT_EQ(field.GetPixel(0, 0), Ramp(0, 0));
    EXPECT_EQ(field.GetPixel(199, 99), Ramp(199, 99));
    // A BMP replaces the whole picture: the earlier red is gone.
    EXPECT_EQ(field.GetPixel(200, 0), clWhite);
    EXPECT_EQ(field.GetPixel(0, 100), clWhite);
    EXPECT_EQ(field.GetPixel(639, 479), clWhite);
}

TEST_F(BackgroundPixels, AnUnreadableBmpShowsTheMessageAndKeepsTheBackground) {
    ASSERT_EQ(form.Pictures.LoadBackground(Bmp("first.bmp", 640, 480, Ramp)), TPictureLoad::Loaded);
    const auto before = BackgroundPixelsNow();
    const std::string good = test::BmpBytes(640, 480, Ramp);
    std::string badHeader = good;
    badHeader[28] = 7; // 7 bits a pixel: no such BMP
    for (auto [name, bytes] : {std::pair{"garbage.bmp", std::string(3000, '\x11')},
                               {"header.bmp", badHeader},
                               {"empty.BMP", std::string()}}) {
        test::WriteBytes(dir.Path(name), bytes);
        host.Messages.clear();
        host.OpenResults.push_back(dir.Path(name));
        form.ReadBGMenuClick();
        EXPECT_EQ(host.Messages, std::vector<std::string>{texts::PictureUnreadable}) << name;
        EXPECT_TRUE(form.S.Doc.Log().IsEmpty()) << name;
        EXPECT_EQ(BackgroundPixelsNow(), before) << name;
    }
}

TEST_F(BackgroundPixels, AnUnreadableJpegKeepsTheBackgroundPixelForPixel) {
    ASSERT_EQ(form.Pictures.LoadBackground(Bmp("first.bmp", 640, 480, Ramp)), TPictureLoad::Loaded);
    const auto before = BackgroundPixelsNow();
    const std::string good = test::JpegBytes(test::SolidImage(640, 480, Green));
    test::WriteBytes(dir.Path("cut.jpg"), good.substr(0, good.size() * 2 / 3));
    EXPECT_EQ(form.Pictures.LoadBackground(dir.Path("cut.jpg")), TPictureLoad::Unreadable);
    EXPECT_EQ(host.Messages, std::vector<std::string>{texts::PictureUnreadable});
    EXPECT_EQ(BackgroundPixelsNow(), before);
}

TEST_F(BackgroundPixels, TheExportDecodesBackToTheFieldWithoutTheSelectionFrame) {
    ASSERT_EQ(form.Pictures.LoadBackground(Jpeg(Green)), TPictureLoad::Loaded);
    TFigItem* figure = test::Figures(form.S.Doc).FigList.Add(test::MakeRect(100, 100, 200, 200));
    form.S.Doc.Select(figure);
    // With the selection the frame, three pixels outside the figure, darkens the field.
    auto darkOnFrame = [](const auto& pixelAt) {
        for (std::int32_t y = 100; y < 200; ++y)
            if (!Near(pixelAt(97, y), Green, 60)) return true;
        return false;
    };
    Bitmap& selected = Field();
    ASSERT_TRUE(darkOnFrame([&](auto x, auto y) { return selected.GetPixel(x, y); }));

    host.SaveResults.push_back(dir.Path("out.jpg"));
    form.Save2JPEGMenuClick();
    ASSERT_TRUE(host.Messages.empty());
    const auto written = DecodeJpegFile(dir.Path("out.jpg"));
    ASSERT_TRUE(written);
    ASSERT_EQ(written->Width, 640);
    ASSERT_EQ(written->Height, 480);
    auto writtenAt = [&](std::int32_t x, std::int32_t y) {
        const std::uint8_t* p = written->At(x, y);
        return RGBColor(p[0], p[1], p[2]);
    };
    EXPECT_FALSE(darkOnFrame(writtenAt));
    // Within the tolerance of the format, everywhere.
    int far = 0;
    for (std::int32_t y = 0; y < 480; y += 3)
        for (std::int32_t x = 0; x < 640; x += 3)
            if (!Near(writtenAt(x, y), form.CanvasBitmap->GetPixel(x, y), 48)) ++far;
    EXPECT_EQ(far, 0);
}

} // namespace
} // namespace murva
