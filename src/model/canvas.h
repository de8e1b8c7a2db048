#pragma once
// The graphics seam: a canvas with GDI-like drawing rules, bitmaps with 32-bit
// pixels, and the factory that makes them. The Qt front end implements it; tests
// use a recording canvas.

#include "model/geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace murva {

enum class TPenStyle { Solid, Dot };
enum class TPenMode { Copy, NotXor };
enum class TBrushStyle { Solid, Clear };

struct TPen {
    std::int32_t Width = 1;
    TColor Color = clBlack;
    TPenStyle Style = TPenStyle::Solid;
    TPenMode Mode = TPenMode::Copy;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::Solid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

struct TFont {
    std::int32_t Size = 9; // points
    TColor Color = clBlack;
    friend bool operator==(const TFont&, const TFont&) = default;
};

// Drawing follows the classic GDI rules: a rectangle or ellipse from (l, t) to (r, b)
// covers l..r-1 and t..b-1; a line excludes its last point. Setting a brush colour of
// NoFillColor always gives a clear brush.
class Canvas {
public:
    virtual ~Canvas() = default;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
    virtual void Rectangle(const TRect& r) = 0;
    virtual void Ellipse(const TRect& r) = 0;
    virtual void Polyline(const std::vector<TPoint>& points) = 0;
    virtual void Polygon(const std::vector<TPoint>& points) = 0;
    // Writes text with its top-left at (x, y); returns the x where the text ends.
    virtual std::int32_t TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) = 0;
    // Fills with the brush, no outline.
    virtual void FillRect(const TRect& r) = 0;
    // Copies the source rectangle of another canvas onto the destination rectangle,
    // scaling when the sizes differ (smoothly when `smooth`).
    virtual void CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect,
                          bool smooth = false) = 0;

    void SetBrushColor(TColor color) {
        Brush.Color = color;
        Brush.Style = color == NoFillColor ? TBrushStyle::Clear : TBrushStyle::Solid;
    }
};

// A picture with a canvas and 32-bit pixels.
class Bitmap {
public:
    virtual ~Bitmap() = default;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;
    // New size; the kept area keeps its pixels, an added area is white.
    virtual void SetSize(std::int32_t width, std::int32_t height) = 0;
    virtual Canvas& GetCanvas() = 0;
    virtual TColor GetPixel(std::int32_t x, std::int32_t y) const = 0;
    virtual void SetPixel(std::int32_t x, std::int32_t y, TColor color) = 0;
};

// The whole bitmap filled white with a solid white brush.
inline void FillWhite(Bitmap& bitmap) {
    Canvas& canvas = bitmap.GetCanvas();
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    canvas.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

class Graphics {
public:
    virtual ~Graphics() = default;
    // A new bitmap filled with white.
    virtual std::unique_ptr<Bitmap> CreateBitmap(std::int32_t width, std::int32_t height) = 0;
    // Replaces the bitmap's picture with a BMP file; false when it cannot be decoded.
    virtual bool LoadBmp(const std::string& path, Bitmap& into) = 0;
};

} // namespace murva
