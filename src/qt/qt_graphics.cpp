#include "qt/qt_graphics.h"

#include <QFont>
#include <QFontMetrics>
#include <QImageReader>
#include <QPolygon>
#include <array>

namespace murva::qt {

namespace {

// The classic Windows system colours, by system colour index.
constexpr std::array<QRgb, 31> SystemPalette = {
    0xFFC8C8C8, 0xFF000000, 0xFF99B4D1, 0xFFBFCDDB, 0xFFF0F0F0, 0xFFFFFFFF, 0xFF646464,
    0xFF000000, 0xFF000000, 0xFF000000, 0xFFB4B4B4, 0xFFF4F7FC, 0xFFABABAB, 0xFF3399FF,
    0xFFFFFFFF, 0xFFF0F0F0, 0xFFA0A0A0, 0xFF6D6D6D, 0xFF000000, 0xFF434E54, 0xFFFFFFFF,
    0xFF696969, 0xFFE3E3E3, 0xFF000000, 0xFFFFFFE1, 0xFFB5B5B5, 0xFF0066CC, 0xFFB9D1EA,
    0xFFD7E4F2, 0xFF3399FF, 0xFFF0F0F0};

QPolygon ToPolygon(const std::vector<TPoint>& points) {
    QPolygon polygon(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    return polygon;
}

} // namespace

QColor ToQColor(TColor color) {
    if (IsSystemColor(color)) {
        std::size_t index = color & 0xFF;
        return QColor::fromRgb(index < SystemPalette.size() ? SystemPalette[index] : 0xFF000000);
    }
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QtCanvas::~QtCanvas() = default;

QPainter& QtCanvas::Painter() {
    if (!painter) {
        painter = std::make_unique<QPainter>(&bitmap.image);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *painter;
}

void QtCanvas::Flush() { painter.reset(); }

void QtCanvas::ApplyPen(QPainter& p, bool forOutline) {
    p.setCompositionMode(Pen.Mode == TPenMode::NotXor
                             ? QPainter::RasterOp_NotSourceXorDestination
                             : QPainter::CompositionMode_SourceOver);
    if (!forOutline) return;
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(std::max(1, Pen.Width));
    pen.setStyle(Pen.Style == TPenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
}

void QtCanvas::ApplyBrush(QPainter& p) {
    if (Brush.Style == TBrushStyle::Clear || Brush.Color == NoFillColor)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(ToQColor(Brush.Color));
}

void QtCanvas::MoveTo(std::int32_t x, std::int32_t y) { penPos = {x, y}; }

void QtCanvas::LineTo(std::int32_t x, std::int32_t y) {
    QPainter& p = Painter();
    ApplyPen(p);
    p.drawLine(penPos.x, penPos.y, x, y);
    penPos = {x, y};
}

void QtCanvas::Rectangle(const TRect& r) {
    QPainter& p = Painter();
    ApplyPen(p);
    ApplyBrush(p);
    // GDI covers Left..Right-1; a 1-pixel Qt outline covers x..x+w.
    p.drawRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)).normalized()
                   .adjusted(0, 0, -1, -1));
}

void QtCanvas::Ellipse(const TRect& r) {
    QPainter& p = Painter();
    ApplyPen(p);
    ApplyBrush(p);
    p.drawEllipse(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)).normalized()
                      .adjusted(0, 0, -1, -1));
}

void QtCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    QPainter& p = Painter();
    ApplyPen(p);
    p.drawPolyline(ToPolygon(points));
}

void QtCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    QPainter& p = Painter();
    ApplyPen(p);
    ApplyBrush(p);
    p.drawPolygon(ToPolygon(points));
}

std::int32_t QtCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) {
    QPainter& p = Painter();
    ApplyPen(p, false);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSize(std::max(1, Font.Size));
    p.setFont(font);
    p.setPen(ToQColor(Font.Color));
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QFontMetrics metrics(font, &bitmap.image);
    if (Brush.Style == TBrushStyle::Solid && Brush.Color != NoFillColor)
        p.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                   ToQColor(Brush.Color));
    p.drawText(x, y + metrics.ascent(), text);
    return x + metrics.horizontalAdvance(text);
}

void QtCanvas::FillRect(const TRect& r) {
    QPainter& p = Painter();
    ApplyPen(p, false);
    if (Brush.Style == TBrushStyle::Clear || Brush.Color == NoFillColor) return;
    p.fillRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)).normalized(),
               ToQColor(Brush.Color));
}

void QtCanvas::CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect,
                        bool smooth) {
    auto& from = static_cast<QtCanvas&>(source);
    const QImage& sourceImage = from.bitmap.Image();
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    const QRect target(dest.Left, dest.Top, dest.Right - dest.Left, dest.Bottom - dest.Top);
    const QRect origin(sourceRect.Left, sourceRect.Top, sourceRect.Right - sourceRect.Left,
                       sourceRect.Bottom - sourceRect.Top);
    if (&from == this) {
        const QImage copy = sourceImage.copy();
        p.drawImage(target, copy, origin);
    } else {
        p.drawImage(target, sourceImage, origin);
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

QtBitmap::QtBitmap(std::int32_t width, std::int32_t height)
    : image(std::max(1, width), std::max(1, height), QImage::Format_RGB32), canvas(*this) {
    image.fill(Qt::white);
}

const QImage& QtBitmap::Image() const {
    canvas.Flush();
    return image;
}

QImage& QtBitmap::MutableImage() {
    canvas.Flush();
    return image;
}

void QtBitmap::SetSize(std::int32_t width, std::int32_t height) {
    canvas.Flush();
    if (width == image.width() && height == image.height()) return;
    QImage resized(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    resized.fill(Qt::white);
    QPainter p(&resized);
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
    reinterpret_cast<QRgb*>(img.scanLine(y))[x] = qRgb(RedOf(color), GreenOf(color), BlueOf(color));
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
