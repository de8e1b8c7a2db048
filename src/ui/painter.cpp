#include "ui/painter.h"

#include "model/cut_ranges.h"

namespace murva {

namespace {

constexpr double DragThumbnailInterval = 100;

} // namespace

TPainter::TPainter(TSharedState& state, TWindowControls& controls, Host& h, Graphics& g)
    : S(state), C(controls), host(h), Thumbnails(g, C.FieldWidth, C.FieldHeight) {}

TView TPainter::WindowView() const {
    TView view = MakingView(S.Doc, S.Cuts.CurrentCut);
    view.Watching = S.Shell.Mode == TMode::Watch;
    return view;
}

void TPainter::PaintBoxPaint(std::span<const TFigData* const> startCopies) {
    TView view = WindowView();
    view.StartCopies = startCopies;
    Paint(S.Doc, view, true);
}

void TPainter::PaintBoxPaintHighlighting(const TFigItem* figure) {
    TView view = WindowView();
    view.Highlighted = figure;
    Paint(S.Doc, view, true);
}

void TPainter::PaintDuringDrag() {
    const double now = host.Milliseconds();
    const bool follow = now - DragThumbnailsAt >= DragThumbnailInterval;
    if (follow) DragThumbnailsAt = now;
    Paint(S.Doc, WindowView(), follow);
}

TView TPainter::MakingView(const TDocument& doc, std::int32_t cut) {
    TView view;
    view.Cut = cut;
    view.PairCount = doc.PairCount();
    view.FigureCount = doc.FigureCount();
    view.Selected = doc.SelectedFig();
    return view;
}

void TPainter::PaintMaking(const TDocument& doc, const TCutState& cuts) {
    Paint(doc, MakingView(doc, cuts.CurrentCut), true, cuts.StripOffset);
    if (doc.FigList().IsEmpty()) ClearThumbnails();
}

void TPainter::Paint(const TDocument& doc, TView view, bool thumbnails, std::int32_t stripOffset) {
    if (!view.Watching && thumbnails) {
        view.ThumbnailGhosts = true;
        PaintThumbnails(doc.FigList(), view, stripOffset < 0 ? S.Cuts.StripOffset : stripOffset);
        view.ThumbnailGhosts = false;
    }
    RenderField(doc.FigList(), view, *C.BGImage.Picture, *C.CanvasBitmap);
    // The whole field: the paint box keeps its pixels, so no row may be left stale.
    const TRect field{0, 0, C.FieldWidth, C.FieldHeight};
    C.PaintBox.Modify().GetCanvas().CopyRect(field, C.CanvasBitmap->GetCanvas(), field);
    host.Invalidate();
}

TImageControl& TPainter::ThumbnailImage(std::size_t slot) {
    return slot < 5 ? C.CutImages[slot] : C.PartsImages[slot - 5];
}

void TPainter::PaintThumbnail(std::size_t slot, const TFigList& figures, TView view) {
    TImageControl& image = ThumbnailImage(slot);
    // Without any figure a thumbnail keeps what it shows.
    if (figures.IsEmpty() || !image.Picture) return;
    const std::uint64_t key = Thumbnails.Key(figures, view);
    if (Painted[slot] == key) return;
    Painted[slot] = key;
    if (!Thumbnails.Render(figures, view, image.Modify()))
        // Drawn with the image's own pen and brush; it covers the whole thumbnail (as
        // ClearThumbnails does).
        image.Modify().GetCanvas().Rectangle({-1, -1, 108, 85});
}

void TPainter::PaintThumbnails(const TFigList& figures, const TView& view,
                               std::int32_t stripOffset) {
    TView cut = view;
    for (std::size_t k = 0; k < 10; ++k) {
        cut.Cut = k < 5 ? stripOffset + 1 + std::int32_t(k) : FirstPartsSlot + std::int32_t(k) - 5;
        PaintThumbnail(k, figures, cut);
    }
}

void TPainter::PaintCutThumbnail(TImageControl& image, std::int32_t cut) {
    TView view = WindowView();
    view.Cut = cut;
    for (std::size_t k = 0; k < 10; ++k)
        if (&ThumbnailImage(k) == &image) {
            // Painted outside a repaint, whatever it showed before.
            Painted[k] = 0;
            PaintThumbnail(k, S.Doc.FigList(), view);
        }
}

void TPainter::RefreshCutStrip() {
    for (int k = 0; k < 5; ++k)
        PaintCutThumbnail(C.CutImages[k], S.Cuts.StripOffset + 1 + k);
}

void TPainter::RefreshPartsBin() {
    for (int k = 0; k < 5; ++k)
        PaintCutThumbnail(C.PartsImages[k], FirstPartsSlot + k);
}

void TPainter::ClearThumbnails() {
    for (std::size_t k = 0; k < 10; ++k) {
        TImageControl& image = ThumbnailImage(k);
        if (image.Picture) image.Modify().GetCanvas().Rectangle({-1, -1, 108, 85});
    }
    ForgetThumbnails();
    host.Invalidate();
}

void TPainter::ToggleSelectionFrame(const TFigItem* item) {
    if (!item) return;
    DrawSelectionFrame(C.PaintBox.Modify().GetCanvas(), item->Data);
    host.Invalidate();
}

} // namespace murva
