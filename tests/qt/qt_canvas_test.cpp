// The Qt canvas against GDI's rules, pixel by pixel, and the painted field and
// thumbnails of a form on real bitmaps.

#include "app/zinda_form.h"
#include "qt/qt_graphics.h"
#include "support/document_access.h"
#include "support/fake_host.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace murva::qt {
namespace {

constexpr TColor Red = RGBColor(255, 0, 0);
constexpr TColor Blue = RGBColor(0, 0, 255);

struct QtCanvasTest : ::testing::Test {
    QtGraphics graphics;
    std::unique_ptr<Bitmap> bitmap = graphics.CreateBitmap(64, 48);
    Canvas& canvas = bitmap->GetCanvas();
    TColor At(std::int32_t x, std::int32_t y) { return bitmap->GetPixel(x, y); }
};

TEST_F(QtCanvasTest, RectanglesLeaveOutTheirRightAndBottomEdgesWhicheverCornerComesFirst) {
    canvas.Pen = TPen{1, clBlack, TPenStyle::Solid, TPenMode::Copy};
    canvas.SetBrushColor(Red);
    canvas.Rectangle({30, 25, 10, 10});
    EXPECT_EQ(At(10, 10), clBlack);
    EXPECT_EQ(At(29, 24), clBlack);
    EXPECT_EQ(At(30, 24), clWhite);
    EXPECT_EQ(At(29, 25), clWhite);
    EXPECT_EQ(At(11, 11), Red);
    EXPECT_EQ(At(28, 23), Red);

    // A clear brush is an outline only.
    canvas.SetBrushColor(NoFillColor);
    canvas.Ellipse({40, 10, 60, 30});
    EXPECT_EQ(At(40, 20), clBlack);
    EXPECT_EQ(At(59, 20), clBlack);
    EXPECT_EQ(At(60, 20), clWhite);
    EXPECT_EQ(At(50, 20), clWhite);
}

TEST_F(QtCanvasTest, WidePensAreCentredOnTheOutlineAndLinesLeaveOutTheirLastPixel) {
    canvas.Pen = TPen{4, Blue, TPenStyle::Solid, TPenMode::Copy};
    canvas.SetBrushColor(Red);
    canvas.Rectangle({10, 10, 30, 30});
    for (int x : {8, 9, 10, 11})
        EXPECT_EQ(At(x, 20), Blue) << x;
    for (int x : {27, 28, 29, 30})
        EXPECT_EQ(At(x, 20), Blue) << x;
    EXPECT_EQ(At(7, 20), clWhite);
    EXPECT_EQ(At(31, 20), clWhite);
    EXPECT_EQ(At(20, 20), Red);

    canvas.Pen = TPen{1, clBlack, TPenStyle::Solid, TPenMode::Copy};
    canvas.MoveTo(40, 5);
    canvas.LineTo(50, 5);
    EXPECT_EQ(At(40, 5), clBlack);
    EXPECT_EQ(At(49, 5), clBlack);
    EXPECT_EQ(At(50, 5), clWhite);
}

TEST_F(QtCanvasTest, DottedPensAreOneOnOneOff) {
    canvas.Pen = TPen{1, clBlack, TPenStyle::Dot, TPenMode::Copy};
    canvas.Polyline({{10, 5}, {30, 5}});
    for (int x = 10; x < 30; ++x)
        EXPECT_EQ(At(x, 5), x % 2 == 0 ? clBlack : clWhite) << x;
}

// Every direction, the leftward and upward ones too: a polyline turning back on itself
// keeps the pixel at the turn, and only the very last point is left out.
TEST_F(QtCanvasTest, ThinLinesLeaveOutOnlyTheirLastPixelInEveryDirection) {
    canvas.Pen = TPen{1, clBlack, TPenStyle::Solid, TPenMode::Copy};
    for (TPoint to : {TPoint{12, 0},
                      {-12, 0},
                      {0, 9},
                      {0, -9},
                      {12, 5},
                      {-12, -5},
                      {5, -12},
                      {-5, 12},
                      {-9, -9}}) {
        FillWhite(*bitmap);
        canvas.MoveTo(30, 20);
        canvas.LineTo(30 + to.x, 20 + to.y);
        int inked = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                inked += At(x, y) == clBlack;
        EXPECT_EQ(At(30, 20), clBlack) << to.x << "," << to.y;
        EXPECT_EQ(At(30 + to.x, 20 + to.y), clWhite) << to.x << "," << to.y;
        EXPECT_EQ(inked, std::max(std::abs(to.x), std::abs(to.y))) << to.x << "," << to.y;
    }
    FillWhite(*bitmap);
    canvas.Polyline({{10, 10}, {30, 10}, {10, 14}, {20, 40}, {22, 4}});
    for (TPoint turn : {TPoint{10, 10}, {30, 10}, {10, 14}, {20, 40}})
        EXPECT_EQ(At(turn.x, turn.y), clBlack) << turn.x << "," << turn.y;
    EXPECT_EQ(At(22, 4), clWhite);
}

// A not-xor frame drawn once inverts each outline pixel once, or every other one when
// dotted, narrow frames too, and nothing else.
TEST_F(QtCanvasTest, NotXorFramesOfAnySizeInvertEachOutlinePixelOnce) {
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    for (TPenStyle style : {TPenStyle::Solid, TPenStyle::Dot})
        for (auto [w, h] : {std::pair{2, 2}, {2, 7}, {7, 2}, {3, 3}, {1, 5}, {11, 8}}) {
            FillWhite(*bitmap);
            canvas.Pen = TPen{1, clBlack, style, TPenMode::NotXor};
            canvas.Rectangle({10 + w, 10 + h, 10, 10});
            int inked = 0, outside = 0;
            for (int y = 0; y < 48; ++y)
                for (int x = 0; x < 64; ++x) {
                    const bool outline = x >= 10 && x < 10 + w && y >= 10 && y < 10 + h &&
                                         (x == 10 || y == 10 || x == 9 + w || y == 9 + h);
                    (outline ? inked : outside) += At(x, y) == clBlack;
                }
            const int perimeter = w == 1 || h == 1 ? w * h : 2 * (w + h) - 4;
            const int expected = style == TPenStyle::Solid ? perimeter : (perimeter + 1) / 2;
            EXPECT_EQ(inked, expected) << w << "x" << h;
            EXPECT_EQ(outside, 0) << w << "x" << h;
        }
}

TEST_F(QtCanvasTest, NotXorFrameInvertsTheOutlineKeepsTheInsideAndTwiceRestoresThePicture) {
    canvas.SetBrushColor(Red);
    canvas.Pen = TPen{3, Blue, TPenStyle::Solid, TPenMode::Copy};
    canvas.Ellipse({5, 5, 40, 40});
    canvas.Font = TFont{12, RGBColor(0, 128, 0)};
    canvas.TextOut(20, 20, "あいう");
    const QImage before = static_cast<QtBitmap&>(*bitmap).Image().copy();

    canvas.Pen = TPen{1, clBlack, TPenStyle::Dot, TPenMode::NotXor};
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    canvas.Rectangle({2, 2, 50, 44});
    // White dots inverted to black, every other pixel.
    EXPECT_NE(At(2, 2), At(3, 2));
    EXPECT_EQ(std::min(At(2, 2), At(3, 2)), clBlack);
    EXPECT_EQ(std::max(At(3, 2), At(4, 2)), clWhite);
    EXPECT_EQ(static_cast<QtBitmap&>(*bitmap).Image().copy(6, 6, 40, 36),
              before.copy(6, 6, 40, 36));

    canvas.Rectangle({2, 2, 50, 44});
    EXPECT_EQ(static_cast<QtBitmap&>(*bitmap).Image(), before);

    // Thin ellipses and polygons too touch every pixel once.
    canvas.Pen = TPen{1, clBlack, TPenStyle::Solid, TPenMode::NotXor};
    canvas.SetBrushColor(Blue);
    for (int twice = 0; twice < 2; ++twice) {
        canvas.Ellipse({3, 3, 41, 30});
        canvas.Polygon({{30, 30}, {60, 35}, {40, 46}});
        canvas.Polyline({{0, 0}, {20, 10}, {0, 20}, {20, 30}});
    }
    EXPECT_EQ(static_cast<QtBitmap&>(*bitmap).Image(), before);
}

TEST_F(QtCanvasTest, ThinEllipsesTouchTheirBoxOnEverySideAndFillOnlyTheInside) {
    canvas.Pen = TPen{1, clBlack, TPenStyle::Solid, TPenMode::Copy};
    canvas.SetBrushColor(Red);
    canvas.Ellipse({10, 5, 41, 26});
    EXPECT_EQ(At(10, 15), clBlack);
    EXPECT_EQ(At(40, 15), clBlack);
    EXPECT_EQ(At(25, 5), clBlack);
    EXPECT_EQ(At(25, 25), clBlack);
    EXPECT_EQ(At(9, 15), clWhite);
    EXPECT_EQ(At(41, 15), clWhite);
    EXPECT_EQ(At(25, 26), clWhite);
    EXPECT_EQ(At(11, 6), clWhite); // the corners of the box stay out
    EXPECT_EQ(At(25, 15), Red);
    // Every row of the box has its outline on both sides, left and right mirrored.
    for (int y = 5; y < 26; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < 64; ++x)
            if (At(x, y) == clBlack) (first < 0 ? first : last) = x, last = x;
        EXPECT_EQ(first - 10, 40 - last) << y;
    }
    // Flat and small boxes too: the outline reaches each side and never beyond.
    for (const TRect box : {TRect{2, 2, 22, 8},
                            {2, 2, 33, 9},
                            {2, 2, 14, 8},
                            {2, 2, 62, 11},
                            {5, 5, 9, 7},
                            {5, 5, 12, 10}}) {
        FillWhite(*bitmap);
        canvas.Ellipse(box);
        int left = 64, right = -1, top = 48, bottom = -1;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                if (At(x, y) != clWhite) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        EXPECT_EQ(TRect({left, top, right + 1, bottom + 1}), box) << box.Right << "x" << box.Bottom;
    }
}

