// The wiring: which handler of the form each control and menu item calls. Every click of
// a button first puts it down as its group says; a button or menu item without a
// handler does nothing more.

#include "qt/main_window.h"

#include "qt/drawing_dialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QShortcut>
#include <map>

namespace murva::qt {

std::vector<MainWindow::Handler> MainWindow::Handlers() {
    TZindaForm& f = form;
    std::vector<Handler> handlers = {
        // The File menu.
        {"MurvaSave", [&f] { f.WriteDataMenuClick(); }},
        {"MurvaOverSave", [&f] { f.OverWriteDataMenuClick(); }},
        {"MurvaLoad", [&f] { f.MurvaLoadClick(); }},
        {"ZindaLoad", [&f] { f.ZindaLoadClick(); }},
        {"OpenSetAside", [&f] { f.OpenSetAsideWorkClick(); }},
        {"ExitMenu", [&f] { f.ExitMenuClick(); }},
        // The View menu.
        {"ReadBGMenu", [&f] { f.ReadBGMenuClick(); }},
        {"ClearBGMenu", [&f] { f.ClearMenuClick(); }},
        {"ClearAllMenu", [&f] { f.ClearAllClick(); }},
        // The Tool menu.
        {"JPG1", [&f] { f.Save2JPEGMenuClick(); }},
        {"GIF1", [&f] { f.Save2GIFMenuClick(); }},
        {"Video1", [&f] { f.Save2VideoMenuClick(); }},
        {"Storyboard1", [&f] { f.StoryboardMenuClick(); }},
        {"AboutMenu", [&f] { f.AboutMenuClick(); }},
        // The film strip and the cut commands.
        {"CutCountDownBtn", [&f] { f.CutCountDownBtnClick(); }},
        {"CutCountUpBtn", [&f] { f.CutCountUpBtnClick(); }},
        {"CutMake", [&f] { f.CutMakeClick(); }},
        {"CutDelete", [&f] { f.CutDeleteClick(); }},
        {"CutCarryOver", [&f] { f.CutCarryOverClick(); }},
        // Going back and forward.
        {"UndoBtn", [&f] { f.UndoBtnClick(); }},
        {"RedoBtn", [&f] { f.RedoBtnClick(); }},
        // The motion tools.
        {"MoveLineBtn", [&f] { f.DrawingBtnClick(TMotionButton::MoveLineBtn); }},
        {"MoveFreeBtn", [&f] { f.DrawingBtnClick(TMotionButton::MoveFreeBtn); }},
        // "ずけいをかえる" and the palette.
        {"DeleteBtn", [&f] { f.DeleteBtnClick(); }},
        {"DupBtn", [&f] { f.DupBtnClick(); }},
        {"RestoreBtn", [&f] { f.RestoreBtnClick(); }},
        {"FrontBtn", [&f] { f.FrontBackBtnClick(TOrderButton::FrontBtn); }},
        {"BackBtn", [&f] { f.FrontBackBtnClick(TOrderButton::BackBtn); }},
        {"BodyColorBtn", [&f] { f.AttrChangeBtnClick(TColorButton::BodyColorBtn); }},
        {"LineColorBtn", [&f] { f.AttrChangeBtnClick(TColorButton::LineColorBtn); }},
        {"ClearPanel", [&f] { f.ClearPanelClick(); }},
        // The mode button of the size bars, whichever face it shows.
        {"KeepShapeBtn", [&f] { f.AllChangeBtnClick(TResizeButton::KeepShapeBtn); }},
        {"HVChangeBtn", [&f] { f.AllChangeBtnClick(TResizeButton::HVChangeBtn); }},
        {"AllChangeBtn", [&f] { f.AllChangeBtnClick(TResizeButton::AllChangeBtn); }},
        {"DRChangeBtn", [&f] { f.AllChangeBtnClick(TResizeButton::DRChangeBtn); }},
        {"ULChangeBtn", [&f] { f.AllChangeBtnClick(TResizeButton::ULChangeBtn); }},
        // The speed of a run.
        {"SameSpeedBtn", [&f] { f.SameSpeedBtnClick(); }},
        {"FastSpeedBtn", [&f] { f.FastSpeedBtnClick(); }},
        {"SlowSpeedBtn", [&f] { f.SlowSpeedBtnClick(); }},
        {"FastBtn", [&f] { f.SpeedBtnClick(TSpeedButton::FastBtn); }},
        {"SpeedBtn", [&f] { f.SpeedBtnClick(TSpeedButton::SpeedBtn); }},
        {"SlowBtn", [&f] { f.SpeedBtnClick(TSpeedButton::SlowBtn); }},
        // Watching.
        {"SelectMoveBtn", [&f] { f.SelectMoveBtnClick(); }},
        {"SelectMakeBtn", [&f] { f.SelectMakeBtnClick(); }},
        // During a run or a making replay, each of the three buttons stops it.
        {"PlayButton", [&f] { f.PlayButtonClick(); }, TCall::MayStopRun},
        {"AllPlayButton", [&f] { f.AllPlayButtonClick(); }, TCall::MayStopRun},
        {"MakingBtn", [&f] { f.MakingBtnClick(); }, TCall::MayStopRun},
        {"DrawBtn",
         [this, &f] {
             if (f.DrawBtnClick()) OpenDrawingSoon();
         }},
    };
    for (int field = 1; field <= 16; ++field)
        handlers.push_back(
            {f.ColorPanels[field - 1].Name, [&f, field] { f.ColorPanelClick(field); }});
    for (int thumb = 1; thumb <= 5; ++thumb)
        handlers.push_back({f.CutImages[thumb - 1].Name, [&f, thumb] { f.CutImage1Click(thumb); }});
    // The parts bin, slot by slot.
    for (int slot = 1; slot <= 5; ++slot) {
        handlers.push_back(
            {f.PartsMoveBtns[slot - 1].Name, [&f, slot] { f.PartsUseBtnClick(slot); }});
        handlers.push_back(
            {f.PartsRemoveBtns[slot - 1].Name, [&f, slot] { f.PartsRemoveBtnClick(slot); }});
        handlers.push_back({f.PartsImages[slot - 1].Name, [&f, slot] { f.PartsImageClick(slot); }});
    }
    return handlers;
}

void MainWindow::WireHandlers() {
    std::map<QString, Handler> byName;
    for (Handler& handler : Handlers())
        byName.emplace(QString::fromStdString(handler.Name), std::move(handler));
    auto handlerOf = [&byName](const QObject* object) {
        const auto found = byName.find(object->objectName());
        return found == byName.end() ? Handler() : found->second;
    };

    if (QWidget* counter = findChild<QWidget*>(QStringLiteral("CutSelect")))
        counter->installEventFilter(this);
    for (QAction* action : findChildren<QAction*>()) {
        if (std::function<void()> call = handlerOf(action).Call)
            connect(action, &QAction::triggered, this, [this, call] { Dispatch(call); });
    }
    WireDrawingField();
    // Ctrl+Z goes back; Ctrl+Y and Ctrl+Shift+Z forward, wherever the focus is.
    for (const auto& [keys, call] :
         {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Z), byName["UndoBtn"].Call},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_Y), byName["RedoBtn"].Call},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), byName["RedoBtn"].Call}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, call] { Dispatch(call); });
    }
    for (Binding& binding : bindings) {
        if (binding.Kind == TWidgetKind::Panel) {
            if (std::function<void()> call = handlerOf(binding.Widget).Call)
                connect(static_cast<PanelWidget*>(binding.Widget), &PanelWidget::Clicked, this,
                        [this, call] { Dispatch(call); });
            continue;
        }
        if (binding.Kind == TWidgetKind::Image) {
            if (std::function<void()> call = handlerOf(binding.Widget).Call)
                connect(static_cast<ImageWidget*>(binding.Widget), &ImageWidget::Clicked, this,
                        [this, call] { Dispatch(call); });
            continue;
        }
        TButtonControl* button = binding.Button;
        if (!button) continue;
        connect(static_cast<QAbstractButton*>(binding.Widget), &QAbstractButton::clicked, this,
                [this, button, handler = handlerOf(binding.Widget)] {
                    Dispatch(
                        [button, &handler] {
                            button->Press();
                            if (handler.Call) handler.Call();
                        },
                        handler.Kind);
                });
    }
}

