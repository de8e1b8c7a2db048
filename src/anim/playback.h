#pragma once
// Watching: the two buttons that switch between making and watching, a run of the
// current cut, a run of every cut, and the scrub to the step the play bar shows. Only
// start copies move, and each is put back as it was when the run or scrub ends.

#include "anim/anim_state.h"
#include "anim/motion_steps.h"
#include "ui/services.h"

#include <functional>
#include <vector>

namespace murva {

// Takes the pictures of a run instead of showing it: one at every Interval milliseconds
// of the run's clock, and the last, with the field painted as watching shows it.
struct TFilming {
    double Interval = 40;
    std::function<void()> Take;
};

class TPlayback {
public:
    TPlayback(TServices& services, TMotionState& motion, TPlaybackState& playback)
        : App(services), Motion(motion), Playback(playback) {}

    // "うごかす" and "つくる".
    void SelectMoveBtnClick();
    void SelectMakeBtnClick();
    // One run of the current cut, kept to the clock of the speed profile.
    void PlayButtonClick() { PlayCut(nullptr); }
    // A run of every cut, one after another.
    void AllPlayButtonClick() { PlayAll(nullptr); }
    // The same, shown in the window, or filmed.
    void PlayCut(const TFilming* filming);
    void PlayAll(const TFilming* filming);
    // The play bar moved: the picture at its step.
    void PlayBarChange();

private:
    // A start copy of the current cut that moves, with what it was before.
    struct TMover {
        TFigItem* Item;
        TFigData Before;
        const TFigData* StampBase;
    };
    std::vector<TMover> SetUpMovers(TStepKind kind);
    static void PutBack(std::vector<TMover>& movers);
    // The making panels, or the watching ones.
    void ShowPanels(bool watching);

    TServices& App;
    TMotionState& Motion;
    TPlaybackState& Playback;
};

} // namespace murva
