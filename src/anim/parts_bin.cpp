#include "anim/parts_bin.h"

#include "model/cut_ranges.h"

namespace murva {

void TPartsBin::EmptySlot(int slot, std::int32_t to, bool recordEvery) {
    TSharedState& S = App.S;
    const std::int32_t number = FirstPartsSlot - 1 + slot;
    bool held = false;
    for (TFigItem* item = S.Doc.Figures.FigList.GetFirst(); item; item = item->Next) {
        TFigData state = item->Data;
        std::int32_t& cut = state.CutNumber;
        if (cut == number) {
            cut = to;
            held = true;
        } else if (cut > number && cut < RemovedPart) {
            --cut;
        } else if (!recordEvery) {
            continue;
        }
        S.Doc.RecordMove(item, state);
    }
    if (held) --Parts.PartsCount;
}

void TPartsBin::UseSlot(int slot) {
    TCutState& cuts = App.S.Cuts;
    // Every figure is recorded, changed or not.
    EmptySlot(slot, cuts.CurrentCut, true);
    if (cuts.CutCount < cuts.CurrentCut && cuts.CurrentCut < FirstPartsSlot)
        cuts.CutCount = cuts.CurrentCut;
    App.S.Doc.Figures.SelectedFig = nullptr;
    App.Painter.PaintBoxPaint();
}

void TPartsBin::RemoveSlot(int slot) {
    // Only the changed figures are recorded; the selection stays on the last of them. The
    // bin belongs to the making state, whose repaint paints the strip and the bin too.
    EmptySlot(slot, RemovedPart, false);
    App.Painter.PaintBoxPaint();
}

} // namespace murva
