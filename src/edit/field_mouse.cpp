#include "edit/field_mouse.h"

#include "model/fig_pairs.h"
#include "model/off_stage.h"
#include "ui/texts.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace murva {

namespace {

// A dragged figure may leave the field, but goes no further than this beyond its edge.
constexpr std::int64_t FarthestOut = 160;

// The part of a move by d along one axis that keeps the box between edges a and b within
// reach of a field of `size`; a box that lies further out already is never pushed.
std::int32_t ReachableMove(std::int32_t d, std::int32_t a, std::int32_t b, std::int32_t size) {
    const std::int64_t lo = std::min(a, b), hi = std::max(a, b);
    const std::int64_t least = std::min<std::int64_t>(0, -FarthestOut - hi);
    const std::int64_t most = std::max<std::int64_t>(0, size + FarthestOut - lo);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(d, least, most));
}

// Released beyond an edge of the field, the figure goes wholly past that edge: the pointer
// cannot always get far enough (a window at the screen's edge). How far it moves.
std::int32_t LeavingMove(std::int32_t release, std::int32_t a, std::int32_t b, std::int32_t size) {
    if (release < 0) return std::min(0, -1 - std::max(a, b));
    if (release >= size) return std::max(0, size - std::min(a, b));
    return 0;
}

// How far a run moves a start copy to bring its centre onto the end copy's.
TPoint CentreShift(const TFigData& from, const TFigData& to) {
    return {((to.Start.x + to.End.x) - (from.Start.x + from.End.x)) / 2,
            ((to.Start.y + to.End.y) - (from.Start.y + from.End.y)) / 2};
}

// The path a run follows from the start copy: the drawn path, led in by a straight line
// from where the start copy holds the point the drag began at, when the drag began
// elsewhere (the figure had been moved before). A run moves by the path's steps, so it
// then ends on the end copy. At most `capacity` points; the drawn ones are kept.
std::vector<TPoint> LedInPath(const TPointData& drawn, TPoint shift, std::int32_t capacity) {
    const std::int32_t n = drawn.PathCount;
    const TPoint first = drawn.At(0), last = drawn.At(n - 1);
    const TPoint from{first.x - (shift.x - (last.x - first.x)),
                      first.y - (shift.y - (last.y - first.y))};
    std::vector<TPoint> path;
    if (from != first) {
        // As many steps as the drawn path takes for as long a way, so the pace stays.
        double drawnLength = 0;
        for (std::int32_t i = 1; i < n; ++i)
            drawnLength +=
                std::hypot(drawn.At(i).x - drawn.At(i - 1).x, drawn.At(i).y - drawn.At(i - 1).y);
        const double spacing = std::max(1.0, drawnLength / std::max(1, n - 1));
        const double lead = std::hypot(first.x - from.x, first.y - from.y);
        const auto steps = static_cast<std::int32_t>(
            std::clamp(std::ceil(lead / spacing), 1.0, double(std::max(1, capacity - n))));
        for (std::int32_t k = 0; k < steps; ++k)
            path.push_back({from.x + Truncated(double(first.x - from.x) * k / steps),
                            from.y + Truncated(double(first.y - from.y) * k / steps)});
    }
    // A full path gives up its first drawn point to the way in.
    for (std::int32_t i = path.empty() || n < capacity ? 0 : 1; i < n; ++i)
        path.push_back(drawn.At(i));
    return path;
}

// The path becomes the figure's free path.
void SetPath(TFigData& figure, const std::vector<TPoint>& path) {
    auto stored = std::make_shared<TPointData>(static_cast<std::int32_t>(path.size()));
    for (const TPoint p : path)
        stored->AddTracked(p.x, p.y);
    figure.Free = 1;
    figure.FreeMoveData = std::move(stored);
    figure.FreeMoveCount = static_cast<std::int32_t>(path.size());
}

} // namespace

