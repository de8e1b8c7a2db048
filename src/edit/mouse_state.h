#pragma once
// What the mouse handlers of the drawing field keep between events.

#include "model/geometry.h"
#include "model/point_data.h"

#include <array>
#include <cstdint>

namespace murva {

// The geometry of the selected figure at the end of the last drag: the base of resizing.
struct TResizeBase {
    TPoint Start;
    TPoint End;
    std::int32_t TextSize = 0;
    std::int32_t PointCount = 0;
    std::array<TPoint, TPointData::MaxPoints> Points{};
};

struct TMouseState {
    bool Dragging = false;
    bool PickedWithoutDrag = false;
    TPoint DragAnchor;
    TPoint DownPoint;
    // Where the dragged figure lay when it was pressed.
    TPoint DownPlace;
    // How far the pointer is ahead of where it holds the dragged figure, which stops at
    // the field's edge.
    TPoint Lag;
    TPointData MotionPath;
    TResizeBase ResizeBase;

    void Clear() {
        Dragging = false;
        PickedWithoutDrag = false;
        DragAnchor = {};
        DownPoint = {};
        DownPlace = {};
        Lag = {};
        MotionPath.ResetPath();
        MotionPath.ResetCount();
    }
};

} // namespace murva
