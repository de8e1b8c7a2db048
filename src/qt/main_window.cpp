#include "qt/main_window.h"

#include "app/texts.h"
#include "qt/qt_graphics.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QThread>
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
    // The layout is fixed: the window is exactly the menu bar over the client area.
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    move(0, 0);
    RefreshAll();
}

MainWindow::~MainWindow() = default;

void MainWindow::Dispatch(const std::function<void()>& call) {
    // Once the program is ending, nothing more reaches the form.
    if (exitCode) return;
    try {
        call();
    } catch (const TProcessExit& exit) {
        EndProgram(exit.Code);
        return;
    } catch (const std::exception& error) {
        try {
            form.GetHost().ShowMessage(error.what());
        } catch (const TProcessExit& exit) {
            EndProgram(exit.Code);
            return;
        } catch (...) {
        }
    }
    RefreshAll();
}

void MainWindow::EndProgram(int code) {
    exitCode = code;
    // Before the event loop runs (start-up), the entry point reads the code itself.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(code);
}

void MainWindow::RefreshAll() {
    for (Binding& binding : bindings)
        Sync(binding);
    SyncCaption();
    // The pictures may have changed with any handler.
    for (ImageWidget* image : images)
        image->update();
}

void MainWindow::Present() {
    for (Binding& binding : bindings)
        Sync(binding);
    SyncCaption();
    // At once, not at the next turn of the event loop: a run presents many frames inside
    // one handler and each must reach the screen.
    for (ImageWidget* image : presented)
        if (image->isVisible()) image->repaint();
}

void MainWindow::ConnectClick(QAbstractButton* widget, TButtonControl& control,
                              std::function<void()> handler) {
    connect(widget, &QAbstractButton::clicked, this, [this, &control, handler] {
        Dispatch([this, &control, &handler] {
            for (const auto& group : radioGroups) {
                if (std::find(group.begin(), group.end(), &control) == group.end()) continue;
                for (TButtonControl* member : group)
                    member->Down = member == &control;
            }
            if (handler) handler();
        });
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The toolkit never closes the window: the form's close query ends the program.
    event->ignore();
    Dispatch([this] { form.FormCloseQuery(); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = LocalFiles(event->mimeData());
    if (paths.empty()) return;
    event->acceptProposedAction();
    Dispatch([this, &paths] { form.WMDropFiles(paths); });
}

void MainWindow::BuildMenu() {
    struct Item {
        const char* Name;
        const char* Caption;
        std::function<void()> Handler;
    };
    struct Menu {
        const char* Name;
        const char* Caption;
        std::vector<Item> Items;
    };
    namespace t = texts;
    // Commands whose handlers the form does not have yet (MurvaLoadClick, ZindaLoadClick,
    // N3Click): the items are there and do nothing until the handlers land.
    const std::function<void()> awaitingHandler;
    const std::vector<Menu> menus = {
        {"FileMenu",
         t::FileMenu,
         {{"MurvaSave", t::MurvaSave, [this] { form.MurvaSaveClick(); }},
          {"MurvaOverSave", t::MurvaOverSave, [this] { form.MurvaOverSaveClick(); }},
          {"MurvaLoad", t::MurvaLoad, awaitingHandler},
          {"ZindaLoad", t::ZindaLoad, awaitingHandler},
          {"ExitMenu", t::ExitMenu, [this] { form.ExitMenuClick(); }}}},
        {"N2",
         t::ViewMenu,
         {{"ReadBGMenu", t::ReadBGMenu, [this] { form.ReadBGMenuClick(); }},
          {"ClearBGMenu", t::ClearBGMenu, [this] { form.ClearMenuClick(); }},
          {"N3", t::ClearAllMenu, awaitingHandler}}},
        {"N4", t::ToolMenu, {{"JPG1", t::JPEGMenu, [this] { form.Save2JPEGMenuClick(); }}}},
    };

    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("ZindaMenu"));
    // The menu stays in the window, where the layout expects it, on every desktop.
    bar->setNativeMenuBar(false);
    setMenuBar(bar);
    for (const Menu& menu : menus) {
        QMenu* qmenu = bar->addMenu(QString::fromUtf8(menu.Caption));
        qmenu->setObjectName(QString::fromUtf8(menu.Name));
        qmenu->menuAction()->setObjectName(QString::fromUtf8(menu.Name));
        for (const Item& item : menu.Items) {
            QAction* action = qmenu->addAction(QString::fromUtf8(item.Caption));
            action->setObjectName(QString::fromUtf8(item.Name));
            if (item.Handler)
                connect(action, &QAction::triggered, this,
                        [this, handler = item.Handler] { Dispatch(handler); });
        }
    }
}

} // namespace murva::qt
