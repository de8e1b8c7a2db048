#include "qt/drawing_dialog.h"

#include "qt/drawing_canvas.h"
#include "qt/qt_graphics.h"
#include "qt/window_widgets.h"
#include "qt/words.h"
#include "ui/texts.h"

#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace murva::qt {

namespace {

constexpr int Right = 656;
constexpr const char* ToolNames[] = {"Line",    "Rectangle", "Ellipse", "Polyline",
                                     "Polygon", "FreeLine",  "Text",    "Select"};
constexpr const char* ToolGlyphs[] = {"draw_line",     "draw_rectangle", "draw_ellipse",
                                      "draw_polyline", "draw_polygon",   "draw_free",
                                      "draw_text",     "draw_select"};

// A swatch of a colour; no fill is white with a red stroke across.
QIcon Swatch(TColor color, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(color == NoFillColor ? Qt::white : ToQColor(color));
    QPainter p(&pixmap);
    if (color == NoFillColor) {
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(0, size.height(), size.width(), 0);
    }
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return QIcon(pixmap);
}

// A line of the given width, as a width button shows it.
QIcon WidthGlyph(int width, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(6, size.height() / 2, size.width() - 6, size.height() / 2);
    return QIcon(pixmap);
}

} // namespace

DrawingDialog::DrawingDialog(TZindaForm& f, Dispatcher d, QWidget* parent)
    : QDialog(parent), form(f), board(f.Drawing.Board), dispatch(std::move(d)) {
    setObjectName(QStringLiteral("DrawingDialog"));
    setWindowTitle(Tr(texts::DrawingCaption));
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    setFont(font);
    canvas = new DrawingCanvas(this, board, [this](const std::string& text) {
        TZindaForm& f = form;
        dispatch([&f, &text] { f.DrawTextEnter(text); });
    });
    canvas->move(8, 8);
    connect(canvas, &DrawingCanvas::Changed, this, [this] { ShowBoard(); });
    BuildTools();
    BuildColours();
    BuildSizes();
    BuildCommands();
    // The layout is fixed.
    setFixedSize(864, 496);
    ShowBoard();
}

QPushButton* DrawingDialog::AddButton(const char* name, const char* caption, QRect place) {
    auto* button = new QPushButton(Tr(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(place);
    // Enter belongs to the text being typed, never to a button.
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton* DrawingDialog::AddToggle(const QString& name, const char* hint, QRect place) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(Tr(hint));
    button->setToolTipDuration(60000);
    button->setIconSize(place.size() - QSize(8, 8));
    return button;
}

void DrawingDialog::BuildTools() {
    for (int i = 0; i < 8; ++i) {
        const QRect place{Right + (i % 4) * 50, 8 + (i / 4) * 42, 48, 40};
        QToolButton* button =
            AddToggle(QStringLiteral("DrawTool") + ToolNames[i], texts::DrawToolHints[i], place);
        button->setIcon(
            GlyphIcon(QString::fromUtf8(ToolGlyphs[i]), button->iconSize(), devicePixelRatioF()));
        button->setProperty(GlyphProperty, QString::fromUtf8(ToolGlyphs[i]));
        connect(button, &QToolButton::clicked, this,
                [this, i] { Set([this, i] { board.Tool = static_cast<TBoardTool>(i); }); });
        tools[static_cast<std::size_t>(i)] = button;
    }
}

void DrawingDialog::BuildColours() {
    lineColour = AddButton("DrawLineColour", texts::DrawLineColour, {Right, 100, 98, 30});
    fillColour = AddButton("DrawFillColour", texts::DrawFillColour, {Right + 102, 100, 98, 30});
    for (auto [button, which] :
         {std::pair{lineColour, TColourTarget::Line}, std::pair{fillColour, TColourTarget::Fill}}) {
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this,
                [this, which] { Set([this, which] { target = which; }); });
    }
    for (int i = 0; i < 16; ++i) {
        auto* panel = new PanelWidget(this, TBevel::Raised);
        panel->setObjectName(QStringLiteral("DrawColor%1").arg(i + 1, 2, 10, QChar('0')));
        panel->setGeometry(Right + (i % 8) * 25, 136 + (i / 8) * 22, 24, 20);
        panel->SetColor(ToQColor(PaletteColors[static_cast<std::size_t>(i)]));
        connect(panel, &PanelWidget::Clicked, this,
                [this, color = PaletteColors[static_cast<std::size_t>(i)]] {
                    Set([this, color] {
                        (target == TColourTarget::Line ? board.PenColor : board.BrushColor) = color;
                    });
                });
    }
    QPushButton* noFill = AddButton("DrawNoFill", texts::DrawNoFill, {Right, 182, 98, 26});
    noFill->setIcon(Swatch(NoFillColor, {16, 16}));
    connect(noFill, &QPushButton::clicked, this, [this] {
        Set([this] {
            board.BrushColor = NoFillColor;
            target = TColourTarget::Fill;
        });
    });
}

void DrawingDialog::BuildSizes() {
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        QToolButton* width = AddToggle(QStringLiteral("DrawWidth%1").arg(i + 1),
                                       texts::DrawWidthHints[i], {Right + i * 68, 216, 64, 36});
        width->setIcon(WidthGlyph(TDrawingBoard::PenWidths[k], width->iconSize()));
        connect(width, &QToolButton::clicked, this,
                [this, k] { Set([this, k] { board.PenWidth = TDrawingBoard::PenWidths[k]; }); });
        widths[k] = width;

        QToolButton* size = AddToggle(QStringLiteral("DrawTextSize%1").arg(i + 1),
                                      texts::DrawTextSizeHints[i], {Right + i * 68, 258, 64, 36});
        size->setText(Tr(texts::TextSizeSample));
        QFont glyph = font();
        glyph.setPixelSize(12 + 5 * i);
        size->setFont(glyph);
        connect(size, &QToolButton::clicked, this,
                [this, k] { Set([this, k] { board.TextSize = TDrawingBoard::TextSizes[k]; }); });
        textSizes[k] = size;
    }
    separate = new QCheckBox(Tr(texts::DrawSeparate), this);
    separate->setObjectName(QStringLiteral("DrawSeparate"));
    separate->setGeometry(Right, 302, 200, 24);
    separate->setFocusPolicy(Qt::NoFocus);
    connect(separate, &QCheckBox::clicked, this,
            [this](bool on) { Set([this, on] { board.Separate = on; }); });
}