TEST_F(QtCanvasTest, AbsurdCoordinatesAreClippedNotWalked) {
    canvas.Pen = TPen{1, clBlack, TPenStyle::Solid, TPenMode::Copy};
    canvas.MoveTo(-2000000000, 10);
    canvas.LineTo(2000000000, 10);
    for (int x = 0; x < 64; ++x)
        EXPECT_EQ(At(x, 10), clBlack) << x;
    canvas.SetBrushColor(Red);
    canvas.Rectangle({-2000000000, 20, 2000000000, 2000000000});
    canvas.Ellipse({-2000000000, -2000000000, 2000000000, 2000000000});
    EXPECT_EQ(At(5, 30), Red);
}

TEST_F(QtCanvasTest, TextEndsWhereItsAdvanceEndsAndAClearBrushLeavesTheBackground) {
    canvas.Brush = TBrush{clWhite, TBrushStyle::Clear};
    canvas.Font = TFont{12, Red};
    const std::int32_t end = canvas.TextOut(4, 4, "もじ");
    EXPECT_GT(end, 4 + 16); // two 12-point characters are 16 pixels each at 96 dpi
    EXPECT_LT(end, 4 + 40);
    int inked = 0;
    for (int y = 4; y < 24; ++y)
        for (int x = 4; x < end; ++x)
            inked += At(x, y) != clWhite;
    EXPECT_GT(inked, 40);
    for (int y = 0; y < 48; ++y)
        for (int x = end + 2; x < 64; ++x)
            ASSERT_EQ(At(x, y), clWhite) << x << "," << y;
    EXPECT_EQ(At(3, 10), clWhite);
    EXPECT_EQ(canvas.TextOut(4, 30, ""), 4);
}

