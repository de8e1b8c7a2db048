#include "qt/qt_graphics.h"

#include "qt/pdf_pages.h"
#include "qt/qt_raster.h"

#include <QImageReader>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace murva::qt {

namespace {

// The Windows Classic scheme, by system colour index (as 0xRRGGBB).
constexpr std::array<QRgb, 31> SystemPalette = {
    0xD4D0C8, // 0 clScrollBar
    0x3A6EA5, // 1 clBackground
    0x0A246A, // 2 clActiveCaption
    0x808080, // 3 clInactiveCaption
    0xD4D0C8, // 4 clMenu
    0xFFFFFF, // 5 clWindow
    0x000000, // 6 clWindowFrame
    0x000000, // 7 clMenuText
    0x000000, // 8 clWindowText
    0xFFFFFF, // 9 clCaptionText
    0xD4D0C8, // 10 clActiveBorder
    0xD4D0C8, // 11 clInactiveBorder
    0x808080, // 12 clAppWorkSpace
    0x0A246A, // 13 clHighlight
    0xFFFFFF, // 14 clHighlightText
    0xD4D0C8, // 15 clBtnFace
    0x808080, // 16 clBtnShadow
    0x808080, // 17 clGrayText
    0x000000, // 18 clBtnText
    0xD4D0C8, // 19 clInactiveCaptionText
    0xFFFFFF, // 20 clBtnHighlight
    0x404040, // 21 cl3DDkShadow
    0xD4D0C8, // 22 cl3DLight
    0x000000, // 23 clInfoText
    0xFFFFE1, // 24 clInfoBk
    0xB5B5B5, // 25 (unnamed)
    0x000080, // 26 clHotLight
    0xA6CAF0, // 27 clGradientActiveCaption
    0xC0C0C0, // 28 clGradientInactiveCaption
    0x0A246A, // 29 clMenuHighlight
    0xD4D0C8, // 30 clMenuBar
};

// GDI draws rectangles and ellipses the same way whichever corner comes first.
TRect Normalised(TRect r) {
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    return r;
}

// The outline of a rectangle or ellipse from (l, t) to (r, b) passes through the pixel
// centres l..r-1 and t..b-1; Qt's outline of QRect(x, y, w, h) covers x..x+w.
QRect OutlineRect(const TRect& n) {
    return QRect(n.Left, n.Top, n.Right - n.Left - 1, n.Bottom - n.Top - 1);
}

bool Contains(const QImage& image, const TRect& r) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= image.width() && r.Bottom <= image.height();
}

} // namespace

