#pragma once
// The host on Qt: Japanese message boxes, Qt's own (non-native) file dialogs, presenting
// the window's pictures at once, and the local clock.

#include "app/host.h"

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
    // The window that dialogs belong to, and what presenting it means. Until a window is
    // attached, boxes have no parent and presenting does nothing.
    void AttachWindow(QWidget* window, std::function<void()> present);

    void ShowMessage(const std::string& text) override;
    TAnswer Ask(const std::string& text, const std::string& caption,
                TQuestionButtons buttons) override;
    std::optional<std::string> OpenDialog(const TFileDialog& dialog) override;
    std::optional<std::string> SaveDialog(const TFileDialog& dialog) override;
    void Present() override;
    void BringToFront() override;
    TLocalTime Now() override;

private:
    std::optional<std::string> RunFileDialog(const TFileDialog& dialog, bool save);
    QWidget* window = nullptr;
    std::function<void()> present;
};

} // namespace murva::qt
