#pragma once
// The main window: a thin shell over TZindaForm. It lays out one widget per control of
// the form, turns widget events into calls of the form's handlers, and shows the control
// models after every call. It holds no behaviour of its own.

#include "app/zinda_form.h"
#include "qt/window_widgets.h"
#include "qt/words.h"
#include "qt/zoomed_layout.h"

#include <QMainWindow>
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QMenuBar;
class QScreen;
class QSlider;

namespace murva::qt {

class ClientArea;
class QtHost;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 1016;
    static constexpr int ClientHeight = 666;

    // Whether a call may stop a run (the play buttons and Escape), or is only a look that
    // leaves what the window shows (the play bar, the pointer moving over the field).
    enum class TCall { Ordinary, MayStopRun, Look };

    explicit MainWindow(TZindaForm& form);
    ~MainWindow() override;

    // Every call into the form goes through here: afterwards the widgets show the models.
    // A request to end the program ends the event loop with its code; any other error
    // is shown in a message box instead of escaping into Qt. A call made while another
    // runs (from inside a modal box, say) is not taken, nor kept for later: handlers never
    // overlap. The one exception is a call that may stop a run, made during a run: it
    // reaches the form at once, which decides to stop at the end of the current step.
    void Dispatch(const std::function<void()>& call, TCall kind = TCall::Ordinary);
    // The code the program is to end with, once the form asked to end it.
    std::optional<int> ExitCode() const { return exitCode; }

    // The host shows its boxes over this window and presents changes and frames in it.
    void AttachTo(QtHost& host);
    // Every widget shows its model as it is now; changed pictures are painted at the next
    // turn of the event loop.
    void RefreshAll();
    // Something changed: outside a call into the form, the window catches up once at the
    // next turn of the event loop; inside one, when the call ends.
    void Invalidate();
    // Every widget shows its model, and the changed pictures of the field and the
    // thumbnails are painted at once.
    void PresentFrame();
    // Every widget shows its model and every changed picture is painted at once: what is
    // on the screen while a box of the host is open, in the middle of a call.
    void PresentWindow();
    // The drawing window opens, modal, once the current call has ended, so that its own
    // calls reach the form; the window shows what it changed when it closes.
    void OpenDrawingSoon();
    // Speaks the set from now on; `keep` keeps it in the settings for the next start.
    void UseWords(TWordSet set, bool keep);
    // Shows the whole layout at `zoom` logical pixels per layout pixel, its pictures
    // painted at device pixels.
    void Zoom(double zoom);
    // Shows the window at the largest zoom at which it fits its screen, now and whenever
    // it moves to another screen or the screen changes.
    void FollowScreen();
    double CurrentZoom() const { return zoomed ? zoomed->Zoom() : 1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class TWidgetKind { Panel, Image, Group, Button, Radio, Edit, Slider };

    // One control of the form and its widget, with what the widget shows now, so that a
    // refresh touches only what changed.
    struct Binding {
        TControl* Control = nullptr;
        QWidget* Widget = nullptr;
        TWidgetKind Kind = TWidgetKind::Panel;
        TButtonControl* Button = nullptr;
        TEditControl* Edit = nullptr;
        TTrackBar* Track = nullptr;
        bool Shown = false;
        TControl Last;
        std::string LastText;
        int LastMin = 0, LastMax = 0, LastPosition = 0;
    };

    // Layout (window_layout.cpp).
    void BuildLayout();
    void BuildFieldAndPalette();
    void BuildSizeControls();
    void BuildEditPanels();
    void BuildCutStrip();
    void BuildPartsBin();
    void BuildWatchControls();
    void BuildMenu();
    // The ことば menu: one item per set of words.
    void BuildWordsMenu(QMenuBar* bar);
    // Every text of the window in the chosen set.
    void ShowWords();
    PanelWidget* AddPanel(TControl& control, QWidget* parent, QRect place, TBevel bevel);
    ImageWidget* AddImage(TImageControl& control, QWidget* parent, QRect place);
    QWidget* AddGroup(TControl& control, QWidget* parent, QRect place);
    QAbstractButton* AddGlyphButton(TButtonControl& control, QWidget* parent, QRect place,
                                    const char* glyph, bool checkable = false);
    QAbstractButton* AddPushButton(TButtonControl& control, QWidget* parent, QRect place);
    QAbstractButton* AddRadio(TButtonControl& control, QWidget* parent, QRect place);
    QWidget* AddEdit(TEditControl& control, QWidget* parent, QRect place, int fontPixels);
    QSlider* AddSlider(TTrackBar& control, QWidget* parent, QRect place,
                       Qt::Orientation orientation);
    Binding& Bind(TControl& control, QWidget* widget, TWidgetKind kind);

    // Wiring (window_handlers.cpp): which handler of the form each control and menu item
    // calls, by object name.
    struct Handler {
        std::string Name;
        std::function<void()> Call;
        TCall Kind = TCall::Ordinary;
    };
    std::vector<Handler> Handlers();
    void WireHandlers();
    // The drawing field's presses, moves and releases, in field coordinates.
    void WireDrawingField();
    void OpenDrawing();

    // Showing the models (window_sync.cpp).
    void ShowModels();
    void Sync(Binding& binding);
    void SyncCaption();

    // Runs a call into the form; false when the program is to end.
    bool Call(const std::function<void()>& call);
    void EndProgram(int code);

    TZindaForm& form;
    Words words;
    std::unique_ptr<ZoomedLayout> zoomed;
    // The screen whose changes are followed.
    QPointer<QScreen> followed;
    void FitScreen();
    // The menus and items with the program's text each shows.
    std::vector<std::pair<QAction*, const char*>> menuTexts;
    std::vector<std::pair<QAction*, TWordSet>> wordSetItems;
    ClientArea* client = nullptr;
    std::deque<Binding> bindings;
    std::vector<ImageWidget*> images;
    // The pictures a frame changes: the paint box and the thumbnails.
    std::vector<ImageWidget*> presented;
    std::optional<int> exitCode;
    bool dispatching = false;
    // A close request that came while a call ran, handled when it ends.
    bool closeRequested = false;
    bool refreshQueued = false;
    std::string shownCaption;
    bool captionShown = false;
};

} // namespace murva::qt
