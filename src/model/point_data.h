#pragma once
// A point list with two independent counters: tracked points (outlines, read paths)
// keep a bounding box, plain points (motion paths captured by the mouse) do not.

#include "model/geometry.h"

#include <cstdint>
#include <vector>

namespace murva {

class TPointData {
public:
    static constexpr std::int32_t MaxPoints = 2000;
    static constexpr std::int32_t NoBound = -100;

    TPointData() : TPointData(MaxPoints) {}
    explicit TPointData(std::int32_t capacity);

    // 0 added, 1 refused because the tracked counter is full.
    int AddTracked(std::int32_t x, std::int32_t y);
    // 0 added, 1 refused because the plain counter is full.
    int AddPlain(std::int32_t x, std::int32_t y);

    std::int32_t GetCount() const { return Count; }
    std::int32_t GetPathCount() const { return PathCount; }
    void ResetPath() { PathCount = 0; }
    // The bounds of the tracked points as they are now; NoBound when there are none.
    void RefreshBounds();
    void ResetCount() { Count = 0; }

    std::int32_t Capacity() const { return static_cast<std::int32_t>(Points.size()); }
    const TPoint& At(std::int32_t index) const { return Points[index]; }
    TPoint& At(std::int32_t index) { return Points[index]; }

    std::int32_t Count = 0;
    std::int32_t PathCount = 0;
    std::int32_t MinX = NoBound;
    std::int32_t MinY = NoBound;
    std::int32_t MaxX = NoBound;
    std::int32_t MaxY = NoBound;

private:
    void Store(std::int32_t index, std::int32_t x, std::int32_t y);
    // Grows beyond the initial capacity when needed; only the 2000-point limit is fixed.
    std::vector<TPoint> Points;
};

} // namespace murva
