#include "edit/field_mouse.h"

#include "model/fig_pairs.h"
#include "ui/texts.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

namespace murva {

namespace {

// At least this much of a dragged figure's box stays inside the field, so that it can
// always be pressed again.
constexpr std::int64_t KeptInside = 8;

// The part of a move by d along one axis that keeps the box between edges a and b within
// reach in a field of `size`; a box that lies further out already is never pushed.
std::int32_t ReachableMove(std::int32_t d, std::int32_t a, std::int32_t b, std::int32_t size) {
    const std::int64_t lo = std::min(a, b), hi = std::max(a, b);
    const std::int64_t least = std::min<std::int64_t>(0, KeptInside - hi);
    const std::int64_t most = std::max<std::int64_t>(0, size - KeptInside - lo);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(d, least, most));
}

} // namespace

bool TFieldMouse::HitTest(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t px, std::int32_t py) {
    // Wide enough that the margin never overflows.
    const auto within = [](std::int64_t a, std::int64_t b, std::int64_t p) {
        return p >= std::min(a, b) - 3 && p <= std::max(a, b) + 3;
    };
    return within(x1, x2, px) && within(y1, y2, py);
}

void TFieldMouse::DrawingBtnClick(TMotionButton button) {
    Shell.CurrentTool = button == TMotionButton::MoveLineBtn ? TTool::MoveLine : TTool::MoveFree;
}

bool TFieldMouse::SelectFigureAt(TPoint p) {
    TFigureState& figures = Doc.Figures;
    // Counted from the last figure, which is painted on top: a count beyond the half
    // means a start copy, which may be selected but not dragged.
    std::int32_t i = 0;
    for (TFigItem* item = figures.FigList.GetTail(); item != figures.FigList.GetHead();
         item = item->Prev) {
        ++i;
        const TFigData& f = item->Data;
        if (f.CutNumber != Cuts.CurrentCut ||
            !HitTest(f.Start.x, f.Start.y, f.End.x, f.End.y, p.x, p.y))
            continue;
        figures.SelectedFig = item;
        // Start copies may be selected, never dragged.
        Mouse.PickedWithoutDrag = i > figures.PairCount;
        return !Mouse.PickedWithoutDrag;
    }
    return false;
}

void TFieldMouse::PaintBoxMouseDown(std::int32_t x, std::int32_t y) {
    if (Shell.Mode == TMode::Watch) return;
    Shell.Mode = TMode::Edit;

    TFigureState& figures = Doc.Figures;
    const TPoint pointer{x, y};
    Mouse.PickedWithoutDrag = false;
    if (SelectFigureAt(pointer)) {
        if (Shell.CurrentTool == TTool::MoveFree) {
            TPointData& path = Mouse.MotionPath;
            path.ResetPath();
            path.MinX = path.MinY = path.MaxX = path.MaxY = TPointData::NoBound;
            path.AddPlain(x, y);
        }
        Mouse.DragAnchor = Mouse.DownPoint = pointer;
        Mouse.Lag = {};
        Mouse.Dragging = true;
        Painter.ToggleSelectionFrame(figures.SelectedFig);
        figures.LastSelectedFig = figures.SelectedFig;
    } else if (Mouse.PickedWithoutDrag) {
        Painter.ToggleSelectionFrame(figures.LastSelectedFig);
        Painter.ToggleSelectionFrame(figures.SelectedFig);
    } else if (figures.SelectedFig) {
        Painter.ToggleSelectionFrame(figures.LastSelectedFig);
        Painter.ToggleSelectionFrame(figures.SelectedFig);
        figures.SelectedFig = figures.LastSelectedFig = nullptr;
    }
}

