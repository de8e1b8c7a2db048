#include "anim/playback.h"

#include "anim/pacing.h"
#include "ui/texts.h"

#include <algorithm>
#include <utility>

namespace murva {

void TPlayback::SelectMoveBtnClick() {
    if (Shell.Mode != TMode::Watch && Doc.FigList().IsEmpty()) {
        Platform.ShowMessage(texts::NothingToPlay);
        Shell.CurrentTool = TMotionTool::Select;
        return;
    }
    Cuts.CutCount = std::max(Cuts.CutCount, Doc.CutsInUse());
    Playback.InMoveState = true;
    Shell.Mode = TMode::Watch;
    Painter.PaintBoxPaint();
}

void TPlayback::SelectMakeBtnClick() {
    C.PlayBar.SetPositionQuietly(0);
    Playback.InMoveState = false;
    Shell.Mode = TMode::Edit;
    Painter.PaintBoxPaint();
}

void TPlayback::PlayButtonClick() {
    if (Playback.Running) return StopRun();
    Run([this] { PlayCut(nullptr); });
}

void TPlayback::AllPlayButtonClick() {
    if (Playback.Running) return StopRun();
    Run([this] { PlayAll(nullptr); });
}

void TPlayback::StopRun() {
    if (Playback.Running) Playback.StopAsked = true;
}

void TPlayback::Run(const std::function<void()>& run) {
    // Whichever way the run ends, it is over.
    struct TRunning {
        TPlaybackState& State;
        ~TRunning() { State.Running = State.StopAsked = false; }
    } running{Playback};
    Playback.Running = true;
    run();
}

void TPlayback::SetUpMotions(TStepKind kind) {
    const TFigList& list = Doc.FigList();
    const std::int32_t half = Doc.PairCount();
    CurrentMotions.clear();
    bool warned = false;
    TFigItem* start = list.GetFirst();
    TFigItem* end = list.At(half);
    for (std::int32_t i = 0; i < half && start && end; ++i, start = start->Next, end = end->Next) {
        const TFigData& s = start->Data;
        if (s.CutNumber != Cuts.CurrentCut) continue;
        TMotion motion = SetUpMotion(s, end->Data);
        if (kind == TStepKind::Run && s.DrawingTool == TDrawingTool::Stamp) {
            // Children are scaled from the stamp's recorded copy. Without one they stay as
            // they are, after one message, rather than ending the program.
            if (const TActionItem* recorded = Doc.LatestActionOf(&s))
                motion.StampBase = &recorded->Data.FigData;
            else if (!std::exchange(warned, true))
                Platform.ShowMessage(texts::StampResizeFailed);
        }
        CurrentMotions.push_back(std::move(motion));
    }
    ShownFigures.clear();
    for (const TMotion& motion : CurrentMotions)
        ShownFigures.push_back(&motion.Figure);
}

void TPlayback::PaintFrame(const TFilming* filming) {
    if (!filming || !filming->Picture) return Painter.PaintBoxPaint(ShownFigures);
    TView view = Painter.WindowView();
    view.Watching = true;
    view.StartCopies = ShownFigures;
    Painter.PaintInto(*filming->Picture, Doc, view);
}

void TPlayback::EndMotions() {
    CurrentMotions.clear();
    ShownFigures.clear();
}

double TPlayback::RunMilliseconds() const {
    return Motion.PlaySteps * StepMilliseconds;
}

void TPlayback::FilmOffScreen(const std::function<void()>& film) {
    const TMode mode = Shell.Mode;
    const std::int32_t cut = Cuts.CurrentCut;
    Doc.Select(nullptr);
    film();
    Cuts.CurrentCut = cut;
    C.PlayBar.SetPositionQuietly(0);
    Shell.Mode = mode;
    Painter.PaintBoxPaint();
}

void TPlayback::PlayCut(TFilming* filming) {
    C.PlayBar.SetPositionQuietly(0);
    if (Doc.FigList().IsEmpty()) return;
    Shell.Mode = TMode::Watch;
    // Filmed off the screen, the window is left as it is.
    if (!filming || !filming->Picture) Painter.PaintBoxPaint();

    SetUpMotions(TStepKind::Run);
    const std::int32_t steps = Motion.PlaySteps;
    // More pairs, fewer repaints: every step up to 19 pairs, every second up to 39, ...
    const std::int32_t interval = Doc.PairCount() / 20 + 1;
    const double begin = Platform.Milliseconds();
    const double length = RunMilliseconds();
    double shown = begin - FrameMilliseconds;
    bool painted = false;
    if (filming) filming->BeginRun();
    for (std::int32_t f = 0; f < steps && !(filming && filming->Stopped); ++f) {
        // When this step ends on the run's clock.
        const double due = length * ElapsedShare(Motion.SpeedProfile, double(f + 1) / steps);
        if (filming) {
            // The pictures due before this step ends show the steps done so far.
            while (filming->NextPicture() < due && !filming->Stopped) {
                PaintFrame(filming);
                filming->TakePicture();
            }
        } else if (f % interval == 0) {
            PaintFrame();
            painted = true;
        }
        for (TMotion& motion : CurrentMotions)
            StepMotion(motion, steps, TStepKind::Run);
        // The bar follows the run without scrubbing to where the run already is.
        C.PlayBar.SetPositionQuietly(C.PlayBar.Position() + 1);
        if (filming) continue;

        const double now = Platform.Milliseconds();
        if (painted && now - shown >= FrameMilliseconds) {
            Platform.PresentFrame();
            shown = now;
            painted = false;
        }
        Platform.WaitUntil(begin + due);
        if (Playback.StopAsked) break;
    }
    // The last frame stays on the screen until the next repaint.
    PaintFrame(filming);
    if (!filming)
        Platform.PresentFrame();
    else if (!filming->Stopped)
        filming->EndRun(length);
    EndMotions();
}

void TPlayback::PlayAll(TFilming* filming) {
    if (Doc.FigList().IsEmpty()) return;
    C.PlayBar.SetPositionQuietly(0);
    Cuts.CurrentCut = 0;
    const auto stopped = [&] { return Playback.StopAsked || (filming && filming->Stopped); };
    for (std::int32_t k = 0; k < Cuts.CutCount && !stopped(); ++k) {
        C.PlayBar.SetPositionQuietly(0);
        ++Cuts.CurrentCut;
        PlayCut(filming);
    }
    // A stopped run stays on the cut it was showing.
    if (!stopped()) Cuts.CurrentCut = Cuts.CutCount;
}

void TPlayback::PlayBarChange() {
    if (Doc.FigList().IsEmpty()) return;
    const std::int32_t p = C.PlayBar.Position();
    Shell.Mode = TMode::Watch;
    SetUpMotions(TStepKind::Scrub);
    for (std::int32_t f = 0; f < p; ++f)
        for (TMotion& motion : CurrentMotions)
            StepMotion(motion, Motion.PlaySteps, TStepKind::Scrub);
    PaintFrame();
    EndMotions();
}

} // namespace murva
