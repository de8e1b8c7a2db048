#include "model/draw_figure.h"

#include <algorithm>
#include <vector>

namespace murva {

namespace {

// The translated outline of a point figure. One buffer serves every call, since a
// repaint draws thousands of outlines and none is drawn while another is being built.
const std::vector<TPoint>& TranslatedPoints(const TPointData& points, std::int32_t dx,
                                            std::int32_t dy) {
    thread_local std::vector<TPoint> buffer;
    std::vector<TPoint>& translated = buffer;
    const std::int32_t count =
        std::clamp(std::min(points.Count, points.Capacity()), 0, TPointData::MaxPoints);
    translated.resize(static_cast<std::size_t>(count));
    TPoint* out = translated.data();
    for (std::int32_t i = 0; i < count; ++i) {
        const TPoint& p = points.At(i);
        out[i] = {p.x + dx, p.y + dy};
    }
    return translated;
}

} // namespace

void DrawFigure(Canvas& canvas, TPenMode mode, std::int32_t dx, std::int32_t dy,
                const TFigItem* item, const TGhostRule& ghost) {
    if (item) DrawFigure(canvas, mode, dx, dy, item->Data, ghost);
}

void DrawFigure(Canvas& canvas, TPenMode mode, std::int32_t dx, std::int32_t dy,
                const TFigData& figure, const TGhostRule& ghost) {
    canvas.Pen.Mode = mode;
    canvas.Pen.Width = figure.PenWidth;
    canvas.Pen.Color = figure.PenColor;
    canvas.SetBrushColor(figure.BrushColor);
    canvas.Pen.Style = TPenStyle::Solid;

    const TPoint o{figure.Start.x + dx, figure.Start.y + dy};
    const TPoint c{figure.End.x + dx, figure.End.y + dy};

    const bool ghosted = ghost.Applies();
    const std::int32_t rememberedWidth = canvas.Pen.Width;
    if (ghosted) {
        canvas.Pen.Width = 1;
        canvas.Pen.Style = TPenStyle::Dot;
    }

    switch (figure.DrawingTool) {
    case TDrawingTool::Text:
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.Font.Size = figure.TextSize;
        canvas.Font.Color = figure.TextColor;
        canvas.TextOut(o.x, o.y, figure.Text);
        break;
    case TDrawingTool::Line:
        canvas.MoveTo(o.x, o.y);
        canvas.LineTo(c.x, c.y);
        break;
    case TDrawingTool::FreeLine:
    case TDrawingTool::Polyline:
        if (figure.PointData) canvas.Polyline(TranslatedPoints(*figure.PointData, dx, dy));
        break;
    case TDrawingTool::Ellipse:
        canvas.Ellipse({o.x, o.y, c.x, c.y});
        break;
    case TDrawingTool::Rectangle:
        canvas.Rectangle({o.x, o.y, c.x, c.y});
        break;
    case TDrawingTool::Polygon:
        if (figure.PointData) canvas.Polygon(TranslatedPoints(*figure.PointData, dx, dy));
        break;
    case TDrawingTool::Stamp:
        DrawStampChildren(canvas, figure.StampData.get(), o.x, o.y, ghost);
        break;
    default:
        break;
    }

    if (ghosted) {
        canvas.Pen.Width = rememberedWidth;
        canvas.Pen.Style = TPenStyle::Solid;
    }
}

void DrawStampChildren(Canvas& canvas, const TFigList* list, std::int32_t dx, std::int32_t dy,
                       const TGhostRule& ghost) {
    if (!list) return;
    for (const TFigItem* child = list->GetFirst(); child; child = child->Next) {
        if (child->Data.DrawingTool == TDrawingTool::Stamp)
            DrawStampChildren(canvas, child->Data.StampData.get(), dx + child->Data.Start.x,
                              dy + child->Data.Start.y, ghost);
        else
            DrawFigure(canvas, TPenMode::Copy, dx, dy, child, ghost);
    }
}

} // namespace murva