void TFieldMouse::PaintBoxMouseMove(std::int32_t x, std::int32_t y) {
    if (Shell.Mode != TMode::Edit) return;
    Doc.CommitHeldChange();
    TFigItem* selected = Doc.Figures.SelectedFig;
    if (!Mouse.Dragging || !selected) return;
    // The figure follows the pointer as far as it stays within reach; past that it waits
    // for the pointer to come back to where it holds the figure.
    const TFigData& f = selected->Data;
    const std::int32_t dx = ReachableMove(x - Mouse.DragAnchor.x, f.Start.x, f.End.x, C.FieldWidth);
    const std::int32_t dy =
        ReachableMove(y - Mouse.DragAnchor.y, f.Start.y, f.End.y, C.FieldHeight);
    Doc.DragBy(selected, dx, dy);
    Mouse.DragAnchor = {Mouse.DragAnchor.x + dx, Mouse.DragAnchor.y + dy};
    Mouse.Lag = {x - Mouse.DragAnchor.x, y - Mouse.DragAnchor.y};
    if (Shell.CurrentTool == TTool::MoveFree)
        Mouse.MotionPath.AddPlain(Mouse.DragAnchor.x, Mouse.DragAnchor.y);
    Painter.PaintBoxPaint();
}

void TFieldMouse::FinishDrag(TFigData& state, TPoint release) {
    TResizeBase& base = Mouse.ResizeBase;
    base.Start = state.Start;
    base.End = state.End;
    base.TextSize = state.TextSize;
    base.PointCount = 0;
    if (IsPointFigure(state.DrawingTool) && state.PointData) {
        base.PointCount = std::min(state.PointData->Count, TPointData::MaxPoints);
        for (std::int32_t i = 0; i < base.PointCount; ++i)
            base.Points[static_cast<std::size_t>(i)] = state.PointData->At(i);
    }

    if (Shell.CurrentTool != TTool::MoveFree || Mouse.PickedWithoutDrag) {
        Mouse.PickedWithoutDrag = false;
        return;
    }
    // Releasing just outside the field's corner keeps the figure's old path.
    if (release == TPoint{-1, -1}) {
        Platform.ShowMessage(texts::Ok);
        return;
    }
    TPointData& path = Mouse.MotionPath;
    path.AddPlain(release.x - Mouse.Lag.x, release.y - Mouse.Lag.y);
    auto stored = std::make_shared<TPointData>(path.PathCount);
    for (std::int32_t i = 0; i < path.PathCount; ++i)
        stored->AddTracked(path.At(i).x, path.At(i).y);
    state.Free = 1;
    state.FreeMoveData = std::move(stored);
    state.FreeMoveCount = path.PathCount;
}

void TFieldMouse::HighlightPartner(TFigItem* item) {
    TFigItem* partner = PartnerOf(Doc.Figures.FigList, item, Doc.Figures.PairCount);
    if (!partner) return;
    Painter.PaintBoxPaintHighlighting(partner);
}

void TFieldMouse::PaintBoxMouseUp(std::int32_t x, std::int32_t y) {
    C.PlayBar.SetPosition(0);
    // A release with a selection ends with the partner's repaint, which paints it all.
    if (Shell.Mode != TMode::Edit || !Doc.Figures.SelectedFig) Painter.PaintBoxPaint();
    // The making state's repaint paints the strip itself.
    if (Shell.Mode == TMode::Watch && !Doc.Figures.FigList.IsEmpty()) Painter.RefreshCutStrip();

    if (Shell.Mode == TMode::Edit) {
        // Only a press on an end copy may change it; a start copy is only selected.
        const bool dragged = std::exchange(Mouse.Dragging, false);
        if (TFigItem* selected = Doc.Figures.SelectedFig) {
            // What the drag leaves: the place it moved the figure to, and its path.
            TFigData state = selected->Data;
            const bool hadPath = state.Free != 0;
            const bool straight = Shell.CurrentTool != TTool::MoveFree;
            FinishDrag(state, {x, y});
            if (dragged && TPoint{x, y} != Mouse.DownPoint) {
                // A straight drag goes straight: any old path is let go.
                if (straight) state.Free = 0;
                Doc.RecordMove(selected, state);
            } else if (dragged && hadPath && straight) {
                // A plain click with the straight tool takes a path away, which a reload
                // must know; with the free tool it only selects.
                state.Free = 0;
                Doc.RecordMove(selected, state);
            }
            C.HTrackBar.SetPosition(0);
            C.VTrackBar.SetPosition(0);
            HighlightPartner(selected);
        }
    }
    Mouse.PickedWithoutDrag = false;
}

} // namespace murva