TEST_F(QtCanvasTest, SystemColoursComeFromTheClassicPalette) {
    EXPECT_EQ(ToQColor(clBtnFace).rgb() & 0xFFFFFF, 0xD4D0C8u);
    EXPECT_EQ(ToQColor(0x80000005).rgb() & 0xFFFFFF, 0xFFFFFFu);        // clWindow
    canvas.Pen = TPen{1, 0x80000010, TPenStyle::Solid, TPenMode::Copy}; // clBtnShadow
    canvas.MoveTo(1, 1);
    canvas.LineTo(5, 1);
    EXPECT_EQ(At(2, 1), RGBColor(0x80, 0x80, 0x80));
}

TEST_F(QtCanvasTest, ShrinkingAveragesAndWhatLiesOutsideTheSourceArrivesWhite) {
    auto source = graphics.CreateBitmap(640, 480);
    Canvas& from = source->GetCanvas();
    from.Brush = TBrush{clBlack, TBrushStyle::Solid};
    from.FillRect({0, 0, 320, 480});
    bitmap->SetSize(100, 75);
    canvas.Brush = TBrush{Red, TBrushStyle::Solid};
    canvas.FillRect({0, 0, 100, 75});

    canvas.CopyRect({0, 0, 100, 75}, from, {-3, -3, 643, 483}, true);
    EXPECT_EQ(At(10, 40), clBlack);
    EXPECT_EQ(At(90, 40), clWhite);
    EXPECT_EQ(At(99, 74), clWhite); // the white margin, not the old red
    const TColor edge = At(0, 40);  // 3 white columns of 6 or 7 averaged in
    EXPECT_GT(RedOf(edge), 0x40);
    EXPECT_LT(RedOf(edge), 0xC0);

    // An unscaled copy of a region partly outside the source.
    canvas.FillRect({0, 0, 100, 75});
    canvas.CopyRect({0, 0, 20, 20}, from, {630, 470, 650, 490});
    EXPECT_EQ(At(5, 5), clWhite);
    EXPECT_EQ(At(15, 15), clWhite);
    EXPECT_EQ(At(25, 25), Red);
}

