#pragma once
// Questions about the cut numbers of all figures: cuts are numbered 1..97, parts-bin
// slots from 100, removed materials 1000.

#include "model/fig_list.h"

#include <cstdint>

namespace murva {

constexpr std::int32_t FirstPartsSlot = 100;
constexpr std::int32_t RemovedPart = 1000;

// The highest cut number below `limit` among all figures, or `none` when there is none.
std::int32_t HighestCutNumberBelow(const TFigList& list, std::int32_t limit, std::int32_t none);

// The number of parts-bin slots in use, as a load leaves it: the highest number below
// 1000 minus 99, and 0 for a document without materials.
std::int32_t PartsCountOf(const TFigList& list);

} // namespace murva