void MainWindow::WireDrawingField() {
    auto* field = findChild<ImageWidget*>(QStringLiteral("PaintBox"));
    if (!field) return;
    // Moves without a button reach the form too: they end a held size change.
    field->setMouseTracking(true);
    TZindaForm& f = form;
    connect(field, &ImageWidget::Pressed, this, [this, &f](int x, int y, Qt::MouseButton) {
        Dispatch([&f, x, y] { f.PaintBoxMouseDown(x, y); });
    });
    connect(field, &ImageWidget::Moved, this, [this, &f](int x, int y, Qt::MouseButtons) {
        Dispatch([&f, x, y] { f.PaintBoxMouseMove(x, y); }, TCall::Look);
    });
    connect(field, &ImageWidget::Released, this, [this, &f](int x, int y, Qt::MouseButton) {
        Dispatch([&f, x, y] { f.PaintBoxMouseUp(x, y); });
    });
}

void MainWindow::OpenDrawingSoon() {
    QMetaObject::invokeMethod(
        this, [this] { OpenDrawing(); }, Qt::QueuedConnection);
}

void MainWindow::OpenDrawing() {
    DrawingDialog dialog(
        form, [this](const std::function<void()>& call) { Dispatch(call); }, this);
    // At the window's zoom, its canvas painted at the screen's device pixels.
    ZoomedLayout(&dialog).Apply(CurrentZoom());
    dialog.exec();
    RefreshAll();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The counter box's keys go to the form; the box takes them as well.
    if (event->type() == QEvent::KeyPress && watched->objectName() == "CutSelect") {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const TKey which = key == Qt::Key_Return || key == Qt::Key_Enter ? TKey::Enter
                           : key == Qt::Key_Escape                       ? TKey::Escape
                                                                         : TKey::Other;
        Dispatch([this, which] { form.InputEditKeyPress(which); });
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace murva::qt
