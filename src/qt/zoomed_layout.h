#pragma once
// A fixed layout shown at a zoom: every widget under a root keeps the place, the font size
// and the icon size the layout gave it, times the zoom, so that the whole design scales
// together; glyphs are painted anew at their new size, and pictures at device pixels.

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace murva::qt {

class ZoomedLayout {
public:
    // Takes the layout as it stands now under `root` as the design at zoom 1. The root's
    // window takes the font: the menu bar and every widget that has none of its own.
    explicit ZoomedLayout(QWidget* root);
    // Layout pixels to logical pixels; device pixels per layout pixel are this times the
    // screen's scale.
    void Apply(double zoom);
    double Zoom() const { return zoom; }

private:
    struct Laid {
        QPointer<QWidget> Widget;
        QRect Place;
        bool Fixed = false;
        // Its own font's pixel size; 0 when it takes its parent's.
        int FontPixels = 0;
        QSize IconSize;
    };
    QPointer<QWidget> root;
    QSize rootSize;
    int windowFontPixels = 12;
    std::vector<Laid> laid;
    double zoom = 1;
};

} // namespace murva::qt
