#include "qt/drawing_canvas.h"

#include "qt/qt_graphics.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace murva::qt {

namespace {

TPoint At(const QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    return {at.x(), at.y()};
}

} // namespace

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
        font.setPixelSize(PixelSizeOfPoints(board.TextSize));
        textEdit->setFont(font);
        textEdit->clear();
        const int height = textEdit->sizeHint().height();
        const int width = std::min(240, TDrawingBoard::Width - wanted->x);
        textEdit->setGeometry(std::min(wanted->x, TDrawingBoard::Width - 40),
                              std::min(wanted->y, TDrawingBoard::Height - height),
                              std::max(width, 40), height);
        textEdit->show();
        textEdit->setFocus(Qt::OtherFocusReason);
    }
    update();
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const auto* picture = dynamic_cast<const QtBitmap*>(&board.Picture());
    if (picture)
        p.drawImage(0, 0, picture->Image());
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
