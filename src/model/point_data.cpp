#include "model/point_data.h"

#include <algorithm>

namespace murva {

TPointData::TPointData(std::int32_t capacity)
    : Points(static_cast<std::size_t>(std::clamp(capacity, 0, MaxPoints))) {}

void TPointData::Store(std::int32_t index, std::int32_t x, std::int32_t y) {
    if (index >= Capacity())
        Points.resize(std::min<std::size_t>(MaxPoints, Points.size() * 2 + 16));
    Points[index] = {x, y};
}

int TPointData::AddTracked(std::int32_t x, std::int32_t y) {
    if (Count >= MaxPoints) return 1;
    Store(Count, x, y);
    if (Count == 0) {
        MinX = MaxX = x;
        MinY = MaxY = y;
    }
    if (x < MinX)
        MinX = x;
    else if (x > MaxX)
        MaxX = x;
    if (y < MinY)
        MinY = y;
    else if (y > MaxY)
        MaxY = y;
    ++Count;
    return 0;
}

void TPointData::RefreshBounds() {
    MinX = MinY = MaxX = MaxY = NoBound;
    for (std::int32_t i = 0; i < Count; ++i) {
        const TPoint& p = Points[static_cast<std::size_t>(i)];
        if (i == 0) {
            MinX = MaxX = p.x;
            MinY = MaxY = p.y;
        }
        MinX = std::min(MinX, p.x);
        MaxX = std::max(MaxX, p.x);
        MinY = std::min(MinY, p.y);
        MaxY = std::max(MaxY, p.y);
    }
}

int TPointData::AddPlain(std::int32_t x, std::int32_t y) {
    if (PathCount >= MaxPoints) return 1;
    Store(PathCount, x, y);
    ++PathCount;
    return 0;
}

} // namespace murva
