#pragma once
// Printed pages on Qt: an A4 PDF made by QPdfWriter in memory, text in the program's font.

#include "model/canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace murva::qt {

class PdfPages final : public Pages {
public:
    explicit PdfPages(const std::string& title);

    void NewPage() override;
    void Picture(const TPageBox& box, const Bitmap& picture) override;
    void Text(const TPageBox& box, double points, const std::string& utf8) override;
    void Line(const TPageBox& box) override;
    std::optional<std::string> Finish() override;

private:
    // Millimetres in the writer's device units.
    QRectF Device(const TPageBox& box) const;

    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfWriter writer{&buffer};
    std::unique_ptr<QPainter> painter;
};

} // namespace murva::qt
