#pragma once
// Questions about the cut numbers of all figures.

#include "model/cut_ranges.h"
#include "model/fig_list.h"

#include <cstdint>

namespace murva {

// The highest cut number below `limit` among all figures, or `none` when there is none.
std::int32_t HighestCutNumberBelow(const TFigList& list, std::int32_t limit, std::int32_t none);

// The number of parts-bin slots in use, as a load leaves it: the highest number below
// 1000 minus 99, and 0 for a document without materials.
std::int32_t PartsCountOf(const TFigList& list);

} // namespace murva