TEST_F(QtCanvasTest, DrawingGoesOnAfterPixelsWereRead) {
    canvas.Brush = TBrush{Red, TBrushStyle::Solid};
    canvas.FillRect({0, 0, 10, 10});
    EXPECT_EQ(At(5, 5), Red);
    canvas.Brush = TBrush{Blue, TBrushStyle::Solid};
    canvas.FillRect({5, 5, 10, 10});
    EXPECT_EQ(At(7, 7), Blue);
    EXPECT_EQ(At(2, 2), Red);
}

// A form on Qt bitmaps: what the user sees on the field and in the thumbnails.
struct QtPaintTest : ::testing::Test {
    test::FakeHost host;
    QtGraphics graphics;
    TZindaForm form{host, graphics};
    void SetUp() override { form.FormCreate({}); }

    TFigItem* Add(TDrawingTool tool, TPoint start, TPoint end, TColor brush, std::int32_t cut = 1) {
        TFigData data;
        data.DrawingTool = tool;
        data.PenWidth = 3;
        data.PenColor = clBlack;
        data.BrushColor = brush;
        data.Start = start;
        data.End = end;
        data.CutNumber = cut;
        return test::Figures(form.S.Doc).FigList.Add(data);
    }
    TColor Field(std::int32_t x, std::int32_t y) { return form.PaintBox.Picture->GetPixel(x, y); }
};

