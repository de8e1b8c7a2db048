#pragma once
// What the core asks of the platform: message boxes, file dialogs, showing what changed,
// the window's place in front, the clock and the end of the process.

#include "ui/material_choice.h"

#include <cstdint>
#include <optional>
#include <string>

namespace murva {

// YesNoOrClose: はい and いいえ, and closing the box (Escape, its close button) answers
// Cancel: "ask me later". Otherwise closing answers Cancel when offered, else No.
enum class TQuestionButtons { YesNo, YesNoCancel, YesNoOrClose };
enum class TAnswer { Yes, No, Cancel };

struct TFileDialog {
    // Description and pattern pairs separated by '|', as "JPEG（*.jpg）|*.jpg".
    std::string Filter;
    // 1-based index of the filter offered first.
    int FilterIndex = 1;
    // Added to a chosen name without an extension; empty for none.
    std::string DefaultExt;
    std::string InitialName;
    // The folder the dialog opens in; empty: the folder of the last file chosen.
    std::string Folder;
};

struct TLocalTime {
    std::int32_t Year = 0;
    int Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// Thrown by Host::ExitProcess: the process is to end with this code. The front end
// catches it at the edge of every event and ends the program.
struct TProcessExit {
    int Code = 0;
};

// The text with its "%1" standing for `filling`.
inline std::string Filled(std::string text, const std::string& filling) {
    if (const std::size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, filling);
    return text;
}

class Host {
public:
    virtual ~Host() = default;
    // A notice with an OK button. The text is one of the program's texts, shown in the
    // chosen set of words; "%1" in it stands for `filling` (a file name, say).
    virtual void ShowMessage(const std::string& text, const std::string& filling = {}) = 0;
    // A question with the question icon; Enter gives the default answer.
    virtual TAnswer Ask(const std::string& text, const std::string& caption,
                        TQuestionButtons buttons, TAnswer defaultAnswer = TAnswer::Yes) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<std::string> OpenDialog(const TFileDialog& dialog) = 0;
    virtual std::optional<std::string> SaveDialog(const TFileDialog& dialog) = 0;
    // Something the window shows has changed. Cheap, and may be said many times in one
    // event: the window catches up once, when the event ends.
    virtual void Invalidate() = 0;
    // Shows one frame of a run now, inside the event: the changed pictures and controls.
    virtual void PresentFrame() = 0;
    // A clock for the pace of a run, in milliseconds, that never goes back.
    virtual double Milliseconds() = 0;
    // Waits until the clock reaches the time, keeping the window painted and taking no
    // input; returns at once when the time has passed.
    virtual void WaitUntil(double milliseconds) = 0;
    // A film being made: `done` of `total` pictures, told in a progress window over the
    // window (the text's "%1" and "%2") with a stop button; the window stays painted and
    // takes no other input. False once the user asked to stop. EndProgress closes it.
    virtual bool Progress(const std::string& text, std::int64_t done, std::int64_t total) {
        (void)text, (void)done, (void)total;
        return true;
    }
    virtual void EndProgress() {}
    // The folder of the library of ready materials; empty when there is none.
    virtual std::string MaterialFolder() { return {}; }
    // The picker of ready materials, by kind.
    virtual TMaterialChoice ChooseMaterial(const std::vector<TLibraryKind>& library) {
        (void)library;
        return {TMaterialChoice::TKind::OtherFile, {}};
    }
    // One of the program's texts as the chosen set of words says it, "%1" standing for
    // `filling`, for what the program writes into files for people to read (a storyboard's
    // words, a suggested file name).
    virtual std::string InWords(const std::string& text, const std::string& filling = {}) {
        return Filled(text, filling);
    }
    virtual void BringToFront() = 0;
    virtual TLocalTime Now() = 0;
    // The folder where the recovery journal is kept; empty: no journal.
    virtual std::string StateFolder() { return {}; }
    // Ends the process with the code: throws TProcessExit, never returns.
    [[noreturn]] void ExitProcess(int code) { throw TProcessExit{code}; }
};

} // namespace murva
