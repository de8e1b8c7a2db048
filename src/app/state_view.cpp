// What the window shows about the document and the modes, computed from the state in
// this one place whenever the window is presented, so that it never drifts from what
// the document holds; and the pictures it shows painted anew at another zoom.

#include "app/zinda_form.h"

#include "model/cut_ranges.h"
#include "ui/texts.h"

#include <cstdio>

namespace murva {

void TZindaForm::ShowState() {
    const TShellState& shell = S.Shell;
    const TCutState& cuts = S.Cuts;
    Caption = shell.DataFileName.empty()
                  ? shell.VersionTitle
                  : shell.VersionTitle + texts::CaptionSeparator + shell.DataFileName;

    // The counter is written when the numbers change; what the child types into it stays
    // until then.
    if (ShownCounter != std::pair{cuts.CurrentCut, cuts.CutCount}) {
        ShownCounter = {cuts.CurrentCut, cuts.CutCount};
        char text[32];
        std::snprintf(text, sizeof text, "%d/%d", cuts.CurrentCut, cuts.CutCount);
        CutSelect.Text = text;
    }

    // The current cut's thumbnail is pressed in, with red holes; none when it is not on
    // the strip.
    const std::int32_t current = cuts.CurrentCut - cuts.StripOffset;
    const int marked = current >= 1 && current <= 5 && cuts.CurrentCut < FirstPartsSlot
                           ? static_cast<int>(current)
                           : 0;
    MarkThumbHoles(marked);
    for (int k = 1; k <= 5; ++k) {
        ImagePanels[k - 1].Bevel = k == marked ? TBevel::Lowered : TBevel::Raised;
        ImagePanels[k - 1].BevelWidth = k == marked ? 3 : 1;
    }
    CutCountDownBtn.Enabled = cuts.StripOffset > 0;

    ConfirmPanel.Color = shell.PickedColor;
    ConfirmPanel.Hint =
        shell.PickedColor == NoFillColor ? texts::NoFillChosenHint : texts::ColorChosenHint;

    // Any tool but the free one moves a figure in a straight line.
    MoveFreeBtn.Down = shell.CurrentTool == TMotionTool::MoveFree;
    MoveLineBtn.Down = !MoveFreeBtn.Down;

    // A run or a making replay takes no command.
    const bool running = S.Playback.Running;
    UndoBtn.Enabled = History.MayUndo() && !running;
    RedoBtn.Enabled = History.MayRedo() && !running;

    const bool watching = S.Playback.InMoveState;
    for (TControl* control :
         std::initializer_list<TControl*>{&ObjectPanel, &MovePanel, &CutPanel, &ColorBasePanel,
                                          &HTrackBar, &VTrackBar, &CutDisplayPanel, &CutSelect})
        control->Visible = !watching;
    PartsBox.Visible = !watching || S.Playback.MakingShown;
    // Shown while できるまで shows the making, the bin takes no command but while making.
    for (int k = 0; k < 5; ++k)
        PartsMoveBtns[k].Enabled = PartsRemoveBtns[k].Enabled = !watching;
    SpeedPanel.Visible = WatchPanel.Visible = watching;
    // The resize-mode button and the bars' labels go with the size bars.
    ShowResizeControls(shell.ResizeMode, !watching);
    PlayButton.Enabled = SelectMakeBtn.Enabled = watching;
    SelectMoveBtn.Enabled = !watching;
    // Materials are drawn while making, as they are loaded.
    DrawBtn.Enabled = !watching && !running;
    // During a run both play buttons stop it.
    for (TButtonControl* play : {&PlayButton, &AllPlayButton}) {
        play->Caption = running ? texts::StopRun : "";
        play->Hint = running ? texts::StopRun : "";
    }
}

void TZindaForm::ZoomChange(double scale) {
    if (!Painter.SetScale(scale)) return;
    // Watching shows the play bar's step; making, the cut as made.
    if (S.Shell.Mode == TMode::Watch)
        PlayBarChange();
    else
        Painter.PaintBoxPaint();
}

} // namespace murva
