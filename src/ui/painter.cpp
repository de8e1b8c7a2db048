#include "ui/painter.h"

#include "model/cut_ranges.h"

#include <algorithm>
#include <cmath>

namespace murva {

namespace {

constexpr double DragThumbnailInterval = 100;

} // namespace

TPainter::TPainter(TSharedState& state, TWindowControls& controls, Host& h, Graphics& g)
    : S(state), C(controls), host(h), Bitmaps(g), Thumbnails(g, C.FieldWidth, C.FieldHeight) {}

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
    LastDoc = &doc;
    LastView = view;
    // At another scale the field's own picture, which exports take, is painted when asked.
    FieldStale = Scale != 1;
    if (FieldStale) {
        view.Scale = Scale;
        Bitmap& target = C.PaintBox.Modify();
        RenderField(doc.FigList(), view, BackgroundAtSize(target.Width(), target.Height()), target);
    } else {
        RenderField(doc.FigList(), view, *C.BGImage.Picture, *C.CanvasBitmap);
        // The whole field: the paint box keeps its pixels, so no row may be left stale.
        const TRect field{0, 0, C.FieldWidth, C.FieldHeight};
        C.PaintBox.Modify().GetCanvas().CopyRect(field, C.CanvasBitmap->GetCanvas(), field);
    }
    host.Invalidate();
}

void TPainter::PaintInto(Bitmap& target, const TDocument& doc, TView view) {
    view.Scale = double(target.Width()) / C.FieldWidth;
    RenderField(doc.FigList(), view, BackgroundAtSize(target.Width(), target.Height()), target);
}

Bitmap& TPainter::BackgroundAtSize(std::int32_t width, std::int32_t height) {
    Bitmap& source = *C.BGImage.Picture;
    if (source.Width() == width && source.Height() == height) return source;
    if (!ScaledBackground || ScaledBackgroundVersion != C.BGImage.Version ||
        ScaledBackground->Width() != width || ScaledBackground->Height() != height) {
        if (ScaledBackground)
            ScaledBackground->SetSize(width, height);
        else
            ScaledBackground = Bitmaps.CreateBitmap(width, height);
        ScaledBackground->GetCanvas().CopyRect({0, 0, width, height}, source.GetCanvas(),
                                               {0, 0, source.Width(), source.Height()}, true);
        ScaledBackgroundVersion = C.BGImage.Version;
    }
    return *ScaledBackground;
}

const Bitmap& TPainter::Field() {
    if (FieldStale && LastDoc)
        RenderField(LastDoc->FigList(), LastView, *C.BGImage.Picture, *C.CanvasBitmap);
    FieldStale = false;
    return *C.CanvasBitmap;
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
    if (!Thumbnails.Render(figures, view, image.Modify())) Blank(image);
}

void TPainter::Blank(TImageControl& image) {
    // Drawn with the image's own pen and brush, over the whole thumbnail.
    Bitmap& picture = image.Modify();
    picture.GetCanvas().Rectangle({-1, -1, picture.Width() + 8, picture.Height() + 10});
}

void TPainter::PaintThumbnails(const TFigList& figures, const TView& view,
                               std::int32_t stripOffset) {
    // A partner's black and yellow is the field's: thumbnails show the figures' colours.
    TView cut = view;
    cut.Highlighted = nullptr;
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
        if (image.Picture) Blank(image);
    }
    ForgetThumbnails();
    host.Invalidate();
}

void TPainter::ToggleSelectionFrame(const TFigItem* item) {
    if (!item) return;
    DrawSelectionFrame(C.PaintBox.Modify().GetCanvas(),
                       Scale == 1 ? item->Data : Scaled(item->Data, Scale));
    host.Invalidate();
}

bool TPainter::SetScale(double scale) {
    if (scale == Scale || scale <= 0) return false;
    Scale = scale;
    const auto scaled = [scale](std::int32_t v) {
        return std::max<std::int32_t>(1, static_cast<std::int32_t>(std::lround(v * scale)));
    };
    C.PaintBox.Modify().SetSize(scaled(C.FieldWidth), scaled(C.FieldHeight));
    C.PaintBox.Scale = scale;
    for (std::size_t k = 0; k < 10; ++k) {
        TImageControl& image = ThumbnailImage(k);
        if (!image.Picture) continue;
        image.Modify().SetSize(scaled(C.ThumbWidth), scaled(C.ThumbHeight));
        image.Scale = scale;
    }
    ClearThumbnails();
    return true;
}

} // namespace murva
