#include "model/fig_data.h"

namespace murva {

void TFigData::Offset(std::int32_t dx, std::int32_t dy) {
    Start.x += dx;
    Start.y += dy;
    End.x += dx;
    End.y += dy;
    if (IsPointFigure(DrawingTool) && PointData) {
        for (std::int32_t i = 0; i < PointData->Count; ++i) {
            PointData->At(i).x += dx;
            PointData->At(i).y += dy;
        }
    }
}

void TFigData::BoundsToStartEnd() {
    if (!PointData) return;
    Start = {PointData->MinX, PointData->MinY};
    End = {PointData->MaxX, PointData->MaxY};
}

void TFigData::FitBoxToPoints() {
    if (!PointData || PointData->Count == 0) return;
    PointData->RefreshBounds();
    BoundsToStartEnd();
}

void TFigData::SetPointCoord(int which, std::int32_t index, std::int32_t value) {
    if (!PointData || index < 0 || index >= PointData->Capacity()) return;
    if (which == 0)
        PointData->At(index).x = value;
    else
        PointData->At(index).y = value;
}

TPointDataRef CopyTrackedPoints(const TPointData& source) {
    auto copy = std::make_shared<TPointData>(source.Count);
    for (std::int32_t i = 0; i < source.Count; ++i)
        copy->AddTracked(source.At(i).x, source.At(i).y);
    return copy;
}

} // namespace murva
