#include "qt/zoomed_layout.h"

#include "qt/window_widgets.h"

#include <QAbstractButton>
#include <QVariant>
#include <cmath>

namespace murva::qt {

namespace {

int Scaled(int v, double zoom) {
    return static_cast<int>(std::lround(v * zoom));
}

// Both edges scaled, so that widgets that meet at zoom 1 meet at every zoom.
QRect Scaled(const QRect& r, double zoom) {
    const int left = Scaled(r.left(), zoom), top = Scaled(r.top(), zoom);
    return {left, top, std::max(1, Scaled(r.left() + r.width(), zoom) - left),
            std::max(1, Scaled(r.top() + r.height(), zoom) - top)};
}

} // namespace

ZoomedLayout::ZoomedLayout(QWidget* r) : root(r), rootSize(r->size()) {
    windowFontPixels = r->window()->font().pixelSize() > 0 ? r->window()->font().pixelSize() : 12;
    for (QWidget* widget : r->findChildren<QWidget*>()) {
        if (widget->isWindow()) continue;
        Laid& l = laid.emplace_back();
        l.Widget = widget;
        l.Place = widget->geometry();
        l.Fixed = widget->minimumSize() == widget->maximumSize();
        if (widget->testAttribute(Qt::WA_SetFont)) l.FontPixels = widget->font().pixelSize();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) l.IconSize = button->iconSize();
    }
}

void ZoomedLayout::Apply(double z) {
    if (!root) return;
    zoom = z;
    QWidget* window = root->window();
    QFont font = window->font();
    font.setPixelSize(std::max(1, Scaled(windowFontPixels, zoom)));
    window->setFont(font);
    const qreal ratio = window->devicePixelRatioF();
    for (const Laid& l : laid) {
        QWidget* widget = l.Widget;
        if (!widget) continue;
        const QRect place = Scaled(l.Place, zoom);
        if (l.Fixed) widget->setFixedSize(place.size());
        widget->setGeometry(place);
        if (l.FontPixels > 0) {
            QFont own = widget->font();
            own.setPixelSize(std::max(1, Scaled(l.FontPixels, zoom)));
            widget->setFont(own);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && l.IconSize.isValid()) {
            const QSize icon(Scaled(l.IconSize.width(), zoom), Scaled(l.IconSize.height(), zoom));
            button->setIconSize(icon);
            const QString glyph = button->property(GlyphProperty).toString();
            if (!glyph.isEmpty()) button->setIcon(GlyphIcon(glyph, icon, ratio));
        }
        if (auto* zoomable = dynamic_cast<Zoomable*>(widget)) zoomable->SetZoom(zoom);
    }
    root->setFixedSize(Scaled(rootSize.width(), zoom), Scaled(rootSize.height(), zoom));
}

} // namespace murva::qt
