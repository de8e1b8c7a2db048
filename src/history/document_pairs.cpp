// The pair rule: the list is a start half and an end half of the same length, the members
// of a pair H places apart. Every way figures come or go keeps it here.

#include "history/document.h"

#include "model/fig_pairs.h"

namespace murva {

TFigItem* TDocument::RecordEndCopies(const std::vector<TFigItem*>& figures, TEndCopies endCopies) {
    // Each new figure passes the end copies that were there before it; the end copies of
    // the figures before it in the batch lie behind it at the tail already.
    const std::int32_t half = Figures.PairCount;
    TFigItem* last = nullptr;
    for (TFigItem* figure : figures) {
        for (std::int32_t k = 0; k < half; ++k)
            RecordStep(figure, TActionKind::Back);
        TFigData copy = figure->Data;
        if (endCopies == TEndCopies::Marked) copy.EndCopyMark = 1;
        last = RecordDuplicate(copy);
    }
    Figures.PairCount += static_cast<std::int32_t>(figures.size());
    return last;
}

void TDocument::GiveEndCopiesToRead(bool wasEmpty, std::int32_t half, TEndCopies endCopies) {
    const TFigList& list = Figures.FigList;
    const std::int32_t n = Figures.FigureCount - 2 * half;
    // In a fresh document the figures are taken from the first on; otherwise from the
    // n-th counted from the tail, the first the file added.
    TFigItem* next = list.GetFirst();
    if (!wasEmpty) {
        next = list.GetTail();
        for (std::int32_t k = 1; k < n && next; ++k)
            next = next->Prev;
    }
    std::vector<TFigItem*> added;
    for (std::int32_t j = 0; j < n && next && next != list.GetHead(); ++j, next = next->Next)
        added.push_back(next);
    Figures.PairCount = wasEmpty ? 0 : half;
    RecordEndCopies(added, endCopies);
}

void TDocument::RecordDeletePair(TFigItem* item) {
    // A held size change is recorded while its figure is still there.
    CommitHeldChange();
    const TFigList& list = Figures.FigList;
    const std::int32_t half = Figures.PairCount;
    const bool endHalf = InEndHalf(list, item, half);
    TFigItem* before = item->Prev;
    RecordDelete(item);
    // The partner, counted from the figure that stood before the deleted one.
    TFigItem* partner = nullptr;
    if (half == 1)
        partner = list.IsEmpty() ? nullptr : list.GetTail();
    else if (half > 1)
        partner = ItemAfter(list, before, endHalf ? 1 - half : half);
    if (partner) {
        RecordDelete(partner);
        --Figures.PairCount;
    }
}

TFigItem* TDocument::RecordRestorePair() {
    // The partner was deleted last: it comes back first, at the tail.
    TFigItem* partner = RecordRestore();
    if (!partner) return nullptr;
    TFigItem* item = RecordRestore();
    if (!item && Figures.FigList.Count() % 2 == 1) {
        // A figure deleted alone (by its drawing) comes back as a pair of its own.
        Figures.SelectedFig = partner;
        Figures.LastSelectedFig = RecordEndCopies({partner});
        return partner;
    }
    // The figure that was selected goes back to the end of the start half.
    if (!item) item = partner;
    Figures.SelectedFig = item;
    ++Figures.PairCount;
    for (std::int32_t k = 0; k < Figures.PairCount; ++k)
        if (!RecordStep(item, TActionKind::Back)) break;
    return item;
}

} // namespace murva
