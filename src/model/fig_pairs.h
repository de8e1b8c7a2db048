#pragma once
// Start/end pairs: with H pairs, the first H figures of the list are start copies and
// the next H their end copies, in the same order, so a figure's partner lies H places
// away. Figures beyond both halves belong to no pair.

#include "model/fig_list.h"

#include <cstdint>

namespace murva {

// The figure n places after item (before it for a negative n); nullptr past either end.
TFigItem* ItemAfter(const TFigList& list, TFigItem* item, std::int32_t n);

// Whether the item is among the last `half` figures of the list.
bool InEndHalf(const TFigList& list, const TFigItem* item, std::int32_t half);

// The other member of the item's pair: half places before it when it is among the last
// half figures, otherwise half places after it (the item itself when half is 0).
// nullptr when that place lies outside the list.
TFigItem* PartnerOf(const TFigList& list, TFigItem* item, std::int32_t half);
inline const TFigItem* PartnerOf(const TFigList& list, const TFigItem* item, std::int32_t half) {
    return PartnerOf(list, const_cast<TFigItem*>(item), half);
}

} // namespace murva
