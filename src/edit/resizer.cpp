#include "edit/resizer.h"

#include "ui/texts.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace murva {

void TResizer::AllChangeBtnClick(TResizeButton button) {
    Doc.Select(nullptr);
    C.HTrackBar.SetPositionQuietly(0);
    C.VTrackBar.SetPositionQuietly(0);

    // Each face names the mode it starts.
    TResizeMode& mode = Shell.ResizeMode;
    switch (button) {
    case TResizeButton::KeepShapeBtn:
        mode = TResizeMode::Together;
        break;
    case TResizeButton::HVChangeBtn:
        mode = TResizeMode::KeepShape;
        break;
    case TResizeButton::AllChangeBtn:
        mode = TResizeMode::BottomRight;
        break;
    case TResizeButton::DRChangeBtn:
        mode = TResizeMode::TopLeft;
        break;
    case TResizeButton::ULChangeBtn:
        mode = TResizeMode::Separately;
        break;
    }
    Painter.PaintBoxPaint();
}

void TResizer::TakeBase(const TFigData& figure) {
    TResizeBase& base = Resize.Base;
    base.Start = figure.Start;
    base.End = figure.End;
    base.TextSize = figure.TextSize;
    base.PointCount = 0;
    if (IsPointFigure(figure.DrawingTool) && figure.PointData) {
        base.PointCount = std::min(figure.PointData->Count, TPointData::MaxPoints);
        for (std::int32_t i = 0; i < base.PointCount; ++i)
            base.Points[static_cast<std::size_t>(i)] = figure.PointData->At(i);
    }
    C.HTrackBar.SetPositionQuietly(0);
    C.VTrackBar.SetPositionQuietly(0);
}

void TResizer::ApplyBoxRule(TFigData& figure, TAxis axis, std::int32_t p) {
    const TResizeBase& base = Resize.Base;
    const TResizeMode mode = Shell.ResizeMode;
    if (mode != TResizeMode::BottomRight)
        OnAxis(figure.Start, axis) =
            OnAxis(base.Start, axis) + (mode == TResizeMode::TopLeft ? p : -p);
    if (mode != TResizeMode::TopLeft) OnAxis(figure.End, axis) = OnAxis(base.End, axis) + p;
    // Linked bars: the other one follows, and its change resizes the other axis; the
    // repaint comes once, when this change ends.
    if (mode != TResizeMode::Together) return;
    const bool outer = std::exchange(Linking, true);
    (axis == TAxis::Horizontal ? C.VTrackBar : C.HTrackBar).SetPosition(p);
    Linking = outer;
}

void TResizer::StretchPoints(TFigData& figure, TAxis axis, std::int32_t p) {
    const TResizeBase& base = Resize.Base;
    const double bs = OnAxis(base.Start, axis), extent = OnAxis(base.End, axis) - bs;
    const TResizeMode mode = Shell.ResizeMode;
    // Points on one line across the axis have nothing to stretch on it.
    if (extent != 0) {
        // Where the box rule puts the near edge, taken from the base: in the linked mode
        // the other bar's change has already fitted the box to points not yet stretched.
        const std::int32_t start =
            OnAxis(base.Start, axis) + (mode == TResizeMode::TopLeft       ? p
                                        : mode == TResizeMode::BottomRight ? 0
                                                                           : -p);
        const std::int32_t n = std::min(base.PointCount, figure.PointData->Count);
        for (std::int32_t i = 0; i < n; ++i) {
            const double q = OnAxis(base.Points[static_cast<std::size_t>(i)], axis) - bs;
            const double d = mode == TResizeMode::BottomRight ? q + p * q / extent
                             : mode == TResizeMode::TopLeft   ? q - p * q / extent
                                                              : q + p * (q / extent) * 2;
            OnAxis(figure.PointData->At(i), axis) = start + Truncated(d);
        }
    }
    // Every copy takes its box from its points; so does the figure.
    figure.FitBoxToPoints();
}

void TResizer::ResizeText(TFigData& figure, TAxis axis, std::int32_t p) {
    const TResizeBase& base = Resize.Base;
    const std::int32_t size = base.TextSize + (axis == TAxis::Horizontal ? p : -p);
    if (size <= 5) return;
    figure.Start = base.Start;
    figure.TextSize = size;
    // The end is where the text, written once in its new size, ends.
    Canvas& canvas = C.CanvasBitmap->GetCanvas();
    canvas.Font.Size = size;
    figure.End.x = canvas.TextOut(figure.Start.x, figure.Start.y, figure.Text);
    figure.End.y = figure.Start.y + Truncated(size * 1.2);
}