void TFieldMouse::DrawingBtnClick(TMotionButton button) {
    Shell.CurrentTool =
        button == TMotionButton::MoveLineBtn ? TMotionTool::MoveLine : TMotionTool::MoveFree;
}

bool TFieldMouse::SelectFigureAt(TPoint p) {
    // The tabs of copies off the field lie over every figure.
    const auto onTab = [this, p](const TFigData& f) {
        const auto tab = OffStageTab(f, C.FieldWidth, C.FieldHeight);
        return tab && p.x >= tab->Box.Left && p.x < tab->Box.Right && p.y >= tab->Box.Top &&
               p.y < tab->Box.Bottom;
    };
    const auto onBox = [p](const TFigData& f) { return HitsBox(f.Start, f.End, p); };
    for (const auto& hits : {std::function<bool(const TFigData&)>(onTab), {onBox}}) {
        // Counted from the last figure, which is painted on top: a count beyond the half
        // means a start copy.
        std::int32_t i = 0;
        for (TFigItem* item = Doc.FigList().GetTail(); item != Doc.FigList().GetHead();
             item = item->Prev) {
            ++i;
            if (item->Data.CutNumber != Cuts.CurrentCut || !hits(item->Data)) continue;
            Doc.Select(item);
            Mouse.DraggingStart = i > Doc.PairCount();
            return true;
        }
    }
    return false;
}

void TFieldMouse::LeaveStageAt(TFigItem* item, TPoint release) {
    const TFigData& f = item->Data;
    const std::int32_t dx = LeavingMove(release.x, f.Start.x, f.End.x, C.FieldWidth);
    const std::int32_t dy = LeavingMove(release.y, f.Start.y, f.End.y, C.FieldHeight);
    if (dx == 0 && dy == 0) return;
    Doc.DragBy(item, dx, dy);
    // Where the pointer holds the figure moves with it, and so the path's end.
    Mouse.DragAnchor = {Mouse.DragAnchor.x + dx, Mouse.DragAnchor.y + dy};
    Mouse.Lag = {release.x - Mouse.DragAnchor.x, release.y - Mouse.DragAnchor.y};
}

void TFieldMouse::PaintBoxMouseDown(std::int32_t x, std::int32_t y) {
    if (Shell.Mode == TMode::Watch) return;
    Shell.Mode = TMode::Edit;

    const TPoint pointer{x, y};
    Mouse.DraggingStart = false;
    if (SelectFigureAt(pointer)) {
        if (Shell.CurrentTool == TMotionTool::MoveFree && !Mouse.DraggingStart) {
            TPointData& path = Mouse.MotionPath;
            path.ResetPath();
            path.MinX = path.MinY = path.MaxX = path.MaxY = TPointData::NoBound;
            path.AddPlain(x, y);
        }
        Mouse.DragAnchor = Mouse.DownPoint = pointer;
        Mouse.DownPlace = Doc.SelectedFig()->Data.Start;
        Mouse.Lag = {};
        Mouse.Dragging = true;
        Painter.ToggleSelectionFrame(Doc.SelectedFig());
        Doc.SetLastSelected(Doc.SelectedFig());
    } else if (Doc.SelectedFig()) {
        Painter.ToggleSelectionFrame(Doc.LastSelectedFig());
        Painter.ToggleSelectionFrame(Doc.SelectedFig());
        Doc.ClearSelection();
    }
}

void TFieldMouse::PaintBoxMouseMove(std::int32_t x, std::int32_t y) {
    if (Shell.Mode != TMode::Edit) return;
    Doc.CommitHeldChange();
    TFigItem* selected = Doc.SelectedFig();
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
    if (Shell.CurrentTool == TMotionTool::MoveFree && !Mouse.DraggingStart)
        Mouse.MotionPath.AddPlain(Mouse.DragAnchor.x, Mouse.DragAnchor.y);
    Painter.PaintDuringDrag();
}

