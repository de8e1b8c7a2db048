#include "model/cut_numbers.h"

#include <algorithm>

namespace murva {

std::int32_t HighestCutNumberBelow(const TFigList& list, std::int32_t limit, std::int32_t none) {
    std::int32_t highest = none;
    bool found = false;
    for (auto* item = list.GetFirst(); item; item = item->Next) {
        const std::int32_t cut = item->Data.CutNumber;
        if (cut < limit && (!found || cut > highest)) {
            highest = cut;
            found = true;
        }
    }
    return highest;
}

std::int32_t PartsCountOf(const TFigList& list) {
    const std::int32_t highest = HighestCutNumberBelow(list, RemovedPart, 0);
    return highest > 0 ? std::max(0, highest - (FirstPartsSlot - 1)) : 0;
}

} // namespace murva
