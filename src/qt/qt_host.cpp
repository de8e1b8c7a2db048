#include "qt/qt_host.h"

#include "anim/material_library.h"
#include "qt/material_picker.h"
#include "qt/qt_graphics.h"
#include "qt/words.h"
#include "ui/texts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>

namespace murva::qt {

namespace {

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// "Murva" in the pictures folder (else in the home folder), made when first needed; the
// folder it would be in when it cannot be made.
QString WorkFolder() {
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty() || !QDir(pictures).exists()) pictures = QDir::homePath();
    const QString murva = pictures + QStringLiteral("/Murva");
    return QDir().mkpath(murva) ? murva : pictures;
}

// The extension of a filter's first pattern, "webm" for "WebM (*.webm)"; empty for none.
QString SuffixOf(const QString& filter) {
    const qsizetype at = filter.lastIndexOf(QStringLiteral("(*."));
    const qsizetype end = filter.indexOf(QLatin1Char(')'), at);
    return at >= 0 && end > at ? filter.mid(at + 3, end - at - 3).section(QLatin1Char(' '), 0, 0)
                               : QString();
}

} // namespace

QStringList ToNameFilters(const std::string& filter) {
    const QStringList parts = Tr(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')');
    }
    return filters;
}

void QtHost::AttachWindow(QWidget* w, std::function<void()> changed, std::function<void()> frame,
                          std::function<void()> present) {
    window = w;
    invalidate = std::move(changed);
    presentFrame = std::move(frame);
    presentWindow = std::move(present);
}

void QtHost::PresentWindowFirst() {
    if (!window) return;
    // A box at start-up (a question about a file's background, say) appears over the
    // window, not over an empty screen.
    if (!window->isVisible()) window->show();
    // A box opened in the middle of a call stands over what the call has done so far.
    if (presentWindow) presentWindow();
}

void QtHost::ShowMessage(const std::string& text, const std::string& filling) {
    PresentWindowFirst();
    QMessageBox box(window);
    box.setWindowTitle(Q(texts::ApplicationName));
    // File names and reader messages are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(Q(InWords(text, filling)));
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(Tr(texts::ButtonOK), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

TAnswer QtHost::Ask(const std::string& text, const std::string& caption, TQuestionButtons buttons,
                    TAnswer defaultAnswer) {
    PresentWindowFirst();
    QMessageBox box(window);
    box.setWindowTitle(Tr(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(Tr(text));
    box.setIcon(QMessageBox::Question);
    QPushButton* yes = box.addButton(Tr(texts::ButtonYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Tr(texts::ButtonNo), QMessageBox::NoRole);
    QPushButton* cancel = nullptr;
    if (buttons == TQuestionButtons::YesNoCancel)
        cancel = box.addButton(Tr(texts::ButtonCancel), QMessageBox::RejectRole);
    if (buttons == TQuestionButtons::YesNoOrClose) {
        // Closing says neither: a button of its own, never shown, takes Escape and the close box.
        cancel = box.addButton(QString(), QMessageBox::RejectRole);
        cancel->hide();
    }
    box.setDefaultButton(defaultAnswer == TAnswer::Yes                ? yes
                         : defaultAnswer == TAnswer::Cancel && cancel ? cancel
                                                                      : no);
    // Closing the box is the safe answer: Cancel when offered, otherwise No.
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == yes) return TAnswer::Yes;
    if (cancel && (clicked == cancel || !clicked)) return TAnswer::Cancel;
    return TAnswer::No;
}

void QtHost::AddPreview(QFileDialog& dialog) {
    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("FilePreview"));
    const qreal ratio = dialog.devicePixelRatioF();
    preview->setFixedSize(PreviewWidth + 4, PreviewHeight + 4);
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setAlignment(Qt::AlignCenter);
    // Qt's own dialog lays itself out in a grid: the picture goes beside the list.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), 1, 1, Qt::AlignTop);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview, ratio](const QString& path) {
                         QtBitmap picture(static_cast<int>(PreviewWidth * ratio),
                                          static_cast<int>(PreviewHeight * ratio));
                         QtGraphics graphics;
                         // A very large file would hold the dialog up: no picture.
                         const QFileInfo file(path);
                         if (file.isFile() && file.size() < PreviewLargestFile &&
                             PaintFilePreview(path.toStdString(), picture, graphics)) {
                             QPixmap pixmap = QPixmap::fromImage(picture.Image());
                             pixmap.setDevicePixelRatio(ratio);
                             preview->setPixmap(pixmap);
                         } else {
                             preview->clear();
                         }
                     });
}

std::optional<std::string> QtHost::RunFileDialog(const TFileDialog& request, bool save) {
    PresentWindowFirst();
    QFileDialog dialog(window);
    // Qt's own dialog behaves the same on every desktop and can be driven in tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    // The program asks its own overwrite question where one is due.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setWindowTitle(Tr(save ? texts::SaveDialogTitle : texts::OpenDialogTitle));
    dialog.setLabelText(QFileDialog::Accept, Tr(save ? texts::DialogSave : texts::DialogOpen));
    dialog.setLabelText(QFileDialog::Reject, Tr(texts::ButtonCancel));
    dialog.setLabelText(QFileDialog::FileName, Tr(texts::DialogFileName));
    dialog.setLabelText(QFileDialog::FileType, Tr(texts::DialogFileType));
    dialog.setLabelText(QFileDialog::LookIn, Tr(texts::DialogLookIn));

    const QStringList filters = ToNameFilters(request.Filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype index = std::clamp<qsizetype>(request.FilterIndex, 1, filters.size()) - 1;
        dialog.selectNameFilter(filters[index]);
    }
    if (!request.DefaultExt.empty()) {
        dialog.setDefaultSuffix(Q(request.DefaultExt));
        // Another type chosen ("WebM" for "MP4"): a name typed without an extension takes
        // that type's. (Qt gives a typed name's extension the type's itself.)
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, filters](const QString& shown) {
                             // The filter shown is its description: its patterns follow it.
                             for (const QString& filter : filters)
                                 if (filter.startsWith(shown) && !SuffixOf(filter).isEmpty())
                                     return dialog.setDefaultSuffix(SuffixOf(filter));
                         });
    }
    // The folder asked for; else, to save, the folder for saved work; else where the last
    // file was chosen; else the current one.
    const QString folder = !request.Folder.empty() ? QFileInfo(Q(request.Folder)).absoluteFilePath()
                           : save                  ? WorkFolder()
                           : !lastFolder.isEmpty() ? lastFolder
                                                   : QDir::currentPath();
    dialog.setDirectory(folder);
    if (!request.InitialName.empty()) dialog.selectFile(Q(request.InitialName));
    if (!save) AddPreview(dialog);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    lastFolder = QFileInfo(chosen.front()).absolutePath();
    return chosen.front().toStdString();
}

