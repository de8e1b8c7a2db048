#include "qt/window_widgets.h"

#include "qt/qt_graphics.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <cmath>

namespace murva::qt {

PanelWidget::PanelWidget(QWidget* parent, TBevel b) : QWidget(parent), bevel(b) {}

void PanelWidget::SetBevel(TBevel kind, int width) {
    if (kind == bevel && width == bevelWidth) return;
    bevel = kind;
    bevelWidth = width;
    update();
}

void PanelWidget::SetColor(const QColor& c) {
    if (c == color) return;
    color = c;
    update();
}

void PanelWidget::SetText(const QString& t) {
    if (t == text) return;
    text = t;
    update();
}

void PanelWidget::SetNoFillMark(bool on) {
    noFillMark = on;
    update();
}

void PanelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, color);
    if (noFillMark) {
        p.fillRect(r.adjusted(2, 2, -2, -2), Qt::white);
        p.setPen(QPen(QColor(220, 0, 0), 2));
        p.drawLine(r.left() + 3, r.bottom() - 3, r.right() - 3, r.top() + 3);
    }
    const QColor light(255, 255, 255), dark(128, 128, 128);
    switch (bevel) {
    case TBevel::None:
        break;
    case TBevel::Raised:
    case TBevel::Lowered: {
        const bool raised = bevel == TBevel::Raised;
        for (int i = 0; i < bevelWidth; ++i) {
            const QRect e = r.adjusted(i, i, -i, -i);
            p.setPen(raised ? light : dark);
            p.drawLine(e.topLeft(), e.topRight());
            p.drawLine(e.topLeft(), e.bottomLeft());
            p.setPen(raised ? dark : light);
            p.drawLine(e.bottomLeft(), e.bottomRight());
            p.drawLine(e.topRight(), e.bottomRight());
        }
        break;
    }
    case TBevel::Single:
        p.setPen(QColor(64, 64, 64));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        break;
    }
    if (!text.isEmpty()) {
        p.setPen(palette().color(QPalette::Active, QPalette::WindowText));
        p.drawText(r, Qt::AlignCenter, text);
    }
}

void PanelWidget::mousePressEvent(QMouseEvent* event) {
    pressed = event->button() == Qt::LeftButton;
}

void PanelWidget::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button inside the panel.
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    if (click) emit Clicked();
}

ImageWidget::ImageWidget(QWidget* parent, const TImageControl& c) : QWidget(parent), control(c) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage ImageWidget::Picture() const {
    const auto* bitmap = dynamic_cast<const QtBitmap*>(control.Picture.get());
    return bitmap ? bitmap->Image() : QImage();
}

void ImageWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage picture = Picture();
    // The picture covers its layout size at the zoom: one to one in device pixels when it
    // was painted for the zoom and the screen.
    const double shown = zoom / control.Scale;
    const QSizeF covered = QSizeF(picture.size()) * shown;
    // Outside the picture the control shows the form's face colour.
    if (covered.width() < width() || covered.height() < height())
        p.fillRect(rect(), palette().color(QPalette::Window));
    if (picture.isNull()) return;
    if (shown == 1)
        p.drawImage(0, 0, picture);
    else
        p.drawImage(QRectF(QPointF(0, 0), covered), picture);
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x1e, 0x88, 0xe5), 3, Qt::DashLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void ImageWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit Clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ImageWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ImageWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

QPoint ImageWidget::Unzoomed(const QPointF& at) const {
    return {static_cast<int>(std::floor(at.x() / zoom)),
            static_cast<int>(std::floor(at.y() / zoom))};
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = Unzoomed(event->position());
    emit Pressed(at.x(), at.y(), event->button());
}

void ImageWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = Unzoomed(event->position());
    emit Moved(at.x(), at.y(), event->buttons());
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = Unzoomed(event->position());
    emit Released(at.x(), at.y(), event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {}

void ClientArea::paintEvent(QPaintEvent*) {
    if (!framed || framed->isHidden()) return;
    QPainter p(this);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(framed->geometry().adjusted(-1, -1, 0, 0));
}

QIcon GlyphIcon(const QString& name, QSize size, qreal devicePixelRatio) {
    QSvgRenderer renderer(QStringLiteral(":/glyphs/%1.svg").arg(name));
    if (!renderer.isValid()) return {};
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return QIcon(pixmap);
}

} // namespace murva::qt
