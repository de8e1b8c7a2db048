// The window at the zoom that fits its screen: the whole fixed layout scaled together,
// and the field and the thumbnails painted at the screen's device pixels.

#include "qt/main_window.h"
#include "ui/zoom.h"

#include <QMenuBar>
#include <QScreen>
#include <QWindow>

namespace murva::qt {

void MainWindow::Zoom(double zoom) {
    zoomed->Apply(zoom);
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    const double scale = zoom * devicePixelRatioF();
    Dispatch([this, scale] { form.ZoomChange(scale); });
}

void MainWindow::FitScreen() {
    QScreen* screen = this->screen();
    if (!screen) return;
    const qreal ratio = screen->devicePixelRatio();
    const QRect area = screen->availableGeometry();
    // The frame the window manager puts around the window, and the menu bar at zoom 1.
    const QSize frame = frameGeometry().size() - geometry().size();
    const int menu = static_cast<int>(std::lround(menuBar()->sizeHint().height() / CurrentZoom()));
    const TScreenArea available{static_cast<std::int32_t>(area.width() * ratio),
                                static_cast<std::int32_t>(area.height() * ratio), ratio};
    const double zoom = FittingZoom(ClientWidth, ClientHeight + menu,
                                    static_cast<std::int32_t>(frame.width() * ratio),
                                    static_cast<std::int32_t>(frame.height() * ratio), available);
    Zoom(zoom / ratio);
    // The whole window on the screen.
    const QRect placed = frameGeometry();
    move(std::clamp(placed.left(), area.left(),
                    std::max(area.left(), area.right() - placed.width())) +
             (pos().x() - placed.left()),
         std::clamp(placed.top(), area.top(),
                    std::max(area.top(), area.bottom() - placed.height())) +
             (pos().y() - placed.top()));
}

void MainWindow::FollowScreen() {
    FitScreen();
    const auto follow = [this](QScreen* screen) {
        if (followed) disconnect(followed, nullptr, this, nullptr);
        followed = screen;
        if (!screen) return;
        connect(screen, &QScreen::availableGeometryChanged, this, [this] { FitScreen(); });
        connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { FitScreen(); });
    };
    follow(screen());
    if (QWindow* handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this, [this, follow](QScreen* screen) {
            follow(screen);
            FitScreen();
        });
}

} // namespace murva::qt
