#include "qt/material_picker.h"

#include "anim/material_library.h"
#include "qt/qt_graphics.h"
#include "qt/words.h"
#include "ui/texts.h"

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

MaterialPicker::MaterialPicker(QWidget* parent, const std::vector<TLibraryKind>& library)
    : QDialog(parent) {
    setObjectName(QStringLiteral("MaterialPicker"));
    setWindowTitle(Tr(texts::PickerTitle));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("MaterialKinds"));
    const auto names = std::min<std::size_t>(static_cast<std::size_t>(Words::Spoken()), 2);
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
            button->setText(QString::fromStdString(material.Names[names]));
            button->setAutoRaise(true);
            connect(button, &QToolButton::clicked, this, [this, path = material.Path] {
                choice = {TMaterialChoice::TKind::Material, path};
                accept();
            });
            grid->addWidget(button, k / Columns, k % Columns);
            ++k;
        }
        auto* scroll = new QScrollArea;
        scroll->setWidget(page);
        scroll->setWidgetResizable(true);
        tabs->addTab(scroll, Tr(kind.Name));
    }
    auto* other = new QPushButton(Tr(texts::OtherFileButton), this);
    other->setObjectName(QStringLiteral("OtherFile"));
    connect(other, &QPushButton::clicked, this, [this] {
        choice = {TMaterialChoice::TKind::OtherFile, {}};
        accept();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(other, 0, Qt::AlignRight);
    resize(Columns * (PictureSize + 30) + 60, 2 * (PictureSize + 40) + 120);
}

TMaterialChoice PickMaterial(QWidget* parent, const std::vector<TLibraryKind>& library) {
    MaterialPicker picker(parent, library);
    picker.exec();
    return picker.Choice();
}

} // namespace murva::qt