TEST_F(QtPaintTest, FilledAndHollowFiguresAndADottedGhostOnTheField) {
    Add(TDrawingTool::Line, {10, 300}, {210, 300}, NoFillColor); // start copy: a ghost
    Add(TDrawingTool::Rectangle, {10, 10}, {110, 110}, Red);
    Add(TDrawingTool::Ellipse, {200, 10}, {300, 110}, NoFillColor);
    test::Figures(form.S.Doc).FigureCount = 3; // the first figure is a start copy
    form.PaintBoxPaint();

    EXPECT_EQ(Field(60, 60), Red);
    EXPECT_EQ(Field(250, 60), clWhite);
    EXPECT_EQ(Field(200, 60), clBlack);
    int black = 0, white = 0;
    for (int x = 20; x < 200; ++x)
        (Field(x, 300) == clBlack ? black : white) += 1;
    EXPECT_EQ(black, 90);
    EXPECT_EQ(white, 90);
    EXPECT_EQ(Field(100, 301), clWhite); // one pixel thin
}

TEST_F(QtPaintTest, ThumbnailsAreBlankOrScaledAndLeaveOutFiguresOffTheField) {
    Add(TDrawingTool::Rectangle, {0, 0}, {320, 480}, clBlack, 1);
    Add(TDrawingTool::Rectangle, {640, 0}, {900, 480}, clBlack, 2); // just off the field
    test::Figures(form.S.Doc).FigureCount = 1;
    Bitmap& cut2 = *form.CutImages[1].Picture;
    cut2.GetCanvas().Brush = TBrush{Blue, TBrushStyle::Solid};
    cut2.GetCanvas().FillRect({0, 0, 100, 75});
    cut2.GetCanvas().Brush = TBrush{Red, TBrushStyle::Solid};
    form.PaintBoxPaint();

    Bitmap& cut1 = *form.CutImages[0].Picture;
    EXPECT_EQ(cut1.GetPixel(20, 40), clBlack);
    EXPECT_EQ(cut1.GetPixel(80, 40), clWhite);
    // Blanked by the image's own pen and brush, which cover the whole thumbnail.
    for (TPoint p : {TPoint{0, 0}, TPoint{50, 40}, TPoint{99, 74}})
        EXPECT_EQ(cut2.GetPixel(p.x, p.y), Red) << p.x << "," << p.y;
}

// At twice the pixels the field is drawn with the figures' own geometry: its edges lie
// where the field's do, and a slanted line steps one device pixel at a time, where an
// enlarged picture would repeat every row.
TEST_F(QtPaintTest, AtScaleTwoTheFieldIsDrawnAtItsPixelsNotEnlarged) {
    Add(TDrawingTool::Line, {10, 10}, {110, 60}, NoFillColor)->Data.PenWidth = 1;
    Add(TDrawingTool::Ellipse, {200, 10}, {300, 110}, NoFillColor)->Data.PenWidth = 1;
    test::Figures(form.S.Doc).FigureCount = 2;
    form.PaintBoxPaint();
    std::vector<TPoint> once;
    for (std::int32_t y = 0; y < 120; ++y)
        for (std::int32_t x = 0; x < 320; ++x)
            if (Field(x, y) == clBlack) once.push_back({x, y});
    form.ZoomChange(2);
    ASSERT_EQ(form.PaintBox.Picture->Width(), 1280);
    for (const TPoint p : once) {
        bool near = false;
        for (std::int32_t dy = -1; dy <= 2; ++dy)
            for (std::int32_t dx = -1; dx <= 2; ++dx)
                near |= Field(2 * p.x + dx, 2 * p.y + dy) == clBlack;
        EXPECT_TRUE(near) << p.x << "," << p.y;
    }
    int repeated = 0;
    for (std::int32_t y = 22; y < 118; y += 2) {
        bool same = true;
        for (std::int32_t x = 0; x < 240 && same; ++x)
            same = Field(x, y) == Field(x, y + 1);
        repeated += same;
    }
    EXPECT_LT(repeated, 5);
}

} // namespace
} // namespace murva::qt