const TFigData& TResizer::StampBaseOf(const TFigData& stamp) {
    if (!Resize.StampBaseKnown) {
        const TActionItem* recorded = Doc.LatestActionOf(&stamp);
        // Without a recorded copy the stamp is scaled from its children as they are now,
        // rather than ending the program and losing the work.
        if (!recorded) Platform.ShowMessage(texts::StampResizeFailed);
        Resize.StampBase = recorded ? recorded->Data.FigData : stamp;
        DeepCopyOwnedParts(Resize.StampBase);
        Resize.StampBaseKnown = true;
    }
    return Resize.StampBase;
}

void TResizer::KeepShape(TFigData& figure, TAxis axis, std::int32_t p) {
    const TResizeBase& base = Resize.Base;
    const TAxis other = axis == TAxis::Horizontal ? TAxis::Vertical : TAxis::Horizontal;
    const auto extent = [&base](TAxis a) {
        return std::abs(double(OnAxis(base.End, a)) - OnAxis(base.Start, a));
    };
    // A line along the other axis has no extent on this one: the bar adds to that one.
    const double along = extent(axis) > 0 ? extent(axis) : extent(other);
    if (along == 0) return;
    const double factor = std::max(0.0, (along + 2.0 * p) / along);
    const auto scaled = [factor](double centre, double v) {
        return static_cast<std::int32_t>(std::lround(centre + (v - centre) * factor));
    };
    for (const TAxis a : {TAxis::Horizontal, TAxis::Vertical}) {
        const double centre = (OnAxis(base.Start, a) + OnAxis(base.End, a)) / 2.0;
        OnAxis(figure.Start, a) = scaled(centre, OnAxis(base.Start, a));
        OnAxis(figure.End, a) = scaled(centre, OnAxis(base.End, a));
        if (IsPointFigure(figure.DrawingTool) && figure.PointData) {
            const std::int32_t n = std::min(base.PointCount, figure.PointData->Count);
            for (std::int32_t i = 0; i < n; ++i)
                OnAxis(figure.PointData->At(i), a) =
                    scaled(centre, OnAxis(base.Points[static_cast<std::size_t>(i)], a));
        }
    }
    if (IsPointFigure(figure.DrawingTool) && figure.PointData) figure.FitBoxToPoints();
    if (figure.DrawingTool == TDrawingTool::Stamp) {
        const TFigData& stampBase = StampBaseOf(figure);
        ScaleStampChildren(TAxis::Horizontal, stampBase, figure);
        ScaleStampChildren(TAxis::Vertical, stampBase, figure);
    }
    (other == TAxis::Horizontal ? C.HTrackBar : C.VTrackBar)
        .SetPositionQuietly(
            static_cast<std::int32_t>(std::lround(extent(other) * (factor - 1) / 2)));
}

void TResizer::TrackBarChange(TAxis axis) {
    TFigItem* selected = Doc.SelectedFig();
    if (!selected) return;
    // A stamp's base lives as long as the size change held open for it.
    if (!Doc.IsHeld(&selected->Data)) Resize.StampBaseKnown = false;
    TFigData& figure = Doc.HoldSizeChange(selected);

    const std::int32_t p = (axis == TAxis::Horizontal ? C.HTrackBar : C.VTrackBar).Position();
    if (figure.DrawingTool == TDrawingTool::Text) {
        ResizeText(figure, axis, p);
    } else if (Shell.ResizeMode == TResizeMode::KeepShape) {
        KeepShape(figure, axis, p);
    } else if (figure.DrawingTool == TDrawingTool::Stamp) {
        const TFigData& base = StampBaseOf(figure);
        ApplyBoxRule(figure, axis, p);
        ScaleStampChildren(axis, base, figure);
    } else {
        ApplyBoxRule(figure, axis, p);
        if (IsPointFigure(figure.DrawingTool) && figure.PointData) StretchPoints(figure, axis, p);
    }
    if (!Linking) Painter.PaintBoxPaint();
}

} // namespace murva
