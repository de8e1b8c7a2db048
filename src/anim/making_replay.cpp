#include "anim/making_replay.h"

#include "model/cut_ranges.h"
#include "ui/texts.h"

#include <algorithm>
#include <string>
#include <vector>

namespace murva {

namespace {

constexpr double LongestPicture = 250;
constexpr double LongestReplay = 30000;

// The place of the item in the list; -1 for none.
std::int32_t IndexOf(const TFigList& list, const TFigItem* item) {
    std::int32_t i = 0;
    for (const TFigItem* f = list.GetFirst(); f && item; f = f->Next, ++i)
        if (f == item) return i;
    return -1;
}

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

void TMakingReplay::MakingBtnClick() {
    if (Playback.Running) return Runs.StopRun();
    Runs.Run([this] { Replay(nullptr); });
}

std::vector<std::int32_t> TMakingReplay::CutsNamedBy(const TActionItem* first,
                                                     const TActionItem* last, bool orCopy) {
    std::vector<std::int32_t> cuts;
    for (const TActionItem* action = first; action; action = action->Next) {
        const TActionData& data = action->Data;
        if (NamesFigure(data.TargetType)) {
            const TFigItem* figure = Doc.FigureOf(data.TargetID);
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

bool TMakingReplay::Replay(const TFilming* filming) {
    Doc.CommitHeldChange();
    const std::vector<std::int32_t> ends = Doc.Commands().Ends;
    if (ends.empty()) {
        Platform.ShowMessage(texts::NothingToPlay);
        return false;
    }
    // What is put back afterwards. The rebuilt figures are new objects: the selection is
    // kept by its place in the list.
    TFigureState& figures = Doc.Figures;
    const std::int32_t selected = IndexOf(figures.FigList, figures.SelectedFig);
    const std::int32_t lastSelected = IndexOf(figures.FigList, figures.LastSelectedFig);
    const std::int32_t lastFigureID = figures.LastFigureID, pairCount = figures.PairCount;
    const TCutState cuts = Cuts;
    const TMode mode = Shell.Mode;
    const TTool tool = Shell.CurrentTool;
    const std::string background = Doc.History.PendingBGName;
    const bool binShown = C.GroupBox3.Visible;
    figures.SelectedFig = figures.LastSelectedFig = nullptr;

    // The play bar counts the commands.
    const auto commands = static_cast<std::int32_t>(ends.size());
    C.PlayBar.SetPositionQuietly(0);
    C.PlayBar.SetRange(0, commands);
    // The pictures as making shows them: every figure of the cut, the strip and the bin.
    Shell.Mode = TMode::Edit;
    C.GroupBox3.Visible = true;
    const double each = PictureMilliseconds(ends.size() + 1);
    const double begin = Platform.Milliseconds();
    double nextPicture = 0;

    Doc.Rebuild(0);
    TActionItem* next = Doc.History.ActionLog.GetFirst();
    for (std::int32_t k = 0; k <= commands; ++k) {
        if (k > 0) {
            // Command k, applied as replay applies it, and shown on its cut.
            TActionItem* first = next;
            TActionItem* last = first;
            while (last->Next && last->Position < ends[std::size_t(k - 1)])
                last = last->Next;
            const std::vector<std::int32_t> before = CutsNamedBy(first, last, false);
            for (TActionItem* action = first;; action = action->Next) {
                Doc.ApplyAction(action);
                if (action == last) break;
            }
            if (const std::int32_t cut = CommandCut(before, CutsNamedBy(first, last, true)))
                ShowCut(cut);
            next = last->Next;
        }
        // The replay ends on the present picture.
        if (k == commands) Cuts = cuts;
        Painter.PaintRebuiltPicture();
        C.PlayBar.SetPositionQuietly(k);
        const double due = (k + 1) * each;
        if (filming) {
            // The present picture is filmed however fast the pace.
            if (k == commands && nextPicture >= due) filming->Take();
            for (; nextPicture < due; nextPicture += filming->Interval)
                filming->Take();
            continue;
        }
        Platform.PresentFrame();
        Platform.WaitUntil(begin + due);
        if (Playback.StopAsked) break;
    }

    // The document, the selection and the window as before.
    Doc.Rebuild(Doc.History.ActionLog.GetCount());
    figures.SelectedFig = selected < 0 ? nullptr : figures.FigList.At(selected);
    figures.LastSelectedFig = lastSelected < 0 ? nullptr : figures.FigList.At(lastSelected);
    figures.LastFigureID = lastFigureID;
    figures.PairCount = pairCount;
    Doc.History.PendingBGName = background;
    Cuts = cuts;
    Shell.Mode = mode;
    Shell.CurrentTool = tool;
    C.GroupBox3.Visible = binShown;
    C.PlayBar.SetPositionQuietly(0);
    C.PlayBar.SetRange(0, Motion.PlaySteps);
    Painter.RefreshCutStrip();
    Painter.RefreshPartsBin();
    Painter.PaintBoxPaint();
    return true;
}

} // namespace murva
