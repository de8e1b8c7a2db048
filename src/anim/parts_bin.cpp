#include "anim/parts_bin.h"

#include "model/cut_ranges.h"

namespace murva {

void TPartsBin::EmptySlot(int slot, std::int32_t to, bool recordEvery) {
    const std::int32_t number = FirstPartsSlot - 1 + slot;
    bool held = false;
    for (TFigItem* item = Doc.FigList().GetFirst(); item; item = item->Next) {
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
        Doc.RecordMove(item, state);
    }
    if (held) --Parts.PartsCount;
}

void TPartsBin::UseSlot(int slot) {
    // Every figure is recorded, changed or not.
    EmptySlot(slot, Cuts.CurrentCut, true);
    if (Cuts.CutCount < Cuts.CurrentCut && Cuts.CurrentCut < FirstPartsSlot)
        Cuts.CutCount = Cuts.CurrentCut;
    Doc.Select(nullptr);
    Painter.PaintBoxPaint();
}

void TPartsBin::RemoveSlot(int slot) {
    // Only the changed figures are recorded; the selection stays on the last of them. The
    // bin belongs to the making state, whose repaint paints the strip and the bin too.
    EmptySlot(slot, RemovedPart, false);
    Painter.PaintBoxPaint();
}

} // namespace murva
