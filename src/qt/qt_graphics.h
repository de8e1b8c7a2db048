#pragma once
// The graphics seam on Qt: bitmaps are RGB32 QImages painted with QPainter, without
// antialiasing for figures, following GDI's edge rules. A canvas keeps its painter
// open between calls and ends it whenever the pixels are read or copied from.

#include "model/canvas.h"
#include "qt/qt_raster.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <memory>
#include <optional>

namespace murva::qt {

class QtBitmap;

class QtCanvas final : public Canvas {
public:
    explicit QtCanvas(QtBitmap& owner) : bitmap(owner) {}
    ~QtCanvas() override;

    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void Rectangle(const TRect& r) override;
    void Ellipse(const TRect& r) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Polygon(const std::vector<TPoint>& points) override;
    std::int32_t TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) override;
    void FillRect(const TRect& r) override;
    void CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect, bool smooth) override;

    // Ends painting so that the image can be read or changed directly.
    void Flush();

private:
    // What the painter was last set to, so that unchanged pens are not set again.
    struct TApplied {
        TPen Pen;
        bool HasPen = false;
        TBrush Brush;
        bool HasBrush = false;
        bool NoPen = false;
        QPainter::CompositionMode Composition = QPainter::CompositionMode_SourceOver;
    };

    enum class TBrushUse { Ignored, None, Fill };

    QPainter& Painter();
    // Pen and raster operation for an outline, with the brush as the shape needs it.
    void UseOutline(TBrushUse brush);
    // Brush only, no outline, in the pen's raster operation.
    void UseFillOnly();
    void UseComposition(QPainter::CompositionMode mode);
    void ApplyPen();
    void ApplyBrush();
    // The thin outline of a rectangle two pixels wide.
    void TwoColumns(const TRect& n);
    const QFontMetrics& FontFor(std::int32_t points);
    // One-pixel lines straight into the pixels, with the pen's colour, dots and mode.
    PixelLines ThinLines();
    void ToQPolygon(const std::vector<TPoint>& points);

    QtBitmap& bitmap;
    std::unique_ptr<QPainter> painter;
    TApplied applied;
    TPoint penPos;
    QPolygon polygon;
    std::int32_t fontPoints = 0;
    std::optional<QFont> font;
    std::optional<QFontMetrics> metrics;
};

class QtBitmap final : public Bitmap {
public:
    QtBitmap(std::int32_t width, std::int32_t height);
    std::int32_t Width() const override { return image.width(); }
    std::int32_t Height() const override { return image.height(); }
    void SetSize(std::int32_t width, std::int32_t height) override;
    Canvas& GetCanvas() override { return canvas; }
    TColor GetPixel(std::int32_t x, std::int32_t y) const override;
    void SetPixel(std::int32_t x, std::int32_t y, TColor color) override;
    void ReadPixels(std::uint32_t* into) const override;

    // The picture as it is now, all painting done.
    const QImage& Image() const;
    QImage& MutableImage();

private:
    friend class QtCanvas;
    QImage image;
    mutable QtCanvas canvas;
};

class QtGraphics final : public Graphics {
public:
    std::unique_ptr<Bitmap> CreateBitmap(std::int32_t width, std::int32_t height) override;
    bool LoadBmp(const std::string& path, Bitmap& into) override;
    std::unique_ptr<Pages> CreatePages(const std::string& title) override;
};

// A colour of the program as Qt shows it; system colours through the classic palette.
QColor ToQColor(TColor color);

// The classic GDI character height of a font size in points on a 96 dpi screen.
int PixelSizeOfPoints(std::int32_t points);

} // namespace murva::qt
