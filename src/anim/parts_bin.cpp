#include "anim/parts_bin.h"

#include "model/cut_ranges.h"

namespace murva {

void TPartsBin::UseSlot(int slot) {
    TSharedState& S = App.S;
    const std::int32_t number = FirstPartsSlot - 1 + slot;
    bool moved = false;
    for (TFigItem* item = S.Figures.FigList.GetFirst(); item; item = item->Next) {
        std::int32_t& cut = item->Data.CutNumber;
        if (cut == number) {
            cut = S.Cuts.CurrentCut;
            moved = true;
        } else if (cut > number && cut < RemovedPart) {
            --cut;
        }
        // Every figure is recorded, changed or not.
        S.Figures.SelectedFig = item;
        App.Recorder().RecordAction(akMove);
    }
    if (moved) --Parts.PartsCount;
    App.Painter.RefreshCutStrip();
    App.Painter.RefreshPartsBin();
    if (S.Cuts.CutCount < S.Cuts.CurrentCut && S.Cuts.CurrentCut < FirstPartsSlot)
        S.Cuts.CutCount = S.Cuts.CurrentCut;
    S.Figures.SelectedFig = nullptr;
    App.Painter.PaintBoxPaint();
}

void TPartsBin::RemoveSlot(int slot) {
    TSharedState& S = App.S;
    const std::int32_t number = FirstPartsSlot - 1 + slot;
    bool removed = false;
    for (TFigItem* item = S.Figures.FigList.GetFirst(); item; item = item->Next) {
        std::int32_t& cut = item->Data.CutNumber;
        if (cut == number) {
            cut = RemovedPart;
            removed = true;
        } else if (cut > number && cut < RemovedPart) {
            --cut;
        } else {
            continue; // only the changed figures are recorded
        }
        S.Figures.SelectedFig = item;
        App.Recorder().RecordAction(akMove);
    }
    if (removed) --Parts.PartsCount;
    App.Painter.RefreshCutStrip();
    App.Painter.RefreshPartsBin();
    App.Painter.PaintBoxPaint();
}

} // namespace murva
