#include "anim/making_replay.h"

#include "model/cut_ranges.h"
#include "ui/texts.h"

#include <algorithm>
#include <string>
#include <vector>

namespace murva {

namespace {

// Each command stays long enough to be followed; a very long making is kept to a minute.
constexpr double LongestPicture = 500;
constexpr double LongestReplay = 60000;

bool IsCut(std::int32_t cut) {
    return cut >= 1 && cut < FirstPartsSlot;
}

// The cut a command worked on: where it put a figure into another cut (using a slot,
// carrying a cut over), else where its first figure lies after it, or lay before it.
std::int32_t CommandCut(const std::vector<std::int32_t>& before,
                        const std::vector<std::int32_t>& after) {
    for (std::size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i] && IsCut(after[i])) return after[i];
    for (const std::vector<std::int32_t>* cuts : {&after, &before})
        for (const std::int32_t cut : *cuts)
            if (IsCut(cut)) return cut;
    return 0;
}

} // namespace

double TMakingReplay::PictureMilliseconds(std::size_t pictures) {
    return pictures == 0 ? LongestPicture
                         : std::min(LongestPicture, LongestReplay / double(pictures));
}

double TMakingReplay::FilmMilliseconds() const {
    const std::size_t pictures = Doc.Commands().Ends.size() + 1;
    return PictureMilliseconds(pictures) * double(pictures);
}

void TMakingReplay::MakingBtnClick() {
    if (Playback.Running) return Runs.StopRun();
    Runs.Run([this] { Replay(nullptr); });
}

std::vector<std::int32_t> TMakingReplay::CutsNamedBy(TDocument& doc, const TActionItem* first,
                                                     const TActionItem* last, bool orCopy) {
    std::vector<std::int32_t> cuts;
    for (const TActionItem* action = first; action; action = action->Next) {
        const TActionData& data = action->Data;
        if (NamesFigure(data.TargetType)) {
            const TFigItem* figure = doc.FigureOf(data.TargetID);
            cuts.push_back(figure ? figure->Data.CutNumber : orCopy ? data.FigData.CutNumber : 0);
        }
        if (action == last) break;
    }
    return cuts;
}

void TMakingReplay::ShowCut(std::int32_t cut) {
    Cuts.CurrentCut = cut;
    Cuts.CutCount = std::max(Cuts.CutCount, cut);
    Cuts.KeepCurrentOnStrip();
}

void TMakingReplay::Rewind() {
    Making = std::make_unique<TDocument>();
    Making->CopyLogOf(Doc);
    Applied = 0;
    Next = Making->Log().GetFirst();
    Cuts = UserCuts;
}

void TMakingReplay::ApplyNextCommand() {
    TActionItem* first = Next;
    TActionItem* last = first;
    while (last->Next && last->Position < Ends[std::size_t(Applied)])
        last = last->Next;
    const std::vector<std::int32_t> before = CutsNamedBy(*Making, first, last, false);
    for (TActionItem* action = first;; action = action->Next) {
        Making->ApplyAction(action);
        if (action == last) break;
    }
    if (const std::int32_t cut = CommandCut(before, CutsNamedBy(*Making, first, last, true)))
        ShowCut(cut);
    Next = last->Next;
    // The replay ends on the present picture.
    if (++Applied == std::int32_t(Ends.size())) Cuts = UserCuts;
}

bool TMakingReplay::Replay(TFilming* filming) {
    Doc.CommitHeldChange();
    if (Doc.Commands().Ends.empty()) {
        Platform.ShowMessage(texts::NothingToPlay);
        return false;
    }
    EndSteps();
    Ends = Doc.Commands().Ends;
    UserCuts = Cuts;
    Rewind();

    // The play bar counts the commands.
    const auto commands = static_cast<std::int32_t>(Ends.size());
    C.PlayBar.SetPositionQuietly(0);
    C.PlayBar.SetRange(0, commands);
    // The pictures as making shows them: every figure of the cut, the strip and the bin.
    Playback.MakingShown = true;
    const double each = PictureMilliseconds(Ends.size() + 1);
    const double begin = Platform.Milliseconds();
    if (filming) filming->BeginRun();

    for (std::int32_t k = 0; k <= commands; ++k) {
        if (k > 0) ApplyNextCommand();
        const double due = (k + 1) * each;
        // Filmed, only the pictures taken are painted: a long log has far more commands
        // than a film has pictures.
        if (filming && filming->Picture) {
            if (k == commands || filming->NextPicture() < due)
                Painter.PaintInto(*filming->Picture, *Making,
                                  TPainter::MakingView(*Making, Cuts.CurrentCut));
        } else {
            Painter.PaintMaking(*Making, Cuts);
        }
        C.PlayBar.SetPositionQuietly(k);
        if (filming) {
            // The present picture is filmed however fast the pace.
            if (k == commands && filming->NextPicture() >= due) filming->EndRun(due);
            while (filming->NextPicture() < due && !filming->Stopped)
                filming->TakePicture();
            if (filming->Stopped) break;
            continue;
        }
        Platform.PresentFrame();
        Platform.WaitUntil(begin + due);
        if (Playback.StopAsked) break;
    }
    // In the window, the play bar now steps through the commands; a film leaves the window
    // as it was.
    Playback.MakingSteps = true;
    if (filming) EndSteps();
    return true;
}

void TMakingReplay::PlayBarChange() {
    if (!Playback.MakingSteps) return Runs.PlayBarChange();
    const std::int32_t to = C.PlayBar.Position();
    if (to < Applied) Rewind();
    while (Applied < to)
        ApplyNextCommand();
    Painter.PaintMaking(*Making, Cuts);
}

void TMakingReplay::EndSteps() {
    if (!Playback.MakingSteps) return;
    Playback.MakingSteps = false;
    Making.reset();
    Cuts = UserCuts;
    Playback.MakingShown = false;
    C.PlayBar.SetPositionQuietly(0);
    C.PlayBar.SetRange(0, Motion.PlaySteps);
    Painter.RefreshCutStrip();
    Painter.RefreshPartsBin();
    Painter.PaintBoxPaint();
}

} // namespace murva
