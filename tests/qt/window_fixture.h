#pragma once
// The real main window over a form on the scripted host, shown offscreen after start-up.

#include "qt/main_window.h"
#include "qt/qt_graphics.h"
#include "support/fake_host.h"

#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace murva::test {

struct WindowTest : ::testing::Test {
    FakeHost host;
    qt::QtGraphics graphics;
    TZindaForm form{host, graphics};
    std::unique_ptr<qt::MainWindow> window;

    void SetUp() override {
        window = std::make_unique<qt::MainWindow>(form);
        window->Dispatch([this] { form.FormCreate({}); });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QWidget* Client() const { return window->centralWidget(); }

    template <class W = QWidget> W* Find(const std::string& name) const {
        const auto found = window->findChildren<W*>(QString::fromStdString(name));
        return found.size() == 1 ? found.front() : nullptr;
    }

    // The place of a widget in the coordinates of the client area.
    QRect InClient(QWidget* widget) const {
        return QRect(widget->mapTo(Client(), QPoint(0, 0)), widget->size());
    }

    QColor PixelAt(QWidget* widget, QPoint at) const {
        return widget->grab().toImage().pixelColor(at);
    }
};

// Where the slider's handle is drawn now.
inline QRect HandleOf(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = option.sliderValue = slider->value();
    option.upsideDown = slider->orientation() == Qt::Horizontal ? slider->invertedAppearance()
                                                                : !slider->invertedAppearance();
    option.subControls = QStyle::SC_SliderHandle;
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                           slider);
}

} // namespace murva::test
