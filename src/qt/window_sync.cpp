// Showing the control models in the widgets. Only what changed since the last refresh is
// touched, so that a run, which presents hundreds of frames, stays cheap.

#include "qt/main_window.h"
#include "qt/qt_graphics.h"
#include "qt/words.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

namespace murva::qt {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

void MainWindow::Sync(Binding& b) {
    const TControl& c = *b.Control;
    QWidget* w = b.Widget;
    const bool all = !b.Shown;
    const TControl& last = b.Last;

    if (all || c.Visible != last.Visible) w->setVisible(c.Visible);
    if (all || c.Enabled != last.Enabled) w->setEnabled(c.Enabled);
    if (all || c.Hint != last.Hint) w->setToolTip(Tr(c.Hint));
    if (all || c.Caption != last.Caption) {
        switch (b.Kind) {
        case TWidgetKind::Panel:
            static_cast<PanelWidget*>(w)->SetText(Tr(c.Caption));
            break;
        case TWidgetKind::Group:
            static_cast<QGroupBox*>(w)->setTitle(Tr(c.Caption));
            break;
        case TWidgetKind::Button:
        case TWidgetKind::Radio:
            static_cast<QAbstractButton*>(w)->setText(Tr(c.Caption));
            // A glyph button with a caption shows the caption in place of its glyph
            // (the play buttons' "とめる" during a run).
            if (auto* glyph = qobject_cast<QToolButton*>(w))
                glyph->setToolButtonStyle(c.Caption.empty() ? Qt::ToolButtonIconOnly
                                                            : Qt::ToolButtonTextOnly);
            break;
        default:
            break;
        }
    }
    if (b.Kind == TWidgetKind::Panel && (all || c.Color != last.Color))
        static_cast<PanelWidget*>(w)->SetColor(ToQColor(c.Color));
    if (b.Kind == TWidgetKind::Panel && c.Bevel != TBevel::None &&
        (all || c.Bevel != last.Bevel || c.BevelWidth != last.BevelWidth))
        static_cast<PanelWidget*>(w)->SetBevel(c.Bevel, c.BevelWidth);

    if (b.Button) {
        // Compared with the button itself: a click toggles it before the model decides.
        auto* button = static_cast<QAbstractButton*>(w);
        if (button->isCheckable() && button->isChecked() != b.Button->Down) {
            const QSignalBlocker blocker(button);
            button->setChecked(b.Button->Down);
        }
    }
    if (b.Edit) {
        auto* edit = static_cast<QLineEdit*>(w);
        const QString text = Q(b.Edit->Text);
        // Compared with the box itself: the user may have typed since the last refresh.
        if (edit->text() != text) {
            const QSignalBlocker blocker(edit);
            edit->setText(text);
        }
    }
    if (b.Track) {
        const TTrackBar& track = *b.Track;
        auto* slider = static_cast<QSlider*>(w);
        if (all || track.Min != b.LastMin || track.Max != b.LastMax ||
            track.Position() != b.LastPosition || slider->value() != track.Position()) {
            const QSignalBlocker blocker(slider);
            slider->setRange(track.Min, track.Max);
            slider->setValue(track.Position());
            if (slider->tickPosition() != QSlider::NoTicks)
                slider->setTickInterval(std::max(1, (track.Max - track.Min) / 16));
            b.LastMin = track.Min;
            b.LastMax = track.Max;
            b.LastPosition = track.Position();
        }
    }
    b.Last = c;
    b.Shown = true;
}

void MainWindow::SyncCaption() {
    if (captionShown && shownCaption == form.Caption) return;
    setWindowTitle(Q(form.Caption));
    shownCaption = form.Caption;
    captionShown = true;
}

} // namespace murva::qt
