#include "ui/renderer.h"

#include "model/draw_figure.h"
#include "model/fig_pairs.h"
#include "model/off_stage.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace murva {

namespace {

// Three pixels of margin around the corners as stored: a figure drawn right to left
// gets an inside-out frame.
TRect FrameRect(const TFigData& figure) {
    return {figure.Start.x - 3, figure.Start.y - 3, figure.End.x + 3, figure.End.y + 3};
}

// A figure in black and yellow; a stamp shows colours through its children, so they are
// the ones recoloured, on copies.
void DrawHighlighted(Canvas& canvas, const TFigData& figure, const TGhostRule& ghost) {
    TFigData shown = figure;
    if (shown.DrawingTool == TDrawingTool::Stamp && shown.StampData) {
        auto children = std::make_shared<TFigList>();
        for (const TFigItem* child = figure.StampData->GetFirst(); child; child = child->Next) {
            TFigData& copy = children->Add(child->Data)->Data;
            copy.PenColor = clBlack;
            copy.BrushColor = clYellow;
        }
        shown.StampData = std::move(children);
    } else {
        shown.PenColor = clBlack;
        shown.BrushColor = clYellow;
    }
    DrawFigure(canvas, TPenMode::Copy, 0, 0, shown, ghost);
}

std::int32_t Scaled(std::int32_t v, double scale) {
    return static_cast<std::int32_t>(std::lround(v * scale));
}

TPoint Scaled(TPoint p, double scale) {
    return {Scaled(p.x, scale), Scaled(p.y, scale)};
}

void DrawItem(Canvas& canvas, const TFigData& figure, bool highlighted, const TGhostRule& ghost,
              double scale) {
    if (scale != 1) return DrawItem(canvas, Scaled(figure, scale), highlighted, ghost, 1);
    if (highlighted)
        DrawHighlighted(canvas, figure, ghost);
    else
        DrawFigure(canvas, TPenMode::Copy, 0, 0, figure, ghost);
}

void DrawItem(Canvas& canvas, const TFigItem* item, const TGhostRule& ghost, const TView& view) {
    DrawItem(canvas, item->Data, item == view.Highlighted, ghost, view.Scale);
}

// FNV-1a over the values a picture depends on.
struct TKey {
    std::uint64_t Value = 1469598103934665603ull;
    void Add(std::int64_t v) {
        for (int i = 0; i < 8; ++i, v >>= 8)
            Value = (Value ^ std::uint64_t(v & 0xFF)) * 1099511628211ull;
    }
    void Add(const TPoint& p) {
        Add(p.x);
        Add(p.y);
    }
    void Add(const std::string& text) {
        Add(std::int64_t(text.size()));
        for (const char c : text)
            Add(c);
    }
    void Add(const TFigData& f) {
        Add(std::int64_t(f.DrawingTool));
        Add(f.Start);
        Add(f.End);
        for (const std::int64_t v :
             {std::int64_t(f.PenWidth), std::int64_t(f.PenColor), std::int64_t(f.BrushColor),
              std::int64_t(f.TextSize), std::int64_t(f.TextColor)})
            Add(v);
        Add(f.Text);
        if (f.PointData)
            for (std::int32_t i = 0; i < f.PointData->Count; ++i)
                Add(f.PointData->At(i));
        if (f.StampData)
            for (const TFigItem* child = f.StampData->GetFirst(); child; child = child->Next)
                Add(child->Data);
        Add(-1);
    }
};

} // namespace

TFigData Scaled(const TFigData& figure, double scale) {
    TFigData f = figure;
    f.Start = Scaled(f.Start, scale);
    f.End = Scaled(f.End, scale);
    f.PenWidth = std::max(1, Scaled(std::max(1, f.PenWidth), scale));
    f.TextSize = Scaled(f.TextSize, scale);
    if (figure.PointData) {
        f.PointData = std::make_shared<TPointData>(figure.PointData->Count);
        for (std::int32_t i = 0; i < figure.PointData->Count; ++i) {
            const TPoint p = Scaled(figure.PointData->At(i), scale);
            f.PointData->AddTracked(p.x, p.y);
        }
    }
    if (figure.StampData) {
        f.StampData = std::make_shared<TFigList>();
        for (const TFigItem* child = figure.StampData->GetFirst(); child; child = child->Next)
            f.StampData->Add(Scaled(child->Data, scale));
    }
    return f;
}

