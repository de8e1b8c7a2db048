#include "ui/painter.h"

#include "model/cut_ranges.h"
#include "model/draw_figure.h"

#include <utility>

namespace murva {

namespace {

// The selection frame: a thin dotted outline that a second drawing erases. The white
// brush leaves the inside as it is in not-xor mode.
void ApplyFramePreset(Canvas& canvas) {
    canvas.Pen = TPen{1, clBlack, TPenStyle::Dot, TPenMode::NotXor};
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
}

// Three pixels of margin around the corners as stored: a figure drawn right to left
// gets an inside-out frame.
TRect FrameRect(const TFigData& figure) {
    return {figure.Start.x - 3, figure.Start.y - 3, figure.End.x + 3, figure.End.y + 3};
}

bool Within(const TPoint& p, const TRect& r) {
    return p.x >= r.Left && p.x <= r.Right && p.y >= r.Top && p.y <= r.Bottom;
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

void DrawItem(Canvas& canvas, const TFigItem* item, const TGhostRule& ghost,
              const TFigItem* highlighted) {
    if (item == highlighted)
        DrawHighlighted(canvas, item->Data, ghost);
    else
        DrawFigure(canvas, TPenMode::Copy, 0, 0, item, ghost);
}

} // namespace

TPainter::TPainter(TSharedState& state, TWindowControls& controls, Host& h, Graphics& g)
    : S(state), C(controls), host(h), graphics(g) {}

void TPainter::PaintThumbnails(std::array<TImageControl, 5>& images, std::int32_t firstCut,
                               const TFigItem* highlighted) {
    for (int k = 0; k < 5; ++k)
        PaintThumbnail(images[k], firstCut + k, {0, 0, C.FieldWidth, C.FieldHeight}, highlighted);
}

void TPainter::RefreshCutStrip() {
    PaintThumbnails(C.CutImages, S.Cuts.StripOffset + 1, nullptr);
}

void TPainter::RefreshPartsBin() {
    PaintThumbnails(C.PartsImages, FirstPartsSlot, nullptr);
}

void TPainter::PaintRebuiltPicture() {
    PaintBoxPaint();
    if (S.Doc.Figures.FigList.IsEmpty()) ClearThumbnails();
}

void TPainter::ClearThumbnails() {
    for (auto* images : {&C.CutImages, &C.PartsImages})
        for (TImageControl& image : *images)
            if (image.Picture) image.Modify().GetCanvas().Rectangle({-1, -1, 108, 85});
    host.Invalidate();
}

void TPainter::Paint(const TStandIns& standIns) {
    S.Paint.PaintIndex = 0;
    const TRect field{0, 0, C.FieldWidth, C.FieldHeight};
    Canvas& canvas = C.CanvasBitmap->GetCanvas();
    canvas.CopyRect(field, C.BGImage.Picture->GetCanvas(), field);

    TFigList& list = S.Doc.Figures.FigList;
    const TMode mode = S.Shell.Mode;
    if (mode == TMode::Draw || mode == TMode::Edit) {
        PaintThumbnails(C.CutImages, S.Cuts.StripOffset + 1, standIns.Highlighted);
        PaintThumbnails(C.PartsImages, FirstPartsSlot, standIns.Highlighted);
        const std::int32_t current = S.Cuts.CurrentCut;

        for (TFigItem* item = list.GetFirst(); item; item = item->Next) {
            if (item->Data.CutNumber == current) {
                const TGhostRule ghost{S.Paint.PaintIndex, S.Doc.Figures.LastFigureID, false};
                DrawItem(canvas, item, ghost, standIns.Highlighted);
            }
            ++S.Paint.PaintIndex;
        }
        // A selected figure of another cut (one whose cut was deleted, say) has no frame here.
        const TFigItem* selected = S.Doc.Figures.SelectedFig;
        if (selected && selected->Data.CutNumber == current)
            DrawSelectionFrame(S.Doc.Figures.SelectedFig);
    } else if (mode == TMode::Watch) {
        // Only the start states; the first figure is visited even when no half is known.
        const TGhostRule ghost{S.Paint.PaintIndex, S.Doc.Figures.LastFigureID, true};
        std::int32_t visited = 0;
        std::size_t standIn = 0;
        for (TFigItem* item = list.GetFirst();
             item && (visited == 0 || visited < S.Doc.Figures.PairCount);
             item = item->Next, ++visited) {
            if (item->Data.CutNumber != S.Cuts.CurrentCut) continue;
            if (standIn < standIns.StartCopies.size())
                DrawFigure(canvas, TPenMode::Copy, 0, 0, *standIns.StartCopies[standIn++], ghost);
            else
                DrawItem(canvas, item, ghost, standIns.Highlighted);
        }
    }

    // The whole field: the paint box keeps its pixels, so no row may be left stale.
    C.PaintBox.Modify().GetCanvas().CopyRect(field, canvas, field);
    host.Invalidate();
}

void TPainter::PaintThumbnail(TImageControl& image, std::int32_t cut, TRect rect,
                              const TFigItem* highlighted) {
    TFigList& list = S.Doc.Figures.FigList;
    if (list.IsEmpty() || !image.Picture) return;

    if (rect.Left > rect.Right) std::swap(rect.Left, rect.Right);
    if (rect.Top > rect.Bottom) std::swap(rect.Top, rect.Bottom);
    const TRect inside{rect.Left - 3, rect.Top - 3, rect.Right + 3, rect.Bottom + 3};

    // The picture is only cleared and scaled when some figure lands on it.
    const TGhostRule ghost{S.Paint.PaintIndex, S.Doc.Figures.LastFigureID,
                           S.Shell.Mode == TMode::Watch};
    bool drawn = false;
    for (TFigItem* item = list.GetFirst(); item; item = item->Next) {
        const TFigData& figure = item->Data;
        if (figure.CutNumber != cut || !Within(figure.Start, inside) || !Within(figure.End, inside))
            continue;
        if (!drawn) {
            if (!ThumbnailScratch)
                ThumbnailScratch = graphics.CreateBitmap(C.FieldWidth, C.FieldHeight);
            Canvas& scratch = ThumbnailScratch->GetCanvas();
            scratch.Brush = TBrush{clWhite, TBrushStyle::Solid};
            scratch.FillRect({0, 0, C.FieldWidth, C.FieldHeight});
            drawn = true;
        }
        DrawItem(ThumbnailScratch->GetCanvas(), item, ghost, highlighted);
    }

    Canvas& target = image.Modify().GetCanvas();
    if (!drawn) {
        // Drawn with the image's own pen and brush; it covers the whole thumbnail (as
        // ClearThumbnails does).
        target.Rectangle({-1, -1, 108, 85});
        return;
    }
    target.CopyRect({0, 0, image.Picture->Width(), image.Picture->Height()},
                    ThumbnailScratch->GetCanvas(), {-3, -3, C.FieldWidth + 3, C.FieldHeight + 3},
                    true);
}

void TPainter::DrawSelectionFrame(TFigItem* item) {
    if (!item) return;
    Canvas& canvas = C.CanvasBitmap->GetCanvas();
    ApplyFramePreset(canvas);
    canvas.Rectangle(FrameRect(item->Data));
}

void TPainter::ToggleSelectionFrame(TFigItem* item) {
    if (!item) return;
    Canvas& canvas = C.PaintBox.Modify().GetCanvas();
    ApplyFramePreset(canvas);
    canvas.Rectangle(FrameRect(item->Data));
    host.Invalidate();
}

} // namespace murva
