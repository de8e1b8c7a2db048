#include "model/stamp_scaling.h"

#include "model/fig_list.h"

#include <algorithm>

namespace murva {

namespace {

void ScaleChildren(TAxis axis, const TFigList* from, TFigList* to, double s);

// The factor of a stamp whose box went from the base's extent to its own; false when the
// base has none.
bool FactorOf(TAxis axis, const TFigData& base, const TFigData& stamp, double& s) {
    const double extent = OnAxis(base.End, axis) - OnAxis(base.Start, axis);
    if (extent == 0) return false;
    s = (OnAxis(stamp.End, axis) - OnAxis(stamp.Start, axis)) / extent;
    return true;
}

void ScaleChild(TAxis axis, const TFigData& b, TFigData& c, double s) {
    const double bs = OnAxis(b.Start, axis), be = OnAxis(b.End, axis);
    if (c.DrawingTool == TDrawingTool::Text) {
        // About the text's middle, its size unchanged.
        const double m = (s - 1) * (be - bs) * 0.5;
        OnAxis(c.Start, axis) = Truncated(s * bs + m);
        OnAxis(c.End, axis) = Truncated(s * be + m);
        return;
    }
    OnAxis(c.Start, axis) = Truncated(bs * s);
    OnAxis(c.End, axis) = Truncated(be * s);
    if (IsPointFigure(c.DrawingTool) && b.PointData && c.PointData) {
        const std::int32_t n = std::min(b.PointData->Count, c.PointData->Count);
        for (std::int32_t i = 0; i < n; ++i)
            OnAxis(c.PointData->At(i), axis) = Truncated(OnAxis(b.PointData->At(i), axis) * s);
        // The box of the points, which is the box above unless the stamp turned over.
        c.FitBoxToPoints();
    } else if (c.DrawingTool == TDrawingTool::Stamp) {
        double inner = 0;
        if (FactorOf(axis, b, c, inner))
            ScaleChildren(axis, b.StampData.get(), c.StampData.get(), inner);
    }
}

void ScaleChildren(TAxis axis, const TFigList* from, TFigList* to, double s) {
    if (!from || !to) return;
    const TFigItem* b = from->GetFirst();
    for (TFigItem* c = to->GetFirst(); b && c; b = b->Next, c = c->Next)
        ScaleChild(axis, b->Data, c->Data, s);
}

} // namespace

void ScaleStampChildren(TAxis axis, const TFigData& base, TFigData& stamp) {
    double s = 0;
    if (FactorOf(axis, base, stamp, s))
        ScaleChildren(axis, base.StampData.get(), stamp.StampData.get(), s);
}

} // namespace murva
