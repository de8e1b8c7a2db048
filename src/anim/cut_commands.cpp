// The three cut commands: insert a cut, delete the current cut, and carry the end state
// of the current cut over as the start of the next. They belong to the making state,
// whose repaint paints the strip's thumbnails too.

#include "anim/film_strip.h"

#include "model/cut_ranges.h"
#include "ui/texts.h"

#include <vector>

namespace murva {

void TFilmStrip::CutMakeClick() {
    if (!HasFigures(texts::NoCutToChoose)) return;
    TSharedState& S = App.S;
    TFigItem* selected = S.Figures.SelectedFig;
    bool renumbered = false;
    for (TFigItem* item = S.Figures.FigList.GetFirst(); item; item = item->Next) {
        std::int32_t& cut = item->Data.CutNumber;
        if (cut < S.Cuts.CurrentCut || cut >= LastCut) continue;
        ++cut;
        renumbered = true;
        // Recorded, or a reload would put the figure back in its old cut.
        RecordMoveOf(item);
    }
    S.Figures.SelectedFig = selected;
    if (renumbered) ++S.Cuts.CutCount;
    UpdateCutCounter();
    App.Painter.PaintBoxPaint();
}

void TFilmStrip::CutDeleteClick() {
    if (!HasFigures(texts::NoCutToChoose)) return;
    TSharedState& S = App.S;
    const std::int32_t current = S.Cuts.CurrentCut;
    bool changed = false;
    for (TFigItem* item = S.Figures.FigList.GetFirst(); item; item = item->Next) {
        std::int32_t& cut = item->Data.CutNumber;
        if (cut == current && cut < FirstPartsSlot) {
            cut = RemovedFromAnimation;
            changed = true;
        } else if (cut > current && cut < FirstPartsSlot) {
            --cut;
            changed = true;
        }
    }
    for (TFigItem* item = S.Figures.FigList.GetFirst(); item; item = item->Next)
        RecordMoveOf(item);
    if (changed) --S.Cuts.CutCount;
    UpdateCutCounter();
    App.Painter.PaintBoxPaint();
}

void TFilmStrip::CutCarryOverClick() {
    if (!HasFigures(texts::NoCutToChoose)) return;
    TSharedState& S = App.S;
    TFigList& list = S.Figures.FigList;
    const std::int32_t half = S.Figures.PairCount;
    const std::int32_t current = S.Cuts.CurrentCut;

    // The end copies of the cut, copied at the tail into the next cut without a path.
    std::vector<TFigItem*> copies;
    TFigItem* end = list.At(half);
    for (std::int32_t i = 0; i < half && end; ++i, end = end->Next) {
        if (end->Data.CutNumber != current) continue;
        TFigItem* copy = list.CopyItem(end);
        copy->Data.CutNumber = current + 1;
        if (copy->Data.Free == 1) {
            // The path is shared with the end copy it came from: the copy lets go of it
            // before it is recorded, so that a reload does not bring it back.
            copy->Data.FreeMoveData = std::make_shared<TPointData>(0);
            copy->Data.FreeMoveCount = 0;
            copy->Data.Free = 0;
        }
        App.Recorder().RecordFigureAction(TActionKind::Duplicate, copy);
        copies.push_back(copy);
    }
    // Each copy moves back among the start copies and gets its own end copy.
    for (TFigItem* copy : copies) {
        S.Figures.SelectedFig = copy;
        for (std::int32_t k = 0; k < half; ++k) {
            list.MoveBack(copy);
            App.Recorder().RecordAction(TActionKind::Back);
        }
        TFigItem* twin = list.CopyItem(copy);
        twin->Data.CutNumber = current + 1;
        App.Recorder().RecordFigureAction(TActionKind::Duplicate, twin);
    }
    S.Figures.LastFigureID = list.Count();
    S.Figures.PairCount = S.Figures.LastFigureID / 2;

    // The next cut becomes current: thumbnail 5 when it lies beyond the strip, thumbnail 1
    // when before it.
    const std::int32_t next = current + 1;
    int thumb = next - S.Cuts.StripOffset;
    if (thumb == 6) {
        thumb = 5;
        CutCountUpBtnClick();
    } else if (thumb > 6) {
        thumb = 5;
        ScrollTo(next, thumb);
    } else if (thumb < 1) {
        thumb = 1;
        ScrollTo(next, thumb);
    }
    S.Cuts.PendingThumb = thumb;
    CutImageClick(0); // ends with the repaint
}

} // namespace murva
