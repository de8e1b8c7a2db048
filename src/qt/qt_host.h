#pragma once
// The host on Qt: Japanese message boxes, Qt's own (non-native) file dialogs, showing
// what changed in the window, and the local clock.

#include "ui/host.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace murva::qt {

// "desc|pattern|desc|pattern" as Qt name filters, "desc (pattern)"; patterns separated by
// ';' become separated by spaces. An odd last description without a pattern is dropped.
QStringList ToNameFilters(const std::string& filter);

class QtHost final : public Host {
public:
    // The window that dialogs belong to, what a change means to it and how it presents a
    // frame. Until a window is attached, boxes have no parent and the others do nothing.
    void AttachWindow(QWidget* window, std::function<void()> invalidate,
                      std::function<void()> presentFrame);

    void ShowMessage(const std::string& text) override;
    TAnswer Ask(const std::string& text, const std::string& caption, TQuestionButtons buttons,
                TAnswer defaultAnswer = TAnswer::Yes) override;
    std::optional<std::string> OpenDialog(const TFileDialog& dialog) override;
    std::optional<std::string> SaveDialog(const TFileDialog& dialog) override;
    void Invalidate() override;
    void PresentFrame() override;
    double Milliseconds() override;
    void WaitUntil(double milliseconds) override;
    void BringToFront() override;
    TLocalTime Now() override;

private:
    // Shows the attached window before a box when it is not shown yet.
    void ShowWindowFirst();
    std::optional<std::string> RunFileDialog(const TFileDialog& dialog, bool save);
    QWidget* window = nullptr;
    std::function<void()> invalidate;
    std::function<void()> presentFrame;
    QElapsedTimer clock;
};

} // namespace murva::qt
