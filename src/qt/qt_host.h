#pragma once
// The host on Qt: message boxes in the chosen set of words, Qt's own (non-native) file
// dialogs, showing what changed in the window, and the local clock.

#include "ui/host.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

class QFileDialog;

namespace murva::qt {

// "desc|pattern|desc|pattern", in the chosen set of words, as Qt name filters,
// "desc (pattern)"; patterns separated by ';' become separated by spaces. An odd last description
// without a pattern is dropped.
QStringList ToNameFilters(const std::string& filter);

class QtHost final : public Host {
public:
    QtHost();
    ~QtHost() override;
    // The window that dialogs belong to, what a change means to it, how it presents a
    // frame, and how it shows itself up to date before a box opens over it. Until a window
    // is attached, boxes have no parent and the others do nothing.
    void AttachWindow(QWidget* window, std::function<void()> invalidate,
                      std::function<void()> presentFrame, std::function<void()> presentWindow);

    void ShowMessage(const std::string& text, const std::string& filling = {}) override;
    TAnswer Ask(const std::string& text, const std::string& caption, TQuestionButtons buttons,
                TAnswer defaultAnswer = TAnswer::Yes) override;
    std::optional<std::string> OpenDialog(const TFileDialog& dialog) override;
    std::optional<std::string> SaveDialog(const TFileDialog& dialog) override;
    void Invalidate() override;
    void PresentFrame() override;
    double Milliseconds() override;
    void WaitUntil(double milliseconds) override;
    bool Progress(const std::string& text, std::int64_t done, std::int64_t total) override;
    void EndProgress() override;
    std::string InWords(const std::string& text, const std::string& filling = {}) override;
    void BringToFront() override;
    TLocalTime Now() override;
    // $XDG_STATE_HOME/murva, by default ~/.local/state/murva.
    std::string StateFolder() override;
    std::string MaterialFolder() override;
    TMaterialChoice ChooseMaterial(const std::vector<TLibraryKind>& library) override;

private:
    // Shows the attached window, as the state is now, before a box opens over it.
    void PresentWindowFirst();
    std::optional<std::string> RunFileDialog(const TFileDialog& dialog, bool save);
    // Beside an open dialog's list, a picture of the file chosen: a material, an
    // animation's first cut, a background.
    static constexpr int PreviewWidth = 160, PreviewHeight = 120;
    static constexpr qint64 PreviewLargestFile = qint64(32) << 20;
    static void AddPreview(QFileDialog& dialog);
    QWidget* window = nullptr;
    std::function<void()> invalidate;
    std::function<void()> presentFrame;
    std::function<void()> presentWindow;
    // The folder of the last file chosen in a dialog; empty before the first.
    QString lastFolder;
    QElapsedTimer clock;
    // The progress window of the film being made, while there is one.
    std::unique_ptr<QProgressDialog> progress;
};

} // namespace murva::qt