QColor ToQColor(TColor color) {
    if (IsSystemColor(color)) {
        const std::size_t index = color & 0xFF;
        return QColor::fromRgb(index < SystemPalette.size() ? SystemPalette[index] : 0x000000);
    }
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

int PixelSizeOfPoints(std::int32_t points) {
    const std::int64_t size = std::max<std::int64_t>(1, points);
    return static_cast<int>(std::min<std::int64_t>((size * 96 + 36) / 72, 4000));
}

QtCanvas::~QtCanvas() = default;

QPainter& QtCanvas::Painter() {
    if (!painter) {
        painter = std::make_unique<QPainter>(&bitmap.image);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setRenderHint(QPainter::TextAntialiasing, true);
        applied = TApplied{};
        if (font) painter->setFont(*font);
    }
    return *painter;
}

void QtCanvas::Flush() {
    painter.reset();
}

void QtCanvas::UseComposition(QPainter::CompositionMode mode) {
    if (applied.Composition == mode) return;
    painter->setCompositionMode(mode);
    applied.Composition = mode;
}

void QtCanvas::ApplyPen() {
    if (applied.HasPen && !applied.NoPen && applied.Pen.Width == Pen.Width &&
        applied.Pen.Color == Pen.Color && applied.Pen.Style == Pen.Style)
        return;
    QPen pen(ToQColor(Pen.Color));
    if (Pen.Width <= 1) {
        // A cosmetic pen: one pixel, the last point of a line left out.
        pen.setWidth(1);
        pen.setCapStyle(Qt::FlatCap);
        if (Pen.Style == TPenStyle::Dot) pen.setDashPattern({1.0, 1.0});
    } else {
        // GDI's wide pens are solid, centred on the path, with round ends and joins.
        pen.setWidth(Pen.Width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    painter->setPen(pen);
    applied.Pen = Pen;
    applied.HasPen = true;
    applied.NoPen = false;
}

void QtCanvas::ApplyBrush() {
    const bool clear = Brush.Style == TBrushStyle::Clear || Brush.Color == NoFillColor;
    if (applied.HasBrush && applied.Brush.Style == Brush.Style &&
        (clear || applied.Brush.Color == Brush.Color))
        return;
    if (clear)
        painter->setBrush(Qt::NoBrush);
    else
        painter->setBrush(ToQColor(Brush.Color));
    applied.Brush = Brush;
    applied.HasBrush = true;
}

void QtCanvas::UseOutline(TBrushUse brush) {
    Painter();
    UseComposition(Pen.Mode == TPenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                : QPainter::CompositionMode_SourceOver);
    ApplyPen();
    if (brush == TBrushUse::Fill) {
        ApplyBrush();
    } else if (brush == TBrushUse::None &&
               (!applied.HasBrush || applied.Brush.Style != TBrushStyle::Clear)) {
        painter->setBrush(Qt::NoBrush);
        applied.Brush = TBrush{NoFillColor, TBrushStyle::Clear};
        applied.HasBrush = true;
    }
}

void QtCanvas::UseFillOnly() {
    Painter();
    UseComposition(Pen.Mode == TPenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                : QPainter::CompositionMode_SourceOver);
    if (!applied.NoPen) {
        painter->setPen(Qt::NoPen);
        applied.NoPen = true;
        applied.HasPen = false;
    }
    ApplyBrush();
}

void QtCanvas::MoveTo(std::int32_t x, std::int32_t y) {
    penPos = {x, y};
}

PixelLines QtCanvas::ThinLines() {
    return PixelLines(bitmap.image, ToQColor(Pen.Color).rgb(), Pen.Style == TPenStyle::Dot,
                      Pen.Mode == TPenMode::NotXor);
}

void QtCanvas::LineTo(std::int32_t x, std::int32_t y) {
    if (Pen.Width <= 1) {
        ThinLines().Segment(penPos, {x, y});
    } else {
        UseOutline(TBrushUse::Ignored);
        painter->drawLine(penPos.x, penPos.y, x, y);
    }
    penPos = {x, y};
}

void QtCanvas::Rectangle(const TRect& r) {
    const TRect n = ClampedBox(Normalised(r), bitmap.image.width(), bitmap.image.height(),
                               4096 + std::int64_t(std::abs(std::int64_t(Pen.Width))));
    const int w = n.Right - n.Left, h = n.Bottom - n.Top;
    if (w <= 0 || h <= 0) return;
    if (Pen.Width > 1) {
        UseOutline(TBrushUse::Fill);
        painter->drawRect(OutlineRect(n));
        return;
    }
    // The inside and the outline apart, so that no pixel is touched twice: a not-xor
    // rectangle drawn twice restores the picture exactly.
    const bool filled = Brush.Style == TBrushStyle::Solid && Brush.Color != NoFillColor;
    if (filled && w > 2 && h > 2) {
        UseFillOnly();
        painter->drawRect(QRect(n.Left + 1, n.Top + 1, w - 2, h - 2));
    }
    UseOutline(TBrushUse::None);
    if (w == 1 && h == 1)
        painter->drawPoint(n.Left, n.Top);
    else if (w == 1 || h == 1)
        painter->drawLine(n.Left, n.Top, w == 1 ? n.Left : n.Right, w == 1 ? n.Bottom : n.Top);
    else if (w == 2)
        TwoColumns(n);
    else
        painter->drawRect(OutlineRect(n));
}

void QtCanvas::TwoColumns(const TRect& n) {
    // Qt's outline of a rectangle two pixels wide touches one pixel twice, which a
    // not-xor frame would erase. The dots run on around the corners: the right column
    // is one dot behind the left.
    painter->drawLine(n.Left, n.Top, n.Left, n.Bottom);
    QPen right = painter->pen();
    right.setDashOffset(1);
    painter->setPen(right);
    painter->drawLine(n.Left + 1, n.Top, n.Left + 1, n.Bottom);
    applied.HasPen = false;
}

void QtCanvas::Ellipse(const TRect& r) {
    const TRect n = Normalised(r);
    if (n.Right == n.Left || n.Bottom == n.Top) return;
    const bool far = FarOutside(n, bitmap.image.width(), bitmap.image.height());
    if (Pen.Width <= 1 && !far) {
        PixelLines outline = ThinLines();
        const bool filled = Brush.Style == TBrushStyle::Solid && Brush.Color != NoFillColor;
        const QRgb fill = ToQColor(Brush.Color).rgb();
        ThinEllipse(outline, n, filled ? &fill : nullptr);
        return;
    }
    UseOutline(TBrushUse::Fill);
    if (far)
        painter->drawEllipse(
            QRectF(n.Left, n.Top, double(n.Right) - n.Left - 1, double(n.Bottom) - n.Top - 1));
    else
        painter->drawEllipse(OutlineRect(n));
}

void QtCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    if (Pen.Width <= 1) {
        PixelLines lines = ThinLines();
        for (std::size_t i = 1; i < points.size(); ++i)
            lines.Segment(points[i - 1], points[i]);
        return;
    }
    UseOutline(TBrushUse::Ignored);
    ToQPolygon(points);
    painter->drawPolyline(polygon.constData(), static_cast<int>(polygon.size()));
}

void QtCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    ToQPolygon(points);
    if (Pen.Width > 1) {
        UseOutline(TBrushUse::Fill);
        painter->drawPolygon(polygon.constData(), static_cast<int>(polygon.size()),
                             Qt::OddEvenFill);
        return;
    }
    if (Brush.Style == TBrushStyle::Solid && Brush.Color != NoFillColor) {
        UseFillOnly();
        painter->drawPolygon(polygon.constData(), static_cast<int>(polygon.size()),
                             Qt::OddEvenFill);
    }
    PixelLines lines = ThinLines();
    for (std::size_t i = 1; i < points.size(); ++i)
        lines.Segment(points[i - 1], points[i]);
    lines.Segment(points.back(), points.front());
}

void QtCanvas::ToQPolygon(const std::vector<TPoint>& points) {
    polygon.resize(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        polygon[static_cast<qsizetype>(i)] = QPoint(points[i].x, points[i].y);
}

const QFontMetrics& QtCanvas::FontFor(std::int32_t points) {
    if (!font || fontPoints != points) {
        QFont f;
        // IPA P Gothic first; any other Japanese gothic that is installed after it.
        f.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                       QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                       QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")});
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(PixelSizeOfPoints(points));
        font = f;
        metrics.emplace(f);
        fontPoints = points;
        if (painter) painter->setFont(*font);
    }
    return *metrics;
}

std::int32_t QtCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) {
    const QFontMetrics& fm = FontFor(Font.Size);
    Painter();
    // Text is not subject to the pen's raster operation.
    UseComposition(QPainter::CompositionMode_SourceOver);
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const int advance = fm.horizontalAdvance(text);
    if (Brush.Style == TBrushStyle::Solid && Brush.Color != NoFillColor)
        painter->fillRect(QRect(x, y, advance, fm.height()), ToQColor(Brush.Color));
    painter->setPen(ToQColor(Font.Color));
    applied.HasPen = false;
    applied.NoPen = false;
    painter->drawText(x, y + fm.ascent(), text);
    return x + advance;
}

void QtCanvas::FillRect(const TRect& r) {
    if (Brush.Style == TBrushStyle::Clear || Brush.Color == NoFillColor) return;
    const TRect n = ClampedBox(Normalised(r), bitmap.image.width(), bitmap.image.height(), 0);
    if (n.Left >= n.Right || n.Top >= n.Bottom) return;
    Painter();
    // A brush fill is a plain copy whatever the pen's mode.
    UseComposition(QPainter::CompositionMode_Source);
    painter->fillRect(QRect(n.Left, n.Top, n.Right - n.Left, n.Bottom - n.Top),
                      ToQColor(Brush.Color));
}

void QtCanvas::CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect, bool smooth) {
    auto* from = dynamic_cast<QtCanvas*>(&source);
    if (!from) return;
    const int dw = dest.Right - dest.Left, dh = dest.Bottom - dest.Top;
    const int sw = sourceRect.Right - sourceRect.Left, sh = sourceRect.Bottom - sourceRect.Top;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;

    QImage selfCopy;
    const QImage* image = &from->bitmap.image;
    from->Flush();
    if (from == this) {
        selfCopy = bitmap.image.copy();
        image = &selfCopy;
    }

    if (smooth && FitsBoxScale(dest, sourceRect)) {
        Flush();
        BoxScale(*image, sourceRect, bitmap.image, dest);
        return;
    }

    Painter();
    UseComposition(QPainter::CompositionMode_Source);
    const QRect target(dest.Left, dest.Top, dw, dh);
    // Whatever lies outside the source picture arrives as white.
    if (!Contains(*image, sourceRect)) painter->fillRect(target, Qt::white);
    if (smooth) painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawImage(QRectF(target), *image, QRectF(sourceRect.Left, sourceRect.Top, sw, sh));
    if (smooth) painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QtBitmap::QtBitmap(std::int32_t width, std::int32_t height)
    : image(std::max(1, width), std::max(1, height), QImage::Format_RGB32), canvas(*this) {
    image.fill(Qt::white);
}

const QImage& QtBitmap::Image() const {
    canvas.Flush();
    return image;
}

void QtBitmap::ReadPixels(std::uint32_t* into) const {
    const QImage& img = Image();
    const auto rowBytes = std::size_t(img.width()) * sizeof(QRgb);
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(into + std::size_t(y) * std::size_t(img.width()), img.constScanLine(y),
                    rowBytes);
}

QImage& QtBitmap::MutableImage() {
    canvas.Flush();
    return image;
}

void QtBitmap::SetSize(std::int32_t width, std::int32_t height) {
    canvas.Flush();
    width = std::max(1, width);
    height = std::max(1, height);
    if (width == image.width() && height == image.height()) return;
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    QPainter p(&resized);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, image);
    p.end();
    image = std::move(resized);
}

TColor QtBitmap::GetPixel(std::int32_t x, std::int32_t y) const {
    const QImage& img = Image();
    if (!img.valid(x, y)) return clBlack;
    const QRgb rgb = img.pixel(x, y);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void QtBitmap::SetPixel(std::int32_t x, std::int32_t y, TColor color) {
    QImage& img = MutableImage();
    if (!img.valid(x, y)) return;
    const QColor c = ToQColor(color);
    reinterpret_cast<QRgb*>(img.scanLine(y))[x] = c.rgb();
}

std::unique_ptr<Pages> QtGraphics::CreatePages(const std::string& title) {
    return std::make_unique<PdfPages>(title);
}

std::unique_ptr<Bitmap> QtGraphics::CreateBitmap(std::int32_t width, std::int32_t height) {
    return std::make_unique<QtBitmap>(width, height);
}

bool QtGraphics::LoadBmp(const std::string& path, Bitmap& into) {
    QImageReader reader(QString::fromStdString(path), "bmp");
    QImage loaded = reader.read();
    if (loaded.isNull()) return false;
    auto& target = static_cast<QtBitmap&>(into);
    target.MutableImage() = loaded.convertToFormat(QImage::Format_RGB32);
    return true;
}

} // namespace murva::qt
