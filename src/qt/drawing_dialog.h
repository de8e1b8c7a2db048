#pragma once
// The drawing window ("えをかく"): the canvas, the tools, the palette, the widths and
// text sizes, and the buttons that end it. It shows the drawing board of the form and
// gives it the mouse; the handlers that record or ask reach the form through the main
// window's dispatch, so that "できた" is one step for "もどす".

#include "app/zinda_form.h"

#include <QDialog>
#include <array>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QPushButton;
class QToolButton;

namespace murva::qt {

class DrawingCanvas;

class DrawingDialog final : public QDialog {
    Q_OBJECT
public:
    // Runs a call into the form as one user command.
    using Dispatcher = std::function<void(const std::function<void()>&)>;

    DrawingDialog(TZindaForm& form, Dispatcher dispatch, QWidget* parent);

    // "やめる", the close box and Escape: the form may ask first.
    void reject() override;

private:
    // Which of the two colours a palette click sets.
    enum class TColourTarget { Line, Fill };

    void BuildTools();
    void BuildColours();
    void BuildSizes();
    void BuildCommands();
    QPushButton* AddButton(const char* name, const char* caption, QRect place);
    QToolButton* AddToggle(const QString& name, const char* hint, QRect place);
    // Changes a setting of the board, then shows it.
    void Set(const std::function<void()>& change);
    // Every button shows the board's settings, and the canvas its picture.
    void ShowBoard();
    // Calls a handler of the form through the dispatch; what it answered.
    bool Run(bool (TZindaForm::*handler)());

    TZindaForm& form;
    TDrawingBoard& board;
    Dispatcher dispatch;
    TColourTarget target = TColourTarget::Line;
    DrawingCanvas* canvas = nullptr;
    std::array<QToolButton*, 8> tools{};
    std::array<QToolButton*, 3> widths{};
    std::array<QToolButton*, 3> textSizes{};
    QPushButton* lineColour = nullptr;
    QPushButton* fillColour = nullptr;
    QCheckBox* separate = nullptr;
};

} // namespace murva::qt
