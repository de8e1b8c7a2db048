#pragma once
// Scaling the children of a stamp when its box changed on one axis: each child is scaled
// from the matching child of the stamp's base copy, about the stamp's top-left corner.

#include "model/fig_data.h"

namespace murva {

enum class TAxis { Horizontal, Vertical };

// The coordinate of a point on the axis.
inline std::int32_t& OnAxis(TPoint& p, TAxis axis) {
    return axis == TAxis::Horizontal ? p.x : p.y;
}
inline std::int32_t OnAxis(const TPoint& p, TAxis axis) {
    return axis == TAxis::Horizontal ? p.x : p.y;
}

// The stamp's extent on the axis divided by the base's is the factor for its children;
// nested stamps take their own factor. A base without extent on the axis leaves the
// children as they are on it.
void ScaleStampChildren(TAxis axis, const TFigData& base, TFigData& stamp);

} // namespace murva
