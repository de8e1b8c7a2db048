#include "qt/main_window.h"

#include "qt/qt_graphics.h"
#include "qt/qt_host.h"
#include "ui/texts.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <exception>

// The glyphs live in a static library: their resources must be pulled in by name.
static void InitGlyphResources() {
    Q_INIT_RESOURCE(glyphs);
}

namespace murva::qt {

namespace {

std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

} // namespace

MainWindow::MainWindow(TZindaForm& f) : form(f) {
    InitGlyphResources();
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    setFont(font);
    setAcceptDrops(true);
    // The form's face is the face colour of its panels, so that labels blend in.
    QPalette face = palette();
    face.setColor(QPalette::Window, ToQColor(clBtnFace));
    setPalette(face);

    client = new ClientArea(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);
    BuildLayout();
    BuildMenu();
    WireHandlers();
    // The layout is fixed: the window is exactly the menu bar over the client area.
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    zoomed = std::make_unique<ZoomedLayout>(client);
    move(0, 0);
    ShowWords();
    // Unsaved work reaches the recovery journal at most about a second after it was done.
    auto* journalTimer = new QTimer(this);
    connect(journalTimer, &QTimer::timeout, this, [this] {
        if (!exitCode) form.JournalTimerTimer();
    });
    journalTimer->start(1000);
}

MainWindow::~MainWindow() = default;

void MainWindow::Dispatch(const std::function<void()>& call, TCall kind) {
    // Once the program is ending, nothing more reaches the form.
    if (exitCode) return;
    if (dispatching) {
        // A run waits with the event loop turning, so that its stop can come in; every
        // other input of that time is dropped, and the widgets it moved show their models
        // again at the next frame.
        if (kind == TCall::MayStopRun && form.S.Playback.Running) Call(call);
        return;
    }
    dispatching = true;
    // Whatever this call records is one step for "もどす".
    form.BeginCommand(kind == TCall::Look ? TInput::Look : TInput::Command);
    const bool goesOn = Call(call);
    dispatching = false;
    if (!goesOn) return;
    RefreshAll();
    if (closeRequested) {
        closeRequested = false;
        Dispatch([this] { form.FormCloseQuery(); });
    }
}

bool MainWindow::Call(const std::function<void()>& call) {
    try {
        call();
    } catch (const TProcessExit& exit) {
        EndProgram(exit.Code);
        return false;
    } catch (const std::exception& error) {
        try {
            form.GetHost().ShowMessage(error.what());
        } catch (const TProcessExit& exit) {
            EndProgram(exit.Code);
            return false;
        } catch (...) {
        }
    }
    return true;
}

void MainWindow::EndProgram(int code) {
    exitCode = code;
    // Before the event loop runs (start-up), the entry point reads the code itself.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(code);
}

void MainWindow::ShowModels() {
    form.ShowState();
    for (Binding& binding : bindings)
        Sync(binding);
    SyncCaption();
}

void MainWindow::RefreshAll() {
    refreshQueued = false;
    ShowModels();
    for (ImageWidget* image : images)
        if (image->TakeChange()) image->update();
}

void MainWindow::AttachTo(QtHost& host) {
    host.AttachWindow(
        this, [this] { Invalidate(); }, [this] { PresentFrame(); }, [this] { PresentWindow(); });
}

void MainWindow::Invalidate() {
    if (dispatching || refreshQueued) return;
    refreshQueued = true;
    QMetaObject::invokeMethod(
        this, [this] { RefreshAll(); }, Qt::QueuedConnection);
}

void MainWindow::PresentFrame() {
    ShowModels();
    // At once, not at the next turn of the event loop: a run presents many frames inside
    // one handler and each must reach the screen.
    for (ImageWidget* image : presented)
        if (image->TakeChange() && image->isVisible()) image->repaint();
}

void MainWindow::PresentWindow() {
    // Inside a call the window catches up only when the call ends; a box opened before
    // then would stand over pictures of the state before the call.
    ShowModels();
    for (ImageWidget* image : images)
        if (image->TakeChange() && image->isVisible()) image->repaint();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Keys no widget took: Escape stops a run, wherever the focus is.
    if (event->key() == Qt::Key_Escape) {
        Dispatch([this] { form.FormKeyDown(TKey::Escape); }, TCall::MayStopRun);
        return;
    }
    // Enter presses the button that has the focus, as Space does.
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The toolkit never closes the window: the form's close query ends the program.
    event->ignore();
    if (dispatching) {
        closeRequested = true;
        return;
    }
    Dispatch([this] { form.FormCloseQuery(); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    // While a call runs (a run, say), a drop would not be taken: it is not offered.
    if (!dispatching && !LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = LocalFiles(event->mimeData());
    if (paths.empty() || dispatching) return;
    event->acceptProposedAction();
    Dispatch([this, &paths] { form.WMDropFiles(paths); });
}

void MainWindow::BuildMenu() {
    struct Menu {
        const char* Name;
        const char* Caption;
        std::vector<std::pair<const char*, const char*>> Items; // name, caption
    };
    namespace t = texts;
    const std::vector<Menu> menus = {
        {"FileMenu",
         t::FileMenu,
         {{"MurvaSave", t::MurvaSave},
          {"MurvaOverSave", t::MurvaOverSave},
          {"MurvaLoad", t::MurvaLoad},
          {"ZindaLoad", t::ZindaLoad},
          {"OpenSetAside", t::OpenSetAsideWork},
          {"ExitMenu", t::ExitMenu}}},
        {"N2",
         t::ViewMenu,
         {{"ReadBGMenu", t::ReadBGMenu},
          {"ClearBGMenu", t::ClearBGMenu},
          {"ClearAllMenu", t::ClearAllMenu}}},
        {"N4",
         t::ToolMenu,
         {{"JPG1", t::JPEGMenu},
          {"GIF1", t::GIFMenu},
          {"Video1", t::VideoMenu},
          {"Storyboard1", t::StoryboardMenu}}},
        {"HelpMenu", t::HelpMenu, {{"AboutMenu", t::AboutMenu}}},
    };

    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("ZindaMenu"));
    // The menu stays in the window, where the layout expects it, on every desktop.
    bar->setNativeMenuBar(false);
    setMenuBar(bar);
    for (const Menu& menu : menus) {
        QMenu* qmenu = bar->addMenu(QString());
        qmenu->setObjectName(QString::fromUtf8(menu.Name));
        qmenu->menuAction()->setObjectName(QString::fromUtf8(menu.Name));
        menuTexts.emplace_back(qmenu->menuAction(), menu.Caption);
        for (const auto& [name, caption] : menu.Items) {
            QAction* item = qmenu->addAction(QString());
            item->setObjectName(QString::fromUtf8(name));
            menuTexts.emplace_back(item, caption);
        }
    }
    // "まえの つづきを ひらく" is there while some work set aside is.
    QMenu* file = bar->findChild<QMenu*>(QStringLiteral("FileMenu"));
    QAction* setAside = file->findChild<QAction*>(QStringLiteral("OpenSetAside"));
    connect(file, &QMenu::aboutToShow, this,
            [this, setAside] { setAside->setVisible(form.SetAsideWorkThere()); });
    BuildWordsMenu(bar);
}

void MainWindow::BuildWordsMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("LanguageMenu"));
    menuTexts.emplace_back(menu->menuAction(), texts::LanguageMenu);
    auto* group = new QActionGroup(menu);
    const std::pair<TWordSet, const char*> sets[] = {{TWordSet::Kanji, texts::KanjiSet},
                                                     {TWordSet::Hiragana, texts::HiraganaSet},
                                                     {TWordSet::English, texts::EnglishSet}};
    for (const auto& [set, caption] : sets) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(QStringLiteral("Words%1").arg(static_cast<int>(set)));
        item->setCheckable(true);
        group->addAction(item);
        menuTexts.emplace_back(item, caption);
        wordSetItems.emplace_back(item, set);
        connect(item, &QAction::triggered, this, [this, set = set] { UseWords(set, true); });
    }
}

void MainWindow::UseWords(TWordSet set, bool keep) {
    words.Use(set);
    if (keep) Words::Keep(set);
    // The only way the words change: shown here once, not at each of Qt's notices.
    ShowWords();
}

void MainWindow::ShowWords() {
    for (const auto& [action, text] : menuTexts)
        action->setText(Tr(text));
    for (const auto& [action, set] : wordSetItems)
        action->setChecked(set == words.Current());
    // Every caption and hint is shown anew.
    for (Binding& binding : bindings)
        binding.Shown = false;
    RefreshAll();
}

} // namespace murva::qt