void DrawingDialog::BuildCommands() {
    connect(AddButton("DrawRemoveLastBtn", texts::DrawRemoveLast, {Right, 336, 98, 36}),
            &QPushButton::clicked, this, [this] { Set([this] { board.RemoveLast(); }); });
    connect(AddButton("DrawClearBtn", texts::DrawClear, {Right + 102, 336, 98, 36}),
            &QPushButton::clicked, this, [this] {
                dispatch([this] { form.DrawClearClick(); });
                ShowBoard();
            });
    connect(AddButton("DrawSaveBtn", texts::DrawSave, {Right, 380, 200, 36}), &QPushButton::clicked,
            this, [this] { dispatch([this] { form.DrawSaveClick(); }); });
    connect(AddButton("DrawDoneBtn", texts::DrawDone, {Right, 440, 98, 48}), &QPushButton::clicked,
            this, [this] {
                if (Run(&TZindaForm::DrawDoneClick)) QDialog::accept();
            });
    connect(AddButton("DrawCancelBtn", texts::DrawCancel, {Right + 102, 440, 98, 48}),
            &QPushButton::clicked, this, [this] { reject(); });
}

void DrawingDialog::reject() {
    if (Run(&TZindaForm::DrawCancelClick)) QDialog::reject();
}

bool DrawingDialog::Run(bool (TZindaForm::*handler)()) {
    bool answer = false;
    // The handler is called on a reference of its own, not on the member through a
    // captured this: for that form GCC's sanitizer checks the type of a register the
    // call never set, and reports a dialog that is not there.
    TZindaForm& f = form;
    dispatch([&f, handler, &answer] { answer = (f.*handler)(); });
    return answer;
}

void DrawingDialog::Set(const std::function<void()>& change) {
    change();
    ShowBoard();
}

void DrawingDialog::ShowBoard() {
    for (std::size_t i = 0; i < tools.size(); ++i)
        tools[i]->setChecked(board.Tool == static_cast<TBoardTool>(i));
    for (std::size_t i = 0; i < widths.size(); ++i) {
        widths[i]->setChecked(board.PenWidth == TDrawingBoard::PenWidths[i]);
        textSizes[i]->setChecked(board.TextSize == TDrawingBoard::TextSizes[i]);
    }
    lineColour->setIcon(Swatch(board.PenColor, {16, 16}));
    fillColour->setIcon(Swatch(board.BrushColor, {16, 16}));
    lineColour->setChecked(target == TColourTarget::Line);
    fillColour->setChecked(target == TColourTarget::Fill);
    separate->setChecked(board.Separate);
    canvas->Refresh();
}

} // namespace murva::qt
