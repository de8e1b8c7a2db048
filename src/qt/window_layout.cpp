// Where every control of the window sits: places in client pixels, controls inside
// group boxes and panels relative to their parent. The window's size is fixed.

#include "qt/main_window.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <algorithm>

namespace murva::qt {

namespace {

template <class W> W* Placed(W* widget, const TControl& control, QRect place) {
    widget->setObjectName(QString::fromStdString(control.Name));
    widget->setGeometry(place);
    // Hints stay up for a minute, long enough for a child to read them.
    widget->setToolTipDuration(60000);
    return widget;
}

} // namespace

MainWindow::Binding& MainWindow::Bind(TControl& control, QWidget* widget, TWidgetKind kind) {
    Binding& binding = bindings.emplace_back();
    binding.Control = &control;
    binding.Widget = widget;
    binding.Kind = kind;
    return binding;
}

PanelWidget* MainWindow::AddPanel(TControl& control, QWidget* parent, QRect place, TBevel bevel) {
    auto* panel = Placed(new PanelWidget(parent, bevel), control, place);
    Bind(control, panel, TWidgetKind::Panel);
    return panel;
}

ImageWidget* MainWindow::AddImage(TImageControl& control, QWidget* parent, QRect place) {
    auto* image = Placed(new ImageWidget(parent, control), control, place);
    Bind(control, image, TWidgetKind::Image);
    images.push_back(image);
    return image;
}

QWidget* MainWindow::AddGroup(TControl& control, QWidget* parent, QRect place) {
    auto* group = Placed(new QGroupBox(parent), control, place);
    Bind(control, group, TWidgetKind::Group);
    return group;
}

QAbstractButton* MainWindow::AddGlyphButton(TButtonControl& control, QWidget* parent, QRect place,
                                            const char* glyph, bool checkable) {
    auto* button = Placed(new QToolButton(parent), control, place);
    button->setCheckable(checkable);
    button->setAutoRaise(false);
    const QSize glyphSize(place.width() - 8, place.height() - 8);
    button->setIconSize(glyphSize);
    button->setIcon(GlyphIcon(QString::fromUtf8(glyph), glyphSize, devicePixelRatioF()));
    button->setProperty(GlyphProperty, QString::fromUtf8(glyph));
    // Tab reaches every button, in the order of the panels; a click leaves the focus.
    button->setFocusPolicy(Qt::TabFocus);
    // A caption shown in place of the glyph is large enough to read at a glance.
    QFont captionFont = button->font();
    captionFont.setPixelSize(std::min(18, place.height() / 2));
    button->setFont(captionFont);
    Bind(control, button, TWidgetKind::Button).Button = &control;
    return button;
}

QAbstractButton* MainWindow::AddPushButton(TButtonControl& control, QWidget* parent, QRect place) {
    auto* button = Placed(new QPushButton(parent), control, place);
    button->setFocusPolicy(Qt::TabFocus);
    Bind(control, button, TWidgetKind::Button).Button = &control;
    return button;
}

QAbstractButton* MainWindow::AddRadio(TButtonControl& control, QWidget* parent, QRect place) {
    auto* radio = Placed(new QRadioButton(parent), control, place);
    // The model decides which button is down; Qt's own exclusivity would fight it.
    radio->setAutoExclusive(false);
    Bind(control, radio, TWidgetKind::Radio).Button = &control;
    return radio;
}

QWidget* MainWindow::AddEdit(TEditControl& control, QWidget* parent, QRect place, int fontPixels) {
    auto* edit = Placed(new QLineEdit(parent), control, place);
    QFont font = edit->font();
    font.setPixelSize(fontPixels);
    edit->setFont(font);
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The counter is a display: it takes the focus only when clicked.
    edit->setFocusPolicy(Qt::ClickFocus);
    Bind(control, edit, TWidgetKind::Edit).Edit = &control;
    // Typing changes the model's text; the form replaces it when it updates the box.
    connect(edit, &QLineEdit::textEdited, this, [this, &control](const QString& text) {
        Dispatch([&control, value = text.toStdString()] { control.Text = value; });
    });
    return edit;
}

QSlider* MainWindow::AddSlider(TTrackBar& control, QWidget* parent, QRect place,
                               Qt::Orientation orientation) {
    auto* slider = Placed(new QSlider(orientation, parent), control, place);
    // A click gives it the keys: the arrows move it a step at a time.
    slider->setFocusPolicy(Qt::ClickFocus);
    Bind(control, slider, TWidgetKind::Slider).Track = &control;
    // A user's drag sets the model, which fires its change event; the slider only
    // mirrors the model, with its signals blocked while it is refreshed.
    const TCall kind = &control == &form.PlayBar ? TCall::Look : TCall::Ordinary;
    connect(slider, &QSlider::valueChanged, this, [this, &control, kind](int value) {
        Dispatch([&control, value] { control.SetPosition(value); }, kind);
    });
    return slider;
}

void MainWindow::BuildLayout() {
    BuildFieldAndPalette();
    BuildSizeControls();
    BuildEditPanels();
    BuildCutStrip();
    BuildPartsBin();
    BuildWatchControls();
}

void MainWindow::BuildFieldAndPalette() {
    TZindaForm& f = form;
    PanelWidget* field = AddPanel(f.DrawField, client, {4, 4, 640, 480}, TBevel::None);
    client->SetFramed(field);
    AddImage(f.BGImage, field, {0, 0, 640, 480});
    presented.push_back(AddImage(f.PaintBox, field, {0, 0, 640, 480}));
    AddEdit(f.InputEdit, field, {464, 448, 169, 24}, 16);

    QWidget* palette = AddPanel(f.ColorBasePanel, client, {4, 490, 285, 43}, TBevel::Raised);
    AddPanel(f.ConfirmPanel, palette, {5, 5, 33, 33}, TBevel::Lowered);
    AddPanel(f.ClearPanel, palette, {44, 13, 25, 17}, TBevel::Raised)->SetNoFillMark(true);
    for (int i = 0; i < 16; ++i) {
        const int column = i % 8, row = i / 8;
        AddPanel(f.ColorPanels[i], palette, {75 + column * 26, 4 + row * 18, 25, 17},
                 TBevel::Raised);
    }
}

void MainWindow::BuildSizeControls() {
    TZindaForm& f = form;
    AddSlider(f.HTrackBar, client, {304, 488, 321, 25}, Qt::Horizontal);
    // The vertical bar grows upwards: its hint says up is larger.
    AddSlider(f.VTrackBar, client, {648, 136, 25, 321}, Qt::Vertical);

    // The size labels at the larger and smaller ends, and in their places the side
    // labels: which way the moving edge goes when the bar is moved to that end.
    const QRect vTop{651, 117, 18, 18}, vBottom{651, 458, 18, 18};
    const QRect hLeft{304, 514, 18, 18}, hRight{607, 514, 18, 18};
    AddPanel(f.VBarLargeLabel, client, vTop, TBevel::None);
    AddPanel(f.HBarLargeLabel, client, hRight, TBevel::None);
    AddPanel(f.HBarSmallLabel, client, hLeft, TBevel::None);
    AddPanel(f.VBarSmallLabel, client, vBottom, TBevel::None);
    AddPanel(f.HBarRightLabel, client, hRight, TBevel::None);
    AddPanel(f.HBarLeftLabel, client, hLeft, TBevel::None);
    AddPanel(f.VBarDownLabel, client, vTop, TBevel::None);
    AddPanel(f.VBarUpLabel, client, vBottom, TBevel::None);

    const QRect modePlace{635, 485, 49, 49};
    AddGlyphButton(f.KeepShapeBtn, client, modePlace, "resize_keep_shape");
    AddGlyphButton(f.AllChangeBtn, client, modePlace, "resize_together");
    AddGlyphButton(f.DRChangeBtn, client, modePlace, "resize_from_top_left");
    AddGlyphButton(f.HVChangeBtn, client, modePlace, "resize_separately");
    AddGlyphButton(f.ULChangeBtn, client, modePlace, "resize_from_bottom_right");
}

void MainWindow::BuildEditPanels() {
    TZindaForm& f = form;
    QWidget* object = AddGroup(f.ObjectPanel, client, {688, 8, 169, 201});
    AddGlyphButton(f.DeleteBtn, object, {8, 20, 49, 49}, "delete");
    AddGlyphButton(f.DupBtn, object, {60, 20, 49, 49}, "duplicate");
    AddGlyphButton(f.RestoreBtn, object, {112, 20, 49, 49}, "restore");
    AddGlyphButton(f.FrontBtn, object, {8, 76, 75, 56}, "front");
    AddGlyphButton(f.BackBtn, object, {86, 76, 75, 56}, "back");
    AddGlyphButton(f.BodyColorBtn, object, {8, 138, 75, 56}, "fill_colour");
    AddGlyphButton(f.LineColorBtn, object, {86, 138, 75, 56}, "line_colour");

    QWidget* move = AddGroup(f.MovePanel, client, {688, 216, 169, 225});
    AddGlyphButton(f.MoveLineBtn, move, {34, 20, 100, 50}, "move_straight", true);
    AddGlyphButton(f.MoveFreeBtn, move, {34, 76, 100, 50}, "move_free", true);
    AddRadio(f.SameSpeedBtn, move, {12, 134, 150, 24});
    AddRadio(f.FastSpeedBtn, move, {12, 160, 150, 24});
    AddRadio(f.SlowSpeedBtn, move, {12, 186, 150, 24});

    QWidget* cut = AddGroup(f.CutPanel, client, {688, 447, 169, 210});
    AddGlyphButton(f.CutDelete, cut, {34, 20, 100, 50}, "cut_delete");
    AddGlyphButton(f.CutMake, cut, {34, 82, 100, 50}, "cut_insert");
    AddGlyphButton(f.CutCarryOver, cut, {34, 144, 100, 50}, "cut_carry_over");
}

void MainWindow::BuildCutStrip() {
    TZindaForm& f = form;
    // The black band first, so that the holes and thumbnails lie above it.
    AddImage(f.FilmBand, client, {5, 540, 652, 120});
    for (int i = 0; i < 40; ++i) {
        AddPanel(f.FilmHoles[i], client, {16 + 16 * i, 546, 9, 9}, TBevel::None);
        AddPanel(f.FilmHoles[40 + i], client, {16 + 16 * i, 645, 9, 9}, TBevel::None);
    }
    for (int k = 0; k < 5; ++k) {
        QWidget* panel =
            AddPanel(f.ImagePanels[k], client, {56 + 112 * k, 560, 106, 81}, TBevel::Raised);
        presented.push_back(AddImage(f.CutImages[k], panel, {3, 3, 100, 75}));
        presented.back()->setFocusPolicy(Qt::TabFocus);
    }
    AddPushButton(f.CutCountDownBtn, client, {16, 570, 33, 57});
    AddPushButton(f.CutCountUpBtn, client, {616, 570, 33, 57});
    AddPanel(f.CutDisplayPanel, client, {328, 512, 200, 24}, TBevel::None);
    AddEdit(f.CutSelect, client, {530, 512, 49, 24}, 16);
    // "もどす" and "やりなおす" under the bin, above the two state buttons.
    AddGlyphButton(f.UndoBtn, client, {870, 480, 66, 42}, "undo");
    AddGlyphButton(f.RedoBtn, client, {940, 480, 66, 42}, "redo");
    AddPushButton(f.SelectMakeBtn, client, {888, 534, 97, 41});
    AddPushButton(f.SelectMoveBtn, client, {888, 598, 97, 41});
}

void MainWindow::BuildPartsBin() {
    TZindaForm& f = form;
    QWidget* bin = AddGroup(f.PartsBox, client, {864, 8, 145, 465});
    for (int k = 0; k < 5; ++k) {
        const int y = 88 * k;
        QWidget* panel = AddPanel(f.PartsPanels[k], bin, {39, 32 + y, 106, 81}, TBevel::Raised);
        presented.push_back(AddImage(f.PartsImages[k], panel, {3, 3, 100, 75}));
        AddGlyphButton(f.PartsMoveBtns[k], bin, {8, 24 + y, 25, 33}, "material_use");
        AddGlyphButton(f.PartsRemoveBtns[k], bin, {8, 64 + y, 25, 33}, "material_remove");
    }
    // "えをかく" over the bin's caption row: a drawing goes into the bin.
    AddGlyphButton(f.DrawBtn, client, {952, 2, 54, 34}, "draw");
}

void MainWindow::BuildWatchControls() {
    TZindaForm& f = form;
    QWidget* speed = AddGroup(f.SpeedPanel, client, {680, 8, 177, 300});
    QSlider* speedBar = AddSlider(f.SpeedBar, speed, {16, 24, 41, 265}, Qt::Vertical);
    // Low positions are fast: the fast end is at the top, beside "はやい", and the up
    // arrow moves the handle up.
    speedBar->setInvertedAppearance(true);
    speedBar->setInvertedControls(true);
    speedBar->setTickPosition(QSlider::NoTicks);
    AddPushButton(f.FastBtn, speed, {72, 24, 89, 33});
    AddPushButton(f.SpeedBtn, speed, {72, 140, 89, 33});
    AddPushButton(f.SlowBtn, speed, {72, 256, 89, 33});

    QWidget* watch = AddPanel(f.WatchPanel, client, {8, 485, 460, 50}, TBevel::Raised);
    AddGlyphButton(f.PlayButton, watch, {8, 8, 89, 33}, "play");
    AddGlyphButton(f.AllPlayButton, watch, {103, 8, 89, 33}, "play_all");
    AddGlyphButton(f.MakingBtn, watch, {198, 8, 49, 33}, "making");
    QSlider* playBar = AddSlider(f.PlayBar, watch, {253, 4, 198, 41}, Qt::Horizontal);
    playBar->setTickPosition(QSlider::TicksBothSides);
    playBar->setSingleStep(3);
}

} // namespace murva::qt
