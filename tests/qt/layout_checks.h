#pragma once
// Checks of a fixed layout: no two widgets of one parent overlap, none sticks out, and
// every caption fits its widget at the widget's font.

#include "qt/window_widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace murva::test {

// The caption a widget shows, whatever its kind.
inline QString ShownCaption(QWidget* widget) {
    if (auto* panel = qobject_cast<qt::PanelWidget*>(widget)) return panel->Text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return {};
}

// Widgets of one parent that may overlap: the picture under the paint box, the band
// under the film strip, and the size bar whose last row is the counter's first.
inline bool MayOverlap(const QString& a, const QString& b) {
    const auto pair = [&](const char* x, const char* y) {
        return (a == x && b == y) || (a == y && b == x);
    };
    return pair("BGImage", "PaintBox") || pair("HTrackBar", "CutDisplayPanel") ||
           pair("HTrackBar", "CutSelect") || pair("GroupBox3", "DrawBtn") || a == "Image1" ||
           b == "Image1";
}

inline void ExpectNoOverlapsAndTextsFit(QWidget* root) {
    QList<QWidget*> containers = root->findChildren<QWidget*>();
    containers.prepend(root);
    for (QWidget* parent : containers) {
        std::vector<QWidget*> shown;
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget || widget->objectName().isEmpty() || widget->isHidden() ||
                widget->isWindow())
                continue;
            if (qobject_cast<qt::PanelWidget*>(parent) || qobject_cast<QGroupBox*>(parent) ||
                parent == root)
                shown.push_back(widget);
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            QWidget* a = shown[i];
            EXPECT_TRUE(parent->rect().contains(a->geometry()))
                << a->objectName().toStdString() << " sticks out of its parent";
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                QWidget* b = shown[j];
                if (MayOverlap(a->objectName(), b->objectName())) continue;
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " overlaps "
                    << b->objectName().toStdString();
            }
            const QString text = ShownCaption(a);
            if (text.isEmpty()) continue;
            QFont font = a->font();
            int room = a->width() - 4;
            if (qobject_cast<QGroupBox*>(a)) {
                font.setBold(true); // as some styles draw the title
                room = a->width() - 16;
            }
            const QFontMetrics metrics(font);
            // Room for a radio button's or a check box's indicator, and a push button's icon.
            if (qobject_cast<QRadioButton*>(a) || qobject_cast<QCheckBox*>(a))
                room = a->width() - 22;
            if (auto* push = qobject_cast<QPushButton*>(a); push && !push->icon().isNull())
                room -= push->iconSize().width() + 4;
            EXPECT_LE(metrics.horizontalAdvance(text), room)
                << a->objectName().toStdString() << " cuts off \"" << text.toStdString() << "\"";
            EXPECT_LE(metrics.height(), a->height()) << a->objectName().toStdString();
        }
    }
}

} // namespace murva::test
