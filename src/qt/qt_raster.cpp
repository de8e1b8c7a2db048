#include "qt/qt_raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace murva::qt {

namespace {

// Segments reaching further out than this are clipped first, so that a figure with
// absurd coordinates costs no more than one crossing the picture.
constexpr std::int32_t FarOut = 4096;

bool Far(const TPoint& p, std::int32_t width, std::int32_t height) {
    return p.x < -FarOut || p.y < -FarOut || p.x > width + FarOut || p.y > height + FarOut;
}

// Liang-Barsky against the picture widened by one pixel; false when nothing is left.
bool ClipToPicture(TPoint& from, TPoint& to, std::int32_t width, std::int32_t height) {
    const double x0 = from.x, y0 = from.y, dx = double(to.x) - from.x, dy = double(to.y) - from.y;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + 1, width - x0, y0 + 1, height - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const TPoint a{static_cast<std::int32_t>(std::lround(x0 + t0 * dx)),
                   static_cast<std::int32_t>(std::lround(y0 + t0 * dy))};
    const TPoint b{static_cast<std::int32_t>(std::lround(x0 + t1 * dx)),
                   static_cast<std::int32_t>(std::lround(y0 + t1 * dy))};
    from = a;
    to = b;
    return true;
}

} // namespace

PixelLines::PixelLines(QImage& image, QRgb c, bool dot, bool xorMode)
    : bits(reinterpret_cast<QRgb*>(image.bits())),
      stride(static_cast<std::int32_t>(image.bytesPerLine() / 4)), width(image.width()),
      height(image.height()), color(c | 0xFF000000), dotted(dot), notXor(xorMode) {}

void PixelLines::Plot(std::int32_t x, std::int32_t y) {
    const bool on = !dotted || (phase & 1) == 0;
    ++phase;
    if (!on || x < 0 || y < 0 || x >= width || y >= height) return;
    QRgb& pixel = bits[static_cast<std::ptrdiff_t>(y) * stride + x];
    pixel = notXor ? ~(color ^ pixel) | 0xFF000000 : color;
}

void PixelLines::Segment(TPoint from, TPoint to) {
    if (Far(from, width, height) || Far(to, width, height)) {
        if (!ClipToPicture(from, to, width, height)) return;
    }
    // Bresenham, leaving out the last pixel.
    const std::int32_t dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    const std::int32_t dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    std::int32_t err = dx + dy;
    std::int32_t x = from.x, y = from.y;
    while (x != to.x || y != to.y) {
        Plot(x, y);
        const std::int32_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void PixelLines::Run(std::int32_t y, std::int32_t x0, std::int32_t x1) {
    const std::int32_t step = x0 <= x1 ? 1 : -1;
    for (std::int32_t x = x0;; x += step) {
        Plot(x, y);
        if (x == x1) break;
    }
}

void PixelLines::Span(std::int32_t y, std::int32_t x0, std::int32_t x1, QRgb fill) {
    if (y < 0 || y >= height) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width - 1);
    QRgb* line = bits + static_cast<std::ptrdiff_t>(y) * stride;
    fill |= 0xFF000000;
    for (std::int32_t x = x0; x <= x1; ++x)
        line[x] = notXor ? ~(fill ^ line[x]) | 0xFF000000 : fill;
}

TRect ClampedBox(const TRect& box, std::int32_t width, std::int32_t height, std::int64_t margin) {
    margin = std::clamp<std::int64_t>(margin, 0, 1 << 20);
    auto clampTo = [&](std::int32_t v, std::int32_t size) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -margin, size + margin));
    };
    return {clampTo(box.Left, width), clampTo(box.Top, height), clampTo(box.Right, width),
            clampTo(box.Bottom, height)};
}

bool FarOutside(const TRect& box, std::int32_t width, std::int32_t height) {
    return Far({box.Left, box.Top}, width, height) || Far({box.Right, box.Bottom}, width, height);
}

