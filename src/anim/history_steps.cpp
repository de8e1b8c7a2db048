#include "anim/history_steps.h"

#include <algorithm>

namespace murva {

void THistorySteps::Step(bool forward) {
    if (!(forward ? MayRedo() : MayUndo())) return;
    forward ? Doc.Redo() : Doc.Undo();
    Doc.ClearSelection();
    // The cuts and the bin as the picture has them, the current cut among them.
    Cuts.CutCount = Doc.CutsInUse();
    Cuts.CurrentCut = std::clamp(Cuts.CurrentCut, 1, Cuts.CutCount);
    Cuts.KeepCurrentOnStrip();
    Parts.PartsCount = Doc.SlotsInUse();
    Pictures.ShowDocumentBackground({});
    Painter.PaintRebuiltPicture();
}

} // namespace murva
