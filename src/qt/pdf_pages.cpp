#include "qt/pdf_pages.h"

#include "qt/qt_graphics.h"

#include <QPageSize>

namespace murva::qt {

namespace {

constexpr int Resolution = 300;

} // namespace

PdfPages::PdfPages(const std::string& title) {
    buffer.open(QIODevice::WriteOnly);
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Murva"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(Resolution);
    painter = std::make_unique<QPainter>(&writer);
    painter->setRenderHint(QPainter::Antialiasing);
}

QRectF PdfPages::Device(const TPageBox& box) const {
    const double unit = Resolution / 25.4;
    return {box.X * unit, box.Y * unit, box.Width * unit, box.Height * unit};
}

void PdfPages::NewPage() {
    writer.newPage();
}

void PdfPages::Picture(const TPageBox& box, const Bitmap& picture) {
    // Every bitmap of this program is a QtBitmap.
    painter->drawImage(Device(box), static_cast<const QtBitmap&>(picture).Image());
}

void PdfPages::Text(const TPageBox& box, double points, const std::string& utf8) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSizeF(points);
    painter->setFont(font);
    painter->setPen(Qt::black);
    painter->drawText(Device(box), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      QString::fromStdString(utf8));
}

void PdfPages::Line(const TPageBox& box) {
    const QRectF line = Device(box);
    painter->setPen(QPen(Qt::black, Resolution / 254.0)); // a tenth of a millimetre
    painter->drawLine(line.topLeft(), line.bottomRight());
}

std::optional<std::string> PdfPages::Finish() {
    if (!painter->end()) return std::nullopt;
    return bytes.toStdString();
}

} // namespace murva::qt
