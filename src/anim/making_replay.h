#pragma once
// "できるまで": how the animation was made, replayed from an empty field to the present
// picture one user command at a time, paced, with the play bar following the commands.
// The log is replayed on a document of its own; afterwards the play bar steps through the
// commands until another input, and then the cuts are as they were.

#include "anim/anim_state.h"
#include "anim/playback.h"
#include "ui/painter.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace murva {

class TMakingReplay {
public:
    TMakingReplay(TDocument& doc, TCutState& cuts, TWindowControls& controls, Host& host,
                  TPainter& painter, TMotionState& motion, TPlaybackState& playback,
                  TPlayback& runs)
        : Doc(doc), Cuts(cuts), C(controls), Platform(host), Painter(painter), Motion(motion),
          Playback(playback), Runs(runs) {}

    // Shows the replay as a run, which the play buttons and Escape stop; during a run, the
    // button stops it. Afterwards the play bar steps through the commands.
    void MakingBtnClick();
    // The same, shown in the window or filmed; false after the message when the log holds
    // no command.
    bool Replay(TFilming* filming);
    // The play bar moved: while stepping through the replay, the picture after as many
    // commands as it shows; otherwise a run's picture at its step.
    void PlayBarChange();
    // Stepping through the replay ends (any other input does that): the window shows the
    // present picture, as before the replay, and the play bar counts a run's steps again.
    void EndSteps();
    // How long each picture stays: half a second, less when the replay would last more
    // than a minute.
    static double PictureMilliseconds(std::size_t pictures);
    // How long the replay lasts: a picture for the empty field and one for each command.
    double FilmMilliseconds() const;
    // The document whose picture the window shows: the replay's own during a replay.
    const TDocument& Shown() const { return Making ? *Making : Doc; }

private:
    // The replay's own document at the empty field, shown on the cut the user had.
    void Rewind();
    // The next command applied as replay applies it, and shown on its cut.
    void ApplyNextCommand();
    // The cuts of the figures that the actions from `first` to `last` name, in their
    // order, as the picture now has them: 0 for a figure not in it, or the cut of the
    // action's own copy of it when `orCopy`.
    static std::vector<std::int32_t> CutsNamedBy(TDocument& doc, const TActionItem* first,
                                                 const TActionItem* last, bool orCopy);
    // Shows the cut, on the strip when it is a cut.
    void ShowCut(std::int32_t cut);

    TDocument& Doc;
    TCutState& Cuts;
    TWindowControls& C;
    Host& Platform;
    TPainter& Painter;
    TMotionState& Motion;
    TPlaybackState& Playback;
    TPlayback& Runs;
    // During a replay and while stepping through it: the log replayed on a document of its
    // own (the user's is never touched), where each command ends, how many are applied, the
    // first action of the next, and the cuts as the user had them.
    std::unique_ptr<TDocument> Making;
    std::vector<std::int32_t> Ends;
    std::int32_t Applied = 0;
    TActionItem* Next = nullptr;
    TCutState UserCuts;
};

} // namespace murva