namespace {

// The free path the figure moves along, as its centre travels it, in a dotted line;
// nothing for a figure without one.
void DrawFreePath(Canvas& canvas, const TFigData& figure, double scale) {
    if (figure.Free != 1 || !figure.FreeMoveData) return;
    const TPointData& path = *figure.FreeMoveData;
    const std::int32_t count = std::min(figure.FreeMoveCount, path.Count);
    if (count < 2) return;
    // The path moves the figure by its steps, and ends where the figure is.
    const TPoint last = path.At(count - 1);
    const TPoint centre{(figure.Start.x + figure.End.x) / 2, (figure.Start.y + figure.End.y) / 2};
    std::vector<TPoint> points;
    points.reserve(std::size_t(count));
    for (std::int32_t k = 0; k < count; ++k) {
        const TPoint p = path.At(k);
        points.push_back(Scaled(TPoint{centre.x + p.x - last.x, centre.y + p.y - last.y}, scale));
    }
    canvas.Pen = TPen{std::max(1, Scaled(1, scale)), clBlack, TPenStyle::Dot, TPenMode::Copy};
    canvas.Polyline(points);
}

bool ShowsFill(const TFigData& figure) {
    return (figure.DrawingTool == TDrawingTool::Ellipse ||
            figure.DrawingTool == TDrawingTool::Rectangle ||
            figure.DrawingTool == TDrawingTool::Polygon) &&
           !IsSystemColor(figure.BrushColor);
}

// The colour a figure shows most: its fill, else its line; a stamp's first filled part's.
TColor MainColor(const TFigData& figure) {
    if (figure.DrawingTool == TDrawingTool::Stamp && figure.StampData) {
        for (const TFigItem* child = figure.StampData->GetFirst(); child; child = child->Next)
            if (ShowsFill(child->Data)) return child->Data.BrushColor;
        if (const TFigItem* first = figure.StampData->GetFirst()) return MainColor(first->Data);
    }
    if (figure.DrawingTool == TDrawingTool::Text) return figure.TextColor;
    return ShowsFill(figure) ? figure.BrushColor : figure.PenColor;
}

// The tab of a copy off the field: in its colour, with an arrow to where it went; framed
// when the copy is selected.
void DrawOffStageTab(Canvas& canvas, const TFigData& figure, const TOffStageTab& tab, bool selected,
                     double scale) {
    const TColor fill = IsSystemColor(MainColor(figure)) ? clBlack : MainColor(figure);
    const bool dark = RedOf(fill) * 3 + GreenOf(fill) * 6 + BlueOf(fill) < 1200;
    const TRect& r = tab.Box;
    canvas.Pen = TPen{std::max(1, Scaled(1, scale)), dark ? clWhite : clBlack, TPenStyle::Solid,
                      TPenMode::Copy};
    canvas.SetBrushColor(fill);
    canvas.Rectangle({Scaled(r.Left, scale), Scaled(r.Top, scale), Scaled(r.Right, scale),
                      Scaled(r.Bottom, scale)});
    // The arrow, from the tab's middle towards the copy.
    const TPoint d = tab.Toward, across{-d.y, d.x};
    const TPoint mid{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    const auto at = [&](std::int32_t along, std::int32_t side) {
        return Scaled(
            TPoint{mid.x + d.x * along + across.x * side, mid.y + d.y * along + across.y * side},
            scale);
    };
    canvas.SetBrushColor(dark ? clWhite : clBlack);
    canvas.Polygon({at(5, 0), at(-4, 5), at(-4, -5)});
    if (selected) {
        TFigData frame;
        frame.Start = {r.Left + 2, r.Top + 2};
        frame.End = {r.Right - 3, r.Bottom - 3};
        DrawSelectionFrame(canvas, scale == 1 ? frame : Scaled(frame, scale));
    }
}

} // namespace

void DrawSelectionFrame(Canvas& canvas, const TFigData& figure) {
    // The white brush leaves the inside as it is in not-xor mode.
    canvas.Pen = TPen{1, clBlack, TPenStyle::Dot, TPenMode::NotXor};
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    canvas.Rectangle(FrameRect(figure));
}

void RenderField(const TFigList& figures, const TView& view, Bitmap& background, Bitmap& target) {
    const TRect field{0, 0, target.Width(), target.Height()};
    Canvas& canvas = target.GetCanvas();
    const TRect whole{0, 0, background.Width(), background.Height()};
    canvas.CopyRect(field, background.GetCanvas(), whole, whole != field);

    if (!view.Watching) {
        const auto fieldWidth = static_cast<std::int32_t>(std::lround(field.Right / view.Scale));
        const auto fieldHeight = static_cast<std::int32_t>(std::lround(field.Bottom / view.Scale));
        // Every figure counts for the ghost rule: the start half is drawn as ghosts.
        std::int32_t index = 0;
        for (const TFigItem* item = figures.GetFirst(); item; item = item->Next, ++index)
            if (item->Data.CutNumber == view.Cut)
                DrawItem(canvas, item, {index, view.FigureCount, false}, view);
        // A selected figure of another cut (one whose cut was deleted, say) has no frame.
        if (view.Selected && view.Selected->Data.CutNumber == view.Cut) {
            // The path is its end copy's, shown with either copy.
            for (const TFigItem* copy :
                 {view.Selected, PartnerOf(figures, view.Selected, view.PairCount)})
                if (copy) DrawFreePath(canvas, copy->Data, view.Scale);
            DrawSelectionFrame(canvas, view.Scale == 1 ? view.Selected->Data
                                                       : Scaled(view.Selected->Data, view.Scale));
        }
        // Over every figure, the tabs of the copies that left the field.
        for (const TFigItem* item = figures.GetFirst(); item; item = item->Next)
            if (item->Data.CutNumber == view.Cut)
                if (const auto tab = OffStageTab(item->Data, fieldWidth, fieldHeight))
                    DrawOffStageTab(canvas, item->Data, *tab, item == view.Selected, view.Scale);
        return;
    }
    // Only the start states; the first figure is visited even when no half is known.
    const TGhostRule ghost{0, view.FigureCount, true};
    std::int32_t visited = 0;
    std::size_t standIn = 0;
    for (const TFigItem* item = figures.GetFirst();
         item && (visited == 0 || visited < view.PairCount); item = item->Next, ++visited) {
        if (item->Data.CutNumber != view.Cut) continue;
        if (standIn < view.StartCopies.size())
            DrawItem(canvas, *view.StartCopies[standIn++], false, ghost, view.Scale);
        else
            DrawItem(canvas, item, ghost, view);
    }
}

void RenderFigures(const TFigList& figures, Bitmap& target, double scale, TPoint offset) {
    const TGhostRule none{0, 0, true};
    for (const TFigItem* item = figures.GetFirst(); item; item = item->Next)
        DrawFigure(target.GetCanvas(), TPenMode::Copy, offset.x, offset.y,
                   Scaled(item->Data, scale), none);
}

void RenderFitted(const TFigList& figures, Bitmap& target) {
    const TFigItem* first = figures.GetFirst();
    if (!first) return;
    TRect box{first->Data.Start.x, first->Data.Start.y, first->Data.Start.x, first->Data.Start.y};
    for (const TFigItem* item = first; item; item = item->Next)
        for (const TPoint p : {item->Data.Start, item->Data.End}) {
            box = {std::min(box.Left, p.x), std::min(box.Top, p.y), std::max(box.Right, p.x),
                   std::max(box.Bottom, p.y)};
        }
    const std::int32_t margin = std::max(2, target.Width() / 16);
    const double scale =
        std::min(double(target.Width() - 2 * margin) / std::max(1, box.Right - box.Left),
                 double(target.Height() - 2 * margin) / std::max(1, box.Bottom - box.Top));
    const auto at = [scale](std::int32_t v) { return Scaled(v, scale); };
    RenderFigures(figures, target, scale,
                  {(target.Width() - at(box.Right) - at(box.Left)) / 2,
                   (target.Height() - at(box.Bottom) - at(box.Top)) / 2});
}

std::uint64_t TThumbnailRenderer::Key(const TFigList& figures, const TView& view) const {
    TKey key;
    key.Add(view.Cut);
    key.Add(view.Watching);
    key.Add(view.ThumbnailGhosts && view.FigureCount / 2 > 0);
    for (const TFigItem* item = figures.GetFirst(); item; item = item->Next) {
        const TFigData& figure = item->Data;
        if (figure.CutNumber != view.Cut || !OnStage(figure, Width, Height)) continue;
        key.Add(item == view.Highlighted);
        key.Add(figure);
    }
    return key.Value == 0 ? 1 : key.Value;
}

bool TThumbnailRenderer::Render(const TFigList& figures, const TView& view, Bitmap& thumbnail) {
    const TGhostRule ghost{view.ThumbnailGhosts ? 0 : view.FigureCount, view.FigureCount,
                           view.Watching};
    bool drawn = false;
    for (const TFigItem* item = figures.GetFirst(); item; item = item->Next) {
        const TFigData& figure = item->Data;
        if (figure.CutNumber != view.Cut || !OnStage(figure, Width, Height)) continue;
        if (!drawn) {
            // The picture is only cleared and scaled when some figure lands on it.
            if (!Scratch) Scratch = Bitmaps.CreateBitmap(Width, Height);
            Canvas& scratch = Scratch->GetCanvas();
            scratch.Brush = TBrush{clWhite, TBrushStyle::Solid};
            scratch.FillRect({0, 0, Width, Height});
            drawn = true;
        }
        DrawItem(Scratch->GetCanvas(), item, ghost, view);
    }
    if (drawn)
        thumbnail.GetCanvas().CopyRect({0, 0, thumbnail.Width(), thumbnail.Height()},
                                       Scratch->GetCanvas(), {-3, -3, Width + 3, Height + 3}, true);
    return drawn;
}

} // namespace murva
