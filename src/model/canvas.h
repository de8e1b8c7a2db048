#pragma once
// The graphics seam: a canvas with GDI-like drawing rules, bitmaps with 32-bit
// pixels, and the factory that makes them. The Qt front end implements it; tests
// use a recording canvas.

#include "model/geometry.h"

#include <cstdint>
#include <memory>
#include <optional>
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
    // Every pixel, row after row, as 0xffRRGGBB, into Width() × Height() words: a film's
    // picture, read in one go.
    virtual void ReadPixels(std::uint32_t* into) const {
        for (std::int32_t y = 0; y < Height(); ++y)
            for (std::int32_t x = 0; x < Width(); ++x) {
                const TColor c = GetPixel(x, y);
                *into++ = 0xff000000u | std::uint32_t(RedOf(c)) << 16 |
                          std::uint32_t(GreenOf(c)) << 8 | BlueOf(c);
            }
    }
};

// The whole bitmap filled white with a solid white brush.
inline void FillWhite(Bitmap& bitmap) {
    Canvas& canvas = bitmap.GetCanvas();
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    canvas.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

// A box on a printed page, in millimetres from the page's top left.
struct TPageBox {
    double X = 0, Y = 0, Width = 0, Height = 0;
};

// Pages to print: A4 (210 × 297 mm) portrait, drawn one after another into a file.
class Pages {
public:
    virtual ~Pages() = default;
    // The next page; the first is there from the start.
    virtual void NewPage() = 0;
    // The picture scaled into the box, every pixel kept.
    virtual void Picture(const TPageBox& box, const Bitmap& picture) = 0;
    // Text in the program's font at `points`, its top left at the box's, within its width.
    virtual void Text(const TPageBox& box, double points, const std::string& utf8) = 0;
    // A thin line from the box's top left to its bottom right.
    virtual void Line(const TPageBox& box) = 0;
    // The whole file, or nothing when it could not be made.
    virtual std::optional<std::string> Finish() = 0;
};

class Graphics {
public:
    virtual ~Graphics() = default;
    // Pages of a PDF file with the title; nothing where none can be made.
    virtual std::unique_ptr<Pages> CreatePages(const std::string& title) {
        (void)title;
        return nullptr;
    }
    // A new bitmap filled with white.
    virtual std::unique_ptr<Bitmap> CreateBitmap(std::int32_t width, std::int32_t height) = 0;
    // Replaces the bitmap's picture with a BMP file; false when it cannot be decoded.
    virtual bool LoadBmp(const std::string& path, Bitmap& into) = 0;
};

} // namespace murva
