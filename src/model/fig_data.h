#pragma once
// The figure record: every attribute of one figure, copied by value as a whole.

#include "model/geometry.h"
#include "model/point_data.h"

#include <cstdint>
#include <memory>
#include <string>

namespace murva {

class TFigList;

// Kinds of figures; the numbers are those of the format.
enum class TDrawingTool : std::uint8_t {
    None,
    Text,
    Line,
    FreeLine,
    Ellipse,
    Rectangle,
    Polyline,
    Polygon,
    Stamp
};

// Free-hand lines, polylines and polygons own a point list; nothing else does.
constexpr bool IsPointFigure(TDrawingTool tool) {
    return tool == TDrawingTool::FreeLine || tool == TDrawingTool::Polyline ||
           tool == TDrawingTool::Polygon;
}

using TPointDataRef = std::shared_ptr<TPointData>;
using TFigListRef = std::shared_ptr<TFigList>;

struct TFigData {
    TDrawingTool DrawingTool = TDrawingTool::None;
    std::int32_t EndCopyMark = 0;
    std::int32_t PenWidth = 0;
    TColor PenColor = 0;
    TColor BrushColor = 0;
    std::int32_t TextSize = 0;
    TColor TextColor = 0;
    std::string Text;
    TPoint Start;
    TPoint End;
    std::int32_t Free = 0;
    std::int32_t CutNumber = 0;
    std::int32_t FreeMoveCount = 0;
    // A copy of the record shares these; a list item gets its own PointData and
    // StampData when it is added, while a FreeMoveData path stays shared and lives
    // as long as any figure or action refers to it.
    TPointDataRef PointData;
    TPointDataRef FreeMoveData;
    TFigListRef StampData;

    // Moves Start, End and the outline points; the bounds of the points and the
    // children of a stamp (relative to Start) stay as they are.
    void Offset(std::int32_t dx, std::int32_t dy);
    // Start and End become the bounding box of the tracked points.
    void BoundsToStartEnd();
    // Start and End become the box of the outline points as they are now, as in every
    // copy of the figure.
    void FitBoxToPoints();
    // which: 0 = x, 1 = y.
    void SetPointCoord(int which, std::int32_t index, std::int32_t value);
};

// A new point list with exactly the tracked points of the source, and fresh bounds.
TPointDataRef CopyTrackedPoints(const TPointData& source);

} // namespace murva
