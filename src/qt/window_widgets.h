#pragma once
// The small widgets of the main window that Qt has no ready equivalent for: coloured
// panels with a bevel and a centred caption, and image controls that show a bitmap of
// the form.

#include "ui/controls.h"

#include <QIcon>
#include <QWidget>

namespace murva::qt {

class PanelWidget final : public QWidget {
    Q_OBJECT
public:
    PanelWidget(QWidget* parent, TBevel bevel);
    void SetColor(const QColor& color);
    void SetBevel(TBevel kind, int width);
    TBevel Bevel() const { return bevel; }
    int BevelWidth() const { return bevelWidth; }
    QColor Color() const { return color; }
    void SetText(const QString& text);
    QString Text() const { return text; }
    // The no-fill field shows a red stroke over white.
    void SetNoFillMark(bool on);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TBevel bevel;
    int bevelWidth = 1;
    QColor color;
    QString text;
    bool noFillMark = false;
    bool pressed = false;
};

// Paints the picture of an image control of the form, unscaled from the top left.
// A widget that shows a picture of the layout's pixels, which a zoom scales.
class Zoomable {
public:
    virtual ~Zoomable() = default;
    // Logical pixels per layout pixel.
    virtual void SetZoom(double zoom) = 0;
};

class ImageWidget final : public QWidget, public Zoomable {
    Q_OBJECT
public:
    ImageWidget(QWidget* parent, const TImageControl& control);
    // The picture as painted now; a null image when the control has none.
    QImage Picture() const;
    // Logical pixels per picture pixel at zoom 1: the picture fills the widget, and the
    // mouse reports picture pixels at zoom 1 (the field's own).
    void SetZoom(double z) override { zoom = z; }
    // Whether the picture changed since the last call.
    bool TakeChange() {
        const bool changed = control.Version != shownVersion;
        shownVersion = control.Version;
        return changed;
    }

signals:
    void Pressed(int x, int y, Qt::MouseButton button);
    void Moved(int x, int y, Qt::MouseButtons buttons);
    void Released(int x, int y, Qt::MouseButton button);
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A thumbnail that takes the focus: Space or Enter clicks it, and the focus shows.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const TImageControl& control;
    std::uint64_t shownVersion = 0;
    double zoom = 1;
    QPoint Unzoomed(const QPointF& at) const;
};

// The client area under the menu bar; it draws the single border around the field.
class ClientArea final : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent);
    void SetFramed(QWidget* widget) { framed = widget; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* framed = nullptr;
};

// A button picture from the resources (":/glyphs/<name>.svg") drawn at the given size;
// a null icon when the drawing is missing or invalid.
QIcon GlyphIcon(const QString& name, QSize size, qreal devicePixelRatio);
// The property naming the glyph a button shows, so that a zoom paints it anew.
inline constexpr const char* GlyphProperty = "glyph";

} // namespace murva::qt