void TFieldMouse::FinishDrag(TFigItem* item, TFigData& state, TPoint release) {
    if (Shell.CurrentTool != TMotionTool::MoveFree || Mouse.DraggingStart) return;
    // Releasing just outside the field's corner keeps the figure's old path.
    if (release == TPoint{-1, -1}) {
        Platform.ShowMessage(texts::Ok);
        return;
    }
    TPointData& drawn = Mouse.MotionPath;
    drawn.AddPlain(release.x - Mouse.Lag.x, release.y - Mouse.Lag.y);
    const TFigItem* start = PartnerOf(Doc.FigList(), item, Doc.PairCount());
    SetPath(state, LedInPath(drawn, CentreShift(start ? start->Data : state, state),
                             TPointData::MaxPoints));
}

void TFieldMouse::LeadPathFrom(TFigItem* start) {
    TFigItem* end = PartnerOf(Doc.FigList(), start, Doc.PairCount());
    if (!end || end->Data.Free != 1 || !end->Data.FreeMoveData) return;
    TFigData state = end->Data;
    const TPointData& old = *state.FreeMoveData;
    TPointData drawn;
    for (std::int32_t k = 0; k < std::min(state.FreeMoveCount, old.Count); ++k)
        drawn.AddPlain(old.At(k).x, old.At(k).y);
    if (drawn.PathCount < 1) return;
    SetPath(state, LedInPath(drawn, CentreShift(start->Data, state), TPointData::MaxPoints));
    Doc.RecordMove(end, state);
}

void TFieldMouse::HighlightPartner(TFigItem* item) {
    TFigItem* partner = PartnerOf(Doc.FigList(), item, Doc.PairCount());
    if (!partner) return;
    Painter.PaintBoxPaintHighlighting(partner);
}

void TFieldMouse::PaintBoxMouseUp(std::int32_t x, std::int32_t y) {
    C.PlayBar.SetPositionQuietly(0);
    // A release with a selection ends with the partner's repaint, which paints it all.
    if (Shell.Mode != TMode::Edit || !Doc.SelectedFig()) Painter.PaintBoxPaint();
    // The making state's repaint paints the strip itself.
    if (Shell.Mode == TMode::Watch && !Doc.FigList().IsEmpty()) Painter.RefreshCutStrip();

    if (Shell.Mode == TMode::Edit) {
        const bool dragged = std::exchange(Mouse.Dragging, false);
        if (TFigItem* selected = Doc.SelectedFig()) {
            if (dragged && TPoint{x, y} != TPoint{-1, -1}) LeaveStageAt(selected, {x, y});
            // What the drag leaves: the place it moved the figure to, and its path.
            TFigData state = selected->Data;
            const bool hadPath = state.Free != 0;
            const bool straight = Shell.CurrentTool != TMotionTool::MoveFree;
            FinishDrag(selected, state, {x, y});
            // Recorded whenever the pointer or the figure moved: a figure that waited at the
            // edge may lie elsewhere though the pointer came back.
            // A start copy only when it moved: a press on it that is not a drag only selects.
            const bool moved = state.Start != Mouse.DownPlace ||
                               (TPoint{x, y} != Mouse.DownPoint && !Mouse.DraggingStart);
            if (dragged && moved && Mouse.DraggingStart) {
                // Where the figure starts; its end copy stays where it is.
                Doc.RecordMove(selected, state);
                LeadPathFrom(selected);
            } else if (dragged && moved) {
                // A straight drag goes straight: any old path is let go.
                if (straight) state.Free = 0;
                Doc.RecordMove(selected, state);
            } else if (dragged && hadPath && straight && !Mouse.DraggingStart) {
                // A plain click with the straight tool takes a path away, which a reload
                // must know; with the free tool it only selects.
                state.Free = 0;
                Doc.RecordMove(selected, state);
            }
            Resizer.TakeBase(selected->Data);
            HighlightPartner(selected);
        }
    }
    Mouse.DraggingStart = false;
}

} // namespace murva
