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

} // namespace

TPainter::TPainter(TSharedState& state, TWindowControls& controls, Host& h, Graphics& g)
    : S(state), C(controls), host(h), graphics(g) {}

void TPainter::PaintThumbnails(std::array<TImageControl, 5>& images, std::int32_t firstCut) {
    const std::int32_t current = S.Cuts.CurrentCut;
    for (int k = 0; k < 5; ++k) {
        S.Cuts.CurrentCut = firstCut + k;
        S.Paint.CurrentCutImage = &images[k];
        PaintCutThumbnail({0, 0, C.FieldWidth, C.FieldHeight});
    }
    S.Cuts.CurrentCut = current;
}

void TPainter::RefreshCutStrip() {
    PaintThumbnails(C.CutImages, S.Cuts.StripOffset + 1);
}

void TPainter::RefreshPartsBin() {
    PaintThumbnails(C.PartsImages, FirstPartsSlot);
}

void TPainter::PaintBoxPaint() {
    S.Paint.PaintIndex = 0;
    const TRect field{0, 0, C.FieldWidth, C.FieldHeight};
    Canvas& canvas = C.CanvasBitmap->GetCanvas();
    canvas.CopyRect(field, C.BGImage.Picture->GetCanvas(), field);

    TFigList& list = S.Doc.Figures.FigList;
    const TMode mode = S.Shell.Mode;
    if (mode == TMode::Draw || mode == TMode::Edit) {
        RefreshCutStrip();
        RefreshPartsBin();
        const std::int32_t current = S.Cuts.CurrentCut;

        for (TFigItem* item = list.GetFirst(); item; item = item->Next) {
            if (item->Data.CutNumber == current) {
                const TGhostRule ghost{S.Paint.PaintIndex, S.Doc.Figures.LastFigureID, false};
                DrawFigure(canvas, TPenMode::Copy, 0, 0, item, ghost);
            }
            ++S.Paint.PaintIndex;
        }
        if (!list.IsEmpty() && S.Doc.Figures.SelectedFig)
            DrawSelectionFrame(S.Doc.Figures.SelectedFig);
    } else if (mode == TMode::Watch) {
        // Only the start states; the first figure is visited even when no half is known.
        const TGhostRule ghost{S.Paint.PaintIndex, S.Doc.Figures.LastFigureID, true};
        std::int32_t visited = 0;
        for (TFigItem* item = list.GetFirst();
             item && (visited == 0 || visited < S.Doc.Figures.PairCount);
             item = item->Next, ++visited) {
            if (item->Data.CutNumber == S.Cuts.CurrentCut)
                DrawFigure(canvas, TPenMode::Copy, 0, 0, item, ghost);
        }
    }

    // The whole field: the paint box keeps its pixels, so no row may be left stale.
    C.PaintBox.Modify().GetCanvas().CopyRect(field, canvas, field);
    host.Invalidate();
}

void TPainter::PaintCutThumbnail(TRect rect) {
    TFigList& list = S.Doc.Figures.FigList;
    if (list.IsEmpty()) {
        S.Shell.CurrentTool = TTool::Select;
        return;
    }
    TImageControl* image = S.Paint.CurrentCutImage;
    if (!image || !image->Picture) return;

    if (rect.Left > rect.Right) std::swap(rect.Left, rect.Right);
    if (rect.Top > rect.Bottom) std::swap(rect.Top, rect.Bottom);
    const TRect inside{rect.Left - 3, rect.Top - 3, rect.Right + 3, rect.Bottom + 3};

    // The picture is only cleared and scaled when some figure lands on it.
    const TGhostRule ghost{S.Paint.PaintIndex, S.Doc.Figures.LastFigureID,
                           S.Shell.Mode == TMode::Watch};
    const std::int32_t cut = S.Cuts.CurrentCut;
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
        DrawFigure(ThumbnailScratch->GetCanvas(), TPenMode::Copy, 0, 0, item, ghost);
    }

    Canvas& target = image->Modify().GetCanvas();
    if (!drawn) {
        // Drawn with the image's own pen and brush; it covers the whole thumbnail.
        target.Rectangle({-1, -1, 108, 85});
        return;
    }
    target.CopyRect({0, 0, image->Picture->Width(), image->Picture->Height()},
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
