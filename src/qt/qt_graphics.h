#pragma once
// The graphics seam on Qt: bitmaps are RGB32 QImages painted with QPainter,
// without antialiasing, following GDI's edge rules.

#include "model/canvas.h"

#include <QImage>
#include <QPainter>
#include <memory>

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
    void CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect,
                  bool smooth) override;

    // Ends painting so that the image can be read or changed directly.
    void Flush();

private:
    QPainter& Painter();
    void ApplyPen(QPainter& p, bool forOutline = true);
    void ApplyBrush(QPainter& p);
    QtBitmap& bitmap;
    std::unique_ptr<QPainter> painter;
    TPoint penPos;
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
};

// A colour of the program as Qt shows it; system colours through the classic palette.
QColor ToQColor(TColor color);

} // namespace murva::qt
