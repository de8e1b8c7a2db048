#pragma once
// Drawing straight into the pixels of an RGB32 image where QPainter breaks GDI's rules
// or is too slow: its one-pixel lines leave out the first pixel instead of the last when
// they run left or up, its thin ellipses reach beyond their box or fall short of it, and
// QImage's smooth shrinking of the thumbnails makes a repaint about 2 ms slower.

#include "model/geometry.h"

#include <QImage>
#include <cstdint>

namespace murva::qt {

// One-pixel lines in GDI's manner: a segment leaves out its last pixel, so the segments
// of a polyline or an outline touch every pixel once, and a dot pattern (one on, one
// off) runs on from one segment to the next.
class PixelLines {
public:
    // The image must stay unshared and its size unchanged while this draws.
    PixelLines(QImage& image, QRgb color, bool dotted, bool notXor);

    void Segment(TPoint from, TPoint to);
    // Pixels of one row from x0 towards x1, both included, in that order.
    void Run(std::int32_t y, std::int32_t x0, std::int32_t x1);
    // Fills x0..x1 of row y (both included) with a colour, in this pen's raster operation.
    void Span(std::int32_t y, std::int32_t x0, std::int32_t x1, QRgb fill);

    std::int32_t Width() const { return width; }
    std::int32_t Height() const { return height; }

private:
    void Plot(std::int32_t x, std::int32_t y);
    QRgb* bits;
    std::int32_t stride, width, height;
    QRgb color;
    bool dotted, notXor;
    std::uint32_t phase = 0;
};

// The box with edges far outside the image moved in to `margin` pixels beyond it, which
// changes nothing that is seen and keeps every size within 32 bits.
TRect ClampedBox(const TRect& box, std::int32_t width, std::int32_t height, std::int64_t margin);

// Whether a box reaches so far beyond the image that it is better left to a clipper.
bool FarOutside(const TRect& box, std::int32_t width, std::int32_t height);

// The ellipse in the box (right and bottom edges excluded) with a one-pixel outline
// drawn once around, clockwise from the top left, and the inside filled when fill is
// set; inside and outline never share a pixel.
void ThinEllipse(PixelLines& outline, const TRect& box, const QRgb* fill);

// Whether BoxScale can shrink the source rectangle onto the destination rectangle.
bool FitsBoxScale(const TRect& dest, const TRect& from);
// Each destination pixel becomes the mean of its cell of source pixels; source pixels
// outside the image count as white, destination pixels outside the target are skipped.
void BoxScale(const QImage& source, const TRect& from, QImage& target, const TRect& dest);

} // namespace murva::qt
