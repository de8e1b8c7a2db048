#pragma once
// The figures of the whole document and the counters that keep start/end pairs.

#include "model/fig_list.h"

#include <cstdint>

namespace murva {

struct TFigureState {
    // All figures of all cuts and parts-bin slots, in painting order.
    TFigList FigList;
    // Copies of deleted figures, the last deleted at the tail.
    TFigList DeletedFigList;
    TFigItem* SelectedFig = nullptr;
    TFigItem* LastSelectedFig = nullptr;
    // The figures as recording counts them.
    std::int32_t FigureCount = 1;
    // Items 0..H-1 of FigList are start copies, H..2H-1 their end copies.
    std::int32_t PairCount = 0;
};

} // namespace murva
