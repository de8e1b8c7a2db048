#include "model/fig_pairs.h"

namespace murva {

TFigItem* ItemAfter(const TFigList& list, TFigItem* item, std::int32_t n) {
    for (; item && n > 0; --n)
        item = item->Next;
    for (; item && n < 0; ++n)
        item = item->Prev == list.GetHead() ? nullptr : item->Prev;
    return item;
}

bool InEndHalf(const TFigList& list, const TFigItem* item, std::int32_t half) {
    const TFigItem* walk = list.GetTail();
    for (std::int32_t k = 0; k < half && walk != list.GetHead(); ++k, walk = walk->Prev)
        if (walk == item) return true;
    return false;
}

TFigItem* PartnerOf(const TFigList& list, TFigItem* item, std::int32_t half) {
    return ItemAfter(list, item, InEndHalf(list, item, half) ? -half : half);
}

} // namespace murva
