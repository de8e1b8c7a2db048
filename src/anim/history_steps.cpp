#include "anim/history_steps.h"

#include "anim/cut_numbers.h"
#include "model/cut_ranges.h"

#include <algorithm>

namespace murva {

void THistorySteps::Step(bool forward) {
    if (!(forward ? MayRedo() : MayUndo())) return;
    forward ? Doc.Redo() : Doc.Undo();
    Doc.Figures.SelectedFig = Doc.Figures.LastSelectedFig = nullptr;
    // The cuts and the bin as the picture has them, the current cut among them.
    Cuts.CutCount = std::max(1, HighestCutNumberBelow(Doc.Figures.FigList, FirstPartsSlot, 1));
    Cuts.CurrentCut = std::clamp(Cuts.CurrentCut, 1, Cuts.CutCount);
    Cuts.KeepCurrentOnStrip();
    Parts.PartsCount = PartsCountOf(Doc.Figures.FigList);
    // The background the picture has: the one replay met last, or none.
    if (Doc.History.PendingBGName.empty() && !Shell.ShownBGName.empty()) Pictures.ClearShown();
    Pictures.ShowPendingBackground();
    Painter.PaintRebuiltPicture();
}

} // namespace murva