std::optional<std::string> QtHost::OpenDialog(const TFileDialog& dialog) {
    return RunFileDialog(dialog, false);
}

std::optional<std::string> QtHost::SaveDialog(const TFileDialog& dialog) {
    return RunFileDialog(dialog, true);
}

void QtHost::Invalidate() {
    if (invalidate) invalidate();
}

void QtHost::PresentFrame() {
    if (presentFrame) presentFrame();
}

double QtHost::Milliseconds() {
    if (!clock.isValid()) clock.start();
    return clock.nsecsElapsed() / 1e6;
}

void QtHost::WaitUntil(double milliseconds) {
    // The window stays painted (and may be uncovered) while it waits, and takes clicks
    // and keys: the window lets those that stop the run reach the form and drops the rest,
    // so that none is kept for after the run.
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const double left = milliseconds - Milliseconds();
        if (left <= 0) return;
        QThread::usleep(static_cast<unsigned long>(std::min(left, 4.0) * 1000));
    } while (Milliseconds() < milliseconds);
}

QtHost::QtHost() = default;
QtHost::~QtHost() = default;

bool QtHost::Progress(const std::string& text, std::int64_t done, std::int64_t total) {
    if (!progress) {
        PresentWindowFirst();
        progress = std::make_unique<QProgressDialog>(window);
        progress->setObjectName(QStringLiteral("FilmProgress"));
        progress->setWindowTitle(Q(texts::ApplicationName));
        progress->setCancelButtonText(Tr(texts::StopRun));
        // Over the window, which stays painted and takes no input meanwhile.
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setAutoReset(false);
        progress->setAutoClose(false);
        progress->setRange(0, 1000);
    }
    progress->setLabelText(Tr(text).arg(done).arg(total));
    progress->setValue(static_cast<int>(done * 1000 / std::max<std::int64_t>(total, 1)));
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !progress->wasCanceled();
}

void QtHost::EndProgress() {
    progress.reset();
}

std::string QtHost::InWords(const std::string& text, const std::string& filling) {
    return (filling.empty() ? Tr(text) : Tr(text).arg(Q(filling))).toStdString();
}

void QtHost::BringToFront() {
    if (!window) return;
    window->raise();
    window->activateWindow();
}

std::string QtHost::StateFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative path does not count, as the base directory rules say.
    if (state.isEmpty() || !state.startsWith(QLatin1Char('/')))
        state = qEnvironmentVariable("HOME") + QStringLiteral("/.local/state");
    if (!state.startsWith(QLatin1Char('/'))) return {};
    return (state + QStringLiteral("/murva")).toStdString();
}

std::string QtHost::MaterialFolder() {
    // Installed beside the program's prefix; else, run from its build, the source's.
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/murva/materials");
    for (const QString& folder : {installed, QStringLiteral(MURVA_SOURCE_DATA "/materials")})
        if (QFileInfo::exists(folder + QStringLiteral("/index.tsv")))
            return QFileInfo(folder).canonicalFilePath().toStdString();
    return {};
}

TMaterialChoice QtHost::ChooseMaterial(const std::vector<TLibraryKind>& library) {
    PresentWindowFirst();
    return PickMaterial(window, library);
}

TLocalTime QtHost::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

} // namespace murva::qt
