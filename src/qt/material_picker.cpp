#include "qt/material_picker.h"

#include "anim/material_library.h"
#include "qt/qt_graphics.h"
#include "qt/words.h"
#include "ui/texts.h"

#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace murva::qt {

namespace {

constexpr int PictureSize = 96;
constexpr int Columns = 5;

QIcon PreviewOf(const std::string& path, qreal ratio) {
    const int pixels = static_cast<int>(PictureSize * ratio);
    QtBitmap picture(pixels, pixels);
    QtGraphics graphics;
    PaintFilePreview(path, picture, graphics);
    QPixmap pixmap = QPixmap::fromImage(picture.Image());
    pixmap.setDevicePixelRatio(ratio);
    return QIcon(pixmap);
}

} // namespace

TMaterialChoice PickMaterial(QWidget* parent, const std::vector<TLibraryKind>& library) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("MaterialPicker"));
    dialog.setWindowTitle(Tr(texts::PickerTitle));
    TMaterialChoice choice;
    auto* tabs = new QTabWidget(&dialog);
    tabs->setObjectName(QStringLiteral("MaterialKinds"));
    const auto names = static_cast<std::size_t>(Words::Spoken());
    const qreal ratio = parent ? parent->devicePixelRatioF() : 1;
    for (const TLibraryKind& kind : library) {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        int k = 0;
        for (const TLibraryMaterial& material : kind.Materials) {
            auto* button = new QToolButton(page);
            button->setObjectName(QStringLiteral("Material_%1_%2").arg(kind.Folder).arg(k));
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            button->setIcon(PreviewOf(material.Path, ratio));
            button->setIconSize({PictureSize, PictureSize});
            button->setText(
                QString::fromStdString(material.Names[std::min<std::size_t>(names, 2)]));
            button->setAutoRaise(true);
            QObject::connect(button, &QToolButton::clicked, &dialog, [&, path = material.Path] {
                choice = {TMaterialChoice::TKind::Material, path};
                dialog.accept();
            });
            grid->addWidget(button, k / Columns, k % Columns);
            ++k;
        }
        auto* scroll = new QScrollArea;
        scroll->setWidget(page);
        scroll->setWidgetResizable(true);
        tabs->addTab(scroll, Tr(kind.Name));
    }
    auto* other = new QPushButton(Tr(texts::OtherFileButton), &dialog);
    other->setObjectName(QStringLiteral("OtherFile"));
    QObject::connect(other, &QPushButton::clicked, &dialog, [&] {
        choice = {TMaterialChoice::TKind::OtherFile, {}};
        dialog.accept();
    });
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(tabs);
    layout->addWidget(other, 0, Qt::AlignRight);
    dialog.resize(Columns * (PictureSize + 30) + 60, 2 * (PictureSize + 40) + 120);
    dialog.exec();
    return choice;
}

} // namespace murva::qt
