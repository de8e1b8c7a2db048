#pragma once
// The canvas of the drawing window: shows the drawing board's picture and gives it the
// mouse in canvas coordinates. When the board wants a text, a small line edit stands
// over the canvas where it goes: Enter hands the text on (the form may refuse it),
// Escape or leaving the edit takes it back.

#include "edit/drawing_board.h"
#include "qt/window_widgets.h"

#include <QWidget>
#include <functional>
#include <string>

class QLineEdit;

namespace murva::qt {

class DrawingCanvas final : public QWidget, public Zoomable {
    Q_OBJECT
public:
    // `enterText` takes a text typed and entered, which goes onto the board unless refused.
    DrawingCanvas(QWidget* parent, TDrawingBoard& board,
                  std::function<void(const std::string&)> enterText);
    // The picture and the text edit show the board as it is now.
    void Refresh();
    // The board is painted at `zoom` times the screen's scale; the mouse reports canvas
    // pixels.
    void SetZoom(double zoom) override;

signals:
    // The mouse or the text edit changed the board.
    void Changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a change of the board, then shows it.
    template <class F> void Change(F change);
    void EndText(bool keep);

    TPoint At(const QMouseEvent* event) const;
    TDrawingBoard& board;
    double zoom = 1;
    std::function<void(const std::string&)> enterText;
    QLineEdit* textEdit = nullptr;
};

} // namespace murva::qt