void ThinEllipse(PixelLines& outline, const TRect& box, const QRgb* fill) {
    const std::int32_t t = box.Top, b = box.Bottom - 1;
    const std::int32_t h = box.Bottom - box.Top;
    // Pixels whose centres lie inside the ellipse inscribed in the box, row by row.
    const double cx = (double(box.Left) + box.Right) / 2, cy = (double(box.Top) + box.Bottom) / 2;
    const double rx = (double(box.Right) - box.Left) / 2, ry = h / 2.0;
    std::vector<std::int32_t> left(static_cast<std::size_t>(h)), right(left.size());
    for (std::int32_t y = t; y <= b; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1 - dy * dy));
        auto l = static_cast<std::int32_t>(std::ceil(cx - half - 0.5));
        auto r = static_cast<std::int32_t>(std::floor(cx + half - 0.5));
        l = std::max(l, box.Left);
        r = std::min(r, box.Right - 1);
        if (l > r)
            l = r = std::clamp(static_cast<std::int32_t>(std::floor(cx)), box.Left, box.Right - 1);
        left[static_cast<std::size_t>(y - t)] = l;
        right[static_cast<std::size_t>(y - t)] = r;
    }
    // A row's outline reaches to where the row nearer the top or bottom edge begins, so
    // the outline stays connected where it runs flat.
    std::vector<std::int32_t> leftEnd(left.size()), rightStart(left.size());
    for (std::int32_t y = t; y <= b; ++y) {
        const std::size_t i = static_cast<std::size_t>(y - t);
        if (y == t || y == b) {
            leftEnd[i] = right[i];
            rightStart[i] = left[i];
            continue;
        }
        const std::size_t outer = y + 0.5 < cy ? i - 1 : i + 1;
        leftEnd[i] = std::max(left[i], left[outer] - 1);
        rightStart[i] = std::min(right[i], right[outer] + 1);
        if (leftEnd[i] >= rightStart[i]) {
            // The pieces meet: the whole row is outline, split between the two sides
            // (the left one may be empty).
            rightStart[i] = (left[i] + right[i] + 1) / 2;
            leftEnd[i] = rightStart[i] - 1;
        }
    }
    if (fill) {
        for (std::int32_t y = t + 1; y < b; ++y) {
            const std::size_t i = static_cast<std::size_t>(y - t);
            if (leftEnd[i] + 1 <= rightStart[i] - 1)
                outline.Span(y, leftEnd[i] + 1, rightStart[i] - 1, *fill);
        }
    }
    // Clockwise: the top row, down the right side, the bottom row, up the left side.
    outline.Run(t, left[0], right[0]);
    for (std::int32_t y = t + 1; y < b; ++y) {
        const std::size_t i = static_cast<std::size_t>(y - t);
        if (y + 0.5 < cy)
            outline.Run(y, rightStart[i], right[i]);
        else
            outline.Run(y, right[i], rightStart[i]);
    }
    if (b > t) outline.Run(b, right[left.size() - 1], left[left.size() - 1]);
    for (std::int32_t y = b - 1; y > t; --y) {
        const std::size_t i = static_cast<std::size_t>(y - t);
        if (leftEnd[i] < left[i]) continue;
        if (y + 0.5 < cy)
            outline.Run(y, left[i], leftEnd[i]);
        else
            outline.Run(y, leftEnd[i], left[i]);
    }
}

// Red and blue are summed in one word, so a cell may hold at most 257 pixels.
constexpr std::int64_t MaxBoxCell = 257;

// ceil(2^32 / n): multiplying by it and shifting divides sums below 2^17 exactly, and
// much faster than a division per channel and pixel.
const std::array<std::uint64_t, MaxBoxCell + 1> Reciprocals = [] {
    std::array<std::uint64_t, MaxBoxCell + 1> table{};
    for (std::size_t n = 1; n < table.size(); ++n)
        table[n] = ((1ull << 32) + n - 1) / n;
    return table;
}();

bool FitsBoxScale(const TRect& dest, const TRect& from) {
    const std::int64_t dw = dest.Right - dest.Left, dh = dest.Bottom - dest.Top;
    const std::int64_t sw = from.Right - from.Left, sh = from.Bottom - from.Top;
    if (dw <= 0 || dh <= 0 || sw < dw || sh < dh || (sw == dw && sh == dh)) return false;
    return ((sw + dw - 1) / dw) * ((sh + dh - 1) / dh) <= MaxBoxCell;
}

