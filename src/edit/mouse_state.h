#pragma once
// What the mouse handlers of the drawing field keep between events.

#include "model/geometry.h"
#include "model/point_data.h"

#include <cstdint>

namespace murva {

struct TMouseState {
    bool Dragging = false;
    // The figure pressed is a start copy: a drag moves where it starts, and draws no path.
    bool DraggingStart = false;
    TPoint DragAnchor;
    TPoint DownPoint;
    // Where the dragged figure lay when it was pressed.
    TPoint DownPlace;
    // How far the pointer is ahead of where it holds the dragged figure, which stops at
    // the field's edge.
    TPoint Lag;
    TPointData MotionPath;

    void Clear() {
        Dragging = false;
        DraggingStart = false;
        DragAnchor = {};
        DownPoint = {};
        DownPlace = {};
        Lag = {};
        MotionPath.ResetPath();
        MotionPath.ResetCount();
    }
};

} // namespace murva
