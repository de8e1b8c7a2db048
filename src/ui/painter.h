#pragma once
// Repainting the window, which every command may ask for: the drawing field with its
// figures and selection frame, the thumbnails of the cut strip and the parts bin, and the
// not-xor selection frame drawn straight onto the paint box while the mouse moves. The
// renderer paints; this says what, from the window's state.

#include "ui/host.h"
#include "ui/renderer.h"
#include "ui/shared_state.h"
#include "ui/window_controls.h"

#include <array>
#include <cstdint>
#include <span>

namespace murva {

class TPainter {
public:
    TPainter(TSharedState& state, TWindowControls& controls, Host& host, Graphics& graphics);

    // The one repaint: background, the figures of the current cut, the selection frame,
    // and in the making state the ten thumbnails.
    void PaintBoxPaint() { Paint(S.Doc, WindowView(), true); }
    // The same while watching, with a run's or scrub's own figures in place of the first
    // start copies of the current cut, in list order.
    void PaintBoxPaint(std::span<const TFigData* const> startCopies);
    // The same with one figure in black and yellow (a stamp: its children), wherever it
    // is painted; the figure itself stays as it is.
    void PaintBoxPaintHighlighting(const TFigItem* figure);
    // The repaint during a drag: the thumbnail of the cut it works in follows at most ten
    // times a second, and at the drag's end.
    void PaintDuringDrag();
    // The repaint of a picture rebuilt from the log (もどす): without any figure a
    // repaint leaves the thumbnails as they were, so they are whitened.
    void PaintRebuiltPicture() { PaintMaking(S.Doc, S.Cuts); }
    // The making state's picture of a document (the user's, or できるまで's own) with the
    // cut and strip given.
    void PaintMaking(const TDocument& doc, const TCutState& cuts);
    // Paints the figures of cut `cut` onto the thumbnail `image`.
    void PaintCutThumbnail(TImageControl& image, std::int32_t cut);
    // The strip's five thumbnails, from cut StripOffset + 1 on.
    void RefreshCutStrip();
    // The five shown parts-bin slots.
    void RefreshPartsBin();
    // The strip's and the bin's thumbnails empty, as those of a cut without figures.
    void ClearThumbnails();
    // The thumbnails were painted over from outside: all are painted at the next repaint.
    void ForgetThumbnails() { Painted.fill(0); }
    // The frame drawn (or, a second time, removed) on the paint box itself.
    void ToggleSelectionFrame(const TFigItem* item);
    // The field at its own size as the last repaint showed it, in the same command: what
    // exports take, whatever the window's zoom.
    const Bitmap& Field();
    // Device pixels per field pixel: the paint box and the thumbnails become pictures of as
    // many pixels, painted at that scale by the next repaint. Whether it changed.
    bool SetScale(double scale);

    // The field as the window's state shows the document.
    TView WindowView() const;
    // The field as the making state shows a document on the cut.
    static TView MakingView(const TDocument& doc, std::int32_t cut);
    // The field of the document as the view shows it, on the window's background, painted
    // into a picture of its own at the picture's scale (a film's frame), whatever the
    // window's zoom.
    void PaintInto(Bitmap& target, const TDocument& doc, TView view);

private:
    // Paints the field, and in the making state the thumbnails (all of them, or none).
    void Paint(const TDocument& doc, TView view, bool thumbnails, std::int32_t stripOffset = -1);
    // Thumbnail `slot` (0..4 the strip's, 5..9 the bin's) shows cut `cut`; painted only
    // when what it shows changed since it was last painted.
    void PaintThumbnail(std::size_t slot, const TFigList& figures, TView view);
    TImageControl& ThumbnailImage(std::size_t slot);
    // A thumbnail as a cut without figures shows it: blank.
    static void Blank(TImageControl& image);
    void PaintThumbnails(const TFigList& figures, const TView& view, std::int32_t stripOffset);

    TSharedState& S;
    TWindowControls& C;
    Host& host;
    Graphics& Bitmaps;
    TThumbnailRenderer Thumbnails;
    double Scale = 1;
    // What the last repaint showed, and whether the field's own picture still lacks it.
    const TDocument* LastDoc = nullptr;
    TView LastView;
    bool FieldStale = false;
    // The background at a size, kept until the size or the background changes.
    Bitmap& BackgroundAtSize(std::int32_t width, std::int32_t height);
    std::unique_ptr<Bitmap> ScaledBackground;
    std::uint64_t ScaledBackgroundVersion = 0;
    // What each thumbnail was painted from; 0 for unknown.
    std::array<std::uint64_t, 10> Painted{};
    // When the thumbnails last followed a drag.
    double DragThumbnailsAt = -1e9;
};

} // namespace murva
