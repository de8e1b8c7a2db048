// The three cut commands: insert a cut, delete the current cut, and carry the end state
// of the current cut over as the start of the next. They belong to the making state,
// whose repaint paints the strip's thumbnails too.

#include "anim/film_strip.h"

#include "model/cut_ranges.h"
#include "ui/texts.h"

#include <algorithm>
#include <vector>

namespace murva {

void TFilmStrip::CutMakeClick() {
    if (!HasFigures(texts::NoCutToChoose)) return;
    bool renumbered = false;
    for (TFigItem* item = Doc.FigList().GetFirst(); item; item = item->Next) {
        const std::int32_t cut = item->Data.CutNumber;
        if (cut < Cuts.CurrentCut || cut >= LastCut) continue;
        renumbered = true;
        // Recorded, or a reload would put the figure back in its old cut.
        MoveToCut(item, cut + 1);
    }
    if (renumbered) ++Cuts.CutCount;
    Painter.PaintBoxPaint();
}

void TFilmStrip::CutDeleteClick() {
    if (!HasFigures(texts::NoCutToChoose)) return;
    const std::int32_t current = Cuts.CurrentCut;
    bool changed = false;
    // Every figure is recorded, moved or not.
    for (TFigItem* item = Doc.FigList().GetFirst(); item; item = item->Next) {
        std::int32_t cut = item->Data.CutNumber;
        if (cut == current && cut < FirstPartsSlot) {
            cut = RemovedFromAnimation;
            changed = true;
        } else if (cut > current && cut < FirstPartsSlot) {
            --cut;
            changed = true;
        }
        MoveToCut(item, cut);
    }
    if (changed) Cuts.CutCount = std::max(1, Cuts.CutCount - 1);
    // Deleting the last cut shows the cut before it, scrolled onto the strip.
    if (Cuts.CurrentCut > Cuts.CutCount) {
        Cuts.CurrentCut = Cuts.CutCount;
        Cuts.KeepCurrentOnStrip();
    }
    Painter.PaintBoxPaint();
}

void TFilmStrip::CutCarryOverClick() {
    if (!HasFigures(texts::NoCutToChoose)) return;
    const TFigList& list = Doc.FigList();
    const std::int32_t half = Doc.PairCount();
    const std::int32_t current = Cuts.CurrentCut;

    // The end copies of the cut, copied at the tail into the next cut without a path.
    std::vector<TFigItem*> copies;
    TFigItem* end = list.At(half);
    for (std::int32_t i = 0; i < half && end; ++i, end = end->Next) {
        if (end->Data.CutNumber != current) continue;
        TFigData copy = end->Data;
        copy.CutNumber = current + 1;
        if (copy.Free == 1) {
            // The path is shared with the end copy it came from: the copy lets go of it
            // before it is recorded, so that a reload does not bring it back.
            copy.FreeMoveData = std::make_shared<TPointData>(0);
            copy.FreeMoveCount = 0;
            copy.Free = 0;
        }
        copies.push_back(Doc.RecordDuplicate(copy));
    }
    // Each copy moves back among the start copies and gets its own end copy.
    Doc.RecordEndCopies(copies);

    // The next cut becomes current: thumbnail 5 when it lies beyond the strip, thumbnail 1
    // when before it.
    const std::int32_t next = current + 1;
    int thumb = next - Cuts.StripOffset;
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
    Cuts.PendingThumb = thumb;
    CutImageClick(0); // ends with the repaint
}

} // namespace murva
