#pragma once
// What resizing keeps: the geometry the bars start from, and while a size change of a
// stamp is held open, the copy its children are scaled from.

#include "model/fig_data.h"

#include <array>

namespace murva {

// The geometry of the selected figure at the end of the last drag: the base of resizing.
struct TResizeBase {
    TPoint Start;
    TPoint End;
    std::int32_t TextSize = 0;
    std::int32_t PointCount = 0;
    std::array<TPoint, TPointData::MaxPoints> Points{};
};

struct TResizeState {
    // What the bars resize from.
    TResizeBase Base;
    // The copy of the stamp its children are scaled from, found at the first change.
    bool StampBaseKnown = false;
    TFigData StampBase;
};

} // namespace murva
