#include "qt/drawing_canvas.h"

#include "qt/qt_graphics.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace murva::qt {

DrawingCanvas::DrawingCanvas(QWidget* parent, TDrawingBoard& b,
                             std::function<void(const std::string&)> enter)
    : QWidget(parent), board(b), enterText(std::move(enter)) {
    setObjectName(QStringLiteral("DrawCanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(TDrawingBoard::Width, TDrawingBoard::Height);
    // Moves without a button reach the board too: the next leg of a bent line follows them.
    setMouseTracking(true);
    // A click on the canvas takes the focus from the text edit, which ends the text.
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::CrossCursor);

    textEdit = new QLineEdit(this);
    textEdit->setObjectName(QStringLiteral("DrawTextEdit"));
    textEdit->hide();
    textEdit->installEventFilter(this);
}

TPoint DrawingCanvas::At(const QMouseEvent* event) const {
    const QPointF at = event->position() / zoom;
    return {static_cast<std::int32_t>(std::floor(at.x())),
            static_cast<std::int32_t>(std::floor(at.y()))};
}

void DrawingCanvas::SetZoom(double z) {
    zoom = z;
    board.SetScale(zoom * devicePixelRatioF());
    Refresh();
}

template <class F> void DrawingCanvas::Change(F change) {
    change();
    Refresh();
    emit Changed();
}

void DrawingCanvas::Refresh() {
    const std::optional<TPoint> wanted = board.TextWanted();
    if (!wanted) {
        if (textEdit->isVisible()) textEdit->hide();
    } else if (!textEdit->isVisible()) {
        QFont font = this->font();
        font.setPixelSize(static_cast<int>(std::lround(PixelSizeOfPoints(board.TextSize) * zoom)));
        textEdit->setFont(font);
        textEdit->clear();
        const int height = textEdit->sizeHint().height();
        const int x = static_cast<int>(std::lround(wanted->x * zoom));
        const int y = static_cast<int>(std::lround(wanted->y * zoom));
        const int width = std::min(static_cast<int>(240 * zoom), this->width() - x);
        const int least = static_cast<int>(40 * zoom);
        textEdit->setGeometry(std::min(x, this->width() - least),
                              std::min(y, this->height() - height), std::max(width, least), height);
        textEdit->show();
        textEdit->setFocus(Qt::OtherFocusReason);
    }
    update();
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const auto* picture = dynamic_cast<const QtBitmap*>(&board.Picture());
    if (picture)
        p.drawImage(QRectF(rect()), picture->Image());
    else
        p.fillRect(rect(), Qt::white);
}

void DrawingCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    Change([this, at = At(event)] { board.Press(at); });
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent* event) {
    Change([this, at = At(event)] { board.Move(at); });
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    Change([this, at = At(event)] { board.Release(at); });
}

void DrawingCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    Change([this, at = At(event)] { board.DoubleClick(at); });
}

void DrawingCanvas::EndText(bool keep) {
    if (!textEdit->isVisible() || !board.TextWanted()) return;
    const std::string text = textEdit->text().toStdString();
    Change([this, keep, &text] {
        if (keep)
            enterText(text);
        else
            board.CancelText();
    });
}

bool DrawingCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (watched != textEdit) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter and Escape end the text; the dialog never sees them.
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            EndText(key != Qt::Key_Escape);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A box over the window takes the focus only for a while.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) EndText(false);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace murva::qt
