#pragma once
// A scripted host: queued answers and file names, every message recorded, and the
// end of the process turned into an exception (TProcessExit).

#include "ui/host.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace murva::test {

struct AskedQuestion {
    std::string Text;
    std::string Caption;
    TQuestionButtons Buttons;
    TAnswer Default;
};

class FakeHost : public Host {
public:
    std::vector<std::string> Messages;
    std::vector<AskedQuestion> Questions;
    std::deque<TAnswer> Answers; // an unscripted question is answered No
    std::vector<TFileDialog> OpenDialogs, SaveDialogs;
    std::deque<std::optional<std::string>> OpenResults, SaveResults; // empty: cancelled
    int Invalidations = 0;
    int Frames = 0;
    // Called for every change the window would catch up with, as the window does.
    std::function<void()> OnInvalidate;
    // Called when a question is asked, before it is answered.
    std::function<void()> OnAsk;
    // Called for every frame a run presents.
    std::function<void()> OnFrame;
    // Called at every step of a run, as it waits for the step's end.
    std::function<void()> OnWait;
    // The pace clock, in milliseconds: only waiting moves it, so a run takes no time.
    double Elapsed = 0;
    int BroughtToFront = 0;
    TLocalTime Clock{2011, 6, 14, 10, 5, 33, 270};

    // Recorded as the かんじ set shows it.
    void ShowMessage(const std::string& text, const std::string& filling = {}) override {
        Messages.push_back(Filled(text, filling));
    }
    TAnswer Ask(const std::string& text, const std::string& caption, TQuestionButtons buttons,
                TAnswer defaultAnswer) override {
        Questions.push_back({text, caption, buttons, defaultAnswer});
        if (OnAsk) OnAsk();
        if (Answers.empty()) return TAnswer::No;
        TAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::optional<std::string> OpenDialog(const TFileDialog& dialog) override {
        OpenDialogs.push_back(dialog);
        return Next(OpenResults);
    }
    std::optional<std::string> SaveDialog(const TFileDialog& dialog) override {
        SaveDialogs.push_back(dialog);
        return Next(SaveResults);
    }
    void Invalidate() override {
        ++Invalidations;
        if (OnInvalidate) OnInvalidate();
    }
    void PresentFrame() override {
        ++Frames;
        if (OnFrame) OnFrame();
    }
    double Milliseconds() override { return Elapsed; }
    void WaitUntil(double milliseconds) override {
        if (OnWait) OnWait();
        Elapsed = std::max(Elapsed, milliseconds);
    }
    // The last progress told, and the picture at which the user presses とめる (0: never).
    std::int64_t ProgressDone = 0, ProgressTotal = 0, StopAtPicture = 0;
    bool ProgressShown = false;
    bool Progress(const std::string&, std::int64_t done, std::int64_t total) override {
        ProgressDone = done;
        ProgressTotal = total;
        ProgressShown = true;
        return done != StopAtPicture;
    }
    void EndProgress() override { ProgressShown = false; }
    void BringToFront() override { ++BroughtToFront; }
    TLocalTime Now() override { return Clock; }
    // The recovery journal's folder; empty: none.
    std::string StateDir;
    std::string StateFolder() override { return StateDir; }
    // The library offered, and the picker's answers in turn (none left: closed).
    std::string MaterialDir;
    std::deque<TMaterialChoice> Choices;
    std::vector<std::size_t> PickerKinds;
    std::string MaterialFolder() override { return MaterialDir; }
    TMaterialChoice ChooseMaterial(const std::vector<TLibraryKind>& library) override {
        PickerKinds.push_back(library.size());
        if (Choices.empty()) return {};
        TMaterialChoice choice = Choices.front();
        Choices.pop_front();
        return choice;
    }

private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto result = queue.front();
        queue.pop_front();
        return result;
    }
};

} // namespace murva::test