void BoxScale(const QImage& source, const TRect& from, QImage& target, const TRect& dest) {
    const std::int32_t dw = dest.Right - dest.Left, dh = dest.Bottom - dest.Top;
    const std::int32_t sw = from.Right - from.Left, sh = from.Bottom - from.Top;
    constexpr std::uint32_t WhiteRedBlue = 0x00FF00FF, WhiteGreen = 0x0000FF00;
    // Source columns of the cells, and the part of the rectangle inside the image.
    std::vector<std::int32_t> colStart(static_cast<std::size_t>(dw) + 1);
    for (std::int32_t j = 0; j <= dw; ++j)
        colStart[j] = static_cast<std::int32_t>(static_cast<std::int64_t>(j) * sw / dw);
    // Per source column: the sums over the rows of the current cell.
    std::vector<std::uint32_t> redBlue(static_cast<std::size_t>(sw));
    std::vector<std::uint32_t> green(static_cast<std::size_t>(sw));
    const std::int32_t inLeft = std::clamp(-from.Left, 0, sw);
    const std::int32_t inRight = std::clamp(source.width() - from.Left, inLeft, sw);

    for (std::int32_t i = 0; i < dh; ++i) {
        const std::int32_t ty = dest.Top + i;
        if (ty < 0 || ty >= target.height()) continue;
        const std::int32_t y0 = from.Top + static_cast<std::int32_t>(std::int64_t(i) * sh / dh);
        const std::int32_t y1 = from.Top + static_cast<std::int32_t>(std::int64_t(i + 1) * sh / dh);
        const std::int32_t rows = y1 - y0;
        if (rows <= 0) continue;
        // Sum the cell's rows column by column first: a plain loop the compiler vectorises.
        std::fill(redBlue.begin(), redBlue.end(), 0u);
        std::fill(green.begin(), green.end(), 0u);
        std::uint32_t whiteRows = 0;
        std::array<const QRgb*, 2> lines{};
        std::size_t pending = 0;
        // Two rows at a time halve the traffic through the column sums.
        auto addRows = [&] {
            std::uint32_t* rb = redBlue.data();
            std::uint32_t* g = green.data();
            const QRgb* a = lines[0] + from.Left;
            if (pending == 2) {
                const QRgb* b = lines[1] + from.Left;
                for (std::int32_t x = inLeft; x < inRight; ++x) {
                    rb[x] += (a[x] & 0x00FF00FF) + (b[x] & 0x00FF00FF);
                    g[x] += (a[x] & 0x0000FF00) + (b[x] & 0x0000FF00);
                }
            } else {
                for (std::int32_t x = inLeft; x < inRight; ++x) {
                    rb[x] += a[x] & 0x00FF00FF;
                    g[x] += a[x] & 0x0000FF00;
                }
            }
            pending = 0;
        };
        for (std::int32_t y = y0; y < y1; ++y) {
            if (y < 0 || y >= source.height()) {
                ++whiteRows;
                continue;
            }
            lines[pending++] = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            if (pending == 2) addRows();
        }
        if (pending) addRows();
        // Columns outside the image are white in every row, the others in rows outside it.
        for (std::int32_t x = 0; x < sw; ++x) {
            if (x == inLeft && whiteRows == 0) x = inRight;
            if (x >= sw) break;
            const bool inside = x >= inLeft && x < inRight;
            const std::uint32_t white = inside ? whiteRows : static_cast<std::uint32_t>(rows);
            redBlue[x] += white * WhiteRedBlue;
            green[x] += white * WhiteGreen;
        }
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(ty));
        for (std::int32_t j = 0; j < dw; ++j) {
            const std::int32_t tx = dest.Left + j;
            if (tx < 0 || tx >= target.width()) continue;
            std::uint32_t rb = 0, g = 0;
            for (std::int32_t x = colStart[j]; x < colStart[j + 1]; ++x) {
                rb += redBlue[x];
                g += green[x];
            }
            const std::uint32_t area =
                static_cast<std::uint32_t>(colStart[j + 1] - colStart[j]) * rows;
            if (area == 0) continue;
            const std::uint64_t inverse = Reciprocals[area];
            const std::uint32_t half = area / 2;
            auto mean = [&](std::uint32_t sum) {
                return static_cast<int>(((sum + half) * inverse) >> 32);
            };
            out[tx] = qRgb(mean(rb >> 16), mean(g >> 8), mean(rb & 0xFFFF));
        }
    }
}

} // namespace murva::qt
