// Every figure read from a drawing-process file gets its end copy, so that the list is
// again a start half and an end half in the same order.

#include "anim/animation_files.h"

namespace murva {

void TAnimationFiles::TwinNewFigures(bool wasEmpty, bool markEndCopies, std::int32_t half) {
    const TFigureState& figures = Doc.Figures;
    const TFigList& list = figures.FigList;
    const std::int32_t n = figures.LastFigureID - 2 * half;
    // In a fresh document the figures are taken from the first on; otherwise each time
    // the n-th counted from the tail, which after a copy was added at the tail is the one
    // that followed the figure before it, wherever that figure moved.
    TFigItem* next = list.GetFirst();
    if (!wasEmpty) {
        next = list.GetTail();
        for (std::int32_t k = 1; k < n && next; ++k)
            next = next->Prev;
    }
    for (std::int32_t j = 0; j < n; ++j) {
        TFigItem* figure = next;
        if (!figure || figure == list.GetHead()) break;
        next = figure->Next;
        if (!wasEmpty)
            for (std::int32_t k = 0; k < half; ++k)
                Doc.RecordStep(figure, TActionKind::Back);
        TFigData copy = figure->Data;
        if (markEndCopies) copy.EndCopyMark = 1;
        Doc.RecordDuplicate(copy);
    }
}

} // namespace murva
