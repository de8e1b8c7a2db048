#pragma once
// Copies may leave the field. One that lies wholly outside it is shown by a small tab just
// inside the edge where it left, which a press takes for the copy itself, so that a drag
// brings it back.

#include "model/fig_data.h"

#include <optional>

namespace murva {

// Whether any part of the figure's box lies on a field of that size.
bool OnStage(const TFigData& figure, std::int32_t width, std::int32_t height);

struct TOffStageTab {
    // Inside the field, against its edge, across from where the copy lies.
    TRect Box;
    // Where the copy lies beyond the edge: -1, 0 or +1 on each axis (y grows downwards).
    TPoint Toward;
};

// The tab of a copy that lies wholly off the field; none for a copy on it.
std::optional<TOffStageTab> OffStageTab(const TFigData& figure, std::int32_t width,
                                        std::int32_t height);

} // namespace murva
