#include "edit/field_mouse.h"

#include "model/fig_pairs.h"
#include "ui/texts.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace murva {

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
    const bool freeTool = Shell.CurrentTool == TTool::MoveFree;
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
        // A figure that has its path keeps it when pressed with the free motion tool.
        Mouse.PickedWithoutDrag = (f.Free == 1 && freeTool) || i > figures.PairCount;
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
    Doc.DragBy(selected, x - Mouse.DragAnchor.x, y - Mouse.DragAnchor.y);
    Mouse.DragAnchor = {x, y};
    if (Shell.CurrentTool == TTool::MoveFree) Mouse.MotionPath.AddPlain(x, y);
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
    path.AddPlain(release.x, release.y);
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
        Mouse.Dragging = false;
        if (TFigItem* selected = Doc.Figures.SelectedFig) {
            // What the drag leaves: the place it moved the figure to, and its path.
            TFigData state = selected->Data;
            const bool hadPath = state.Free != 0;
            FinishDrag(state, {x, y});
            if (TPoint{x, y} != Mouse.DownPoint) {
                Doc.RecordMove(selected, state);
            } else if (hadPath) {
                // A plain click takes a path away, which a reload must know.
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
