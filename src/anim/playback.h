#pragma once
// Watching: the two buttons that switch between making and watching, a run of the
// current cut, a run of every cut, and the scrub to the step the play bar shows. A run or
// scrub moves copies of its own and paints them in place of the start copies; the
// document's figures stay as they are.

#include "anim/anim_state.h"
#include "anim/filming.h"
#include "anim/motion_steps.h"
#include "ui/painter.h"

#include <functional>
#include <vector>

namespace murva {

class TPlayback {
public:
    TPlayback(TDocument& doc, TShellState& shell, TCutState& cuts, TWindowControls& controls,
              Host& host, TPainter& painter, TMotionState& motion, TPlaybackState& playback)
        : Doc(doc), Shell(shell), Cuts(cuts), C(controls), Platform(host), Painter(painter),
          Motion(motion), Playback(playback) {}

    // "うごかす" and "つくる".
    void SelectMoveBtnClick();
    void SelectMakeBtnClick();
    // One run of the current cut, kept to the clock of the speed profile; during a run,
    // the button stops it.
    void PlayButtonClick();
    // A run of every cut, one after another; during a run, the button stops it.
    void AllPlayButtonClick();
    // The run in progress ends at the step it has reached, as if it had ended there.
    void StopRun();
    // The same, shown in the window, or filmed.
    void PlayCut(TFilming* filming);
    void PlayAll(TFilming* filming);
    // How long a run of one cut lasts, in milliseconds.
    double RunMilliseconds() const;
    // Films what `film` runs off the screen, nothing selected; afterwards the window shows
    // the same cut in the same state, the play bar at its start.
    void FilmOffScreen(const std::function<void()>& film);
    // The play bar moved: the picture at its step.
    void PlayBarChange();
    // Runs `run` as the run in progress, which StopRun may end early.
    void Run(const std::function<void()>& run);
    // The moving copies of the run or scrub in progress, in list order; none between them.
    const std::vector<TMotion>& Motions() const { return CurrentMotions; }

private:
    // The start copies of the current cut, each set up to move towards its end copy.
    void SetUpMotions(TStepKind kind);
    // The field with the moving copies in place of their start copies.
    void PaintFrame(const TFilming* filming = nullptr);
    // The field keeps showing the last frame; its copies are let go.
    void EndMotions();

    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    TWindowControls& C;
    Host& Platform;
    TPainter& Painter;
    TMotionState& Motion;
    TPlaybackState& Playback;
    std::vector<TMotion> CurrentMotions;
    // Their figures, as the painter takes them.
    std::vector<const TFigData*> ShownFigures;
};

} // namespace murva
