#pragma once
// The renderer: paints a given list of figures, as a given view shows them, into a given
// picture. It reads no state of the program, so the window, the thumbnails, a run,
// できるまで and the exports all paint alike.

#include "model/canvas.h"
#include "model/fig_list.h"

#include <cstdint>
#include <memory>
#include <span>

namespace murva {

// What a picture shows of the figures.
struct TView {
    std::int32_t Cut = 1;
    // The start copies alone, never as ghosts: a cut as the play button shows it.
    bool Watching = false;
    // The list's start half, and the figures as recording counts them (the ghost rule
    // halves that).
    std::int32_t PairCount = 0;
    std::int32_t FigureCount = 0;
    // Framed with a dotted line.
    const TFigItem* Selected = nullptr;
    // Painted in black and yellow (a stamp: its children), wherever it lies.
    const TFigItem* Highlighted = nullptr;
    // A run's own copies in place of the cut's first start copies, in list order.
    std::span<const TFigData* const> StartCopies;
    // Thumbnails painted within a repaint of the field see no figure visited yet: while
    // making, every figure of theirs is a ghost when the list has pairs.
    bool ThumbnailGhosts = false;
    // Device pixels per field pixel: the field is painted with the figures' geometry at
    // that scale (a 1-pixel line at 2 is 2 pixels wide), never enlarged from a picture.
    double Scale = 1;
};

// The field: the background copied under the figures of the view's cut, and the frame of
// the selection; while making, the tabs of the copies that left the field. The target has the
// field's size times the scale; the background is scaled smoothly to it, unless it has its size
// already.
void RenderField(const TFigList& figures, const TView& view, Bitmap& background, Bitmap& target);

// The figures at the scale, moved by the offset (in the picture's pixels), over what the
// picture shows, as watching shows them: a preview of a file.
void RenderFigures(const TFigList& figures, Bitmap& target, double scale, TPoint offset);

// The same, fitted into the picture with a margin and centred: a material's preview.
void RenderFitted(const TFigList& figures, Bitmap& target);

// The figure with its geometry at the scale: corners, points, stamp children, pen width and
// text size.
TFigData Scaled(const TFigData& figure, double scale);

// The selection frame: a thin dotted outline drawn in not-xor, so that drawing it again
// takes it away.
void DrawSelectionFrame(Canvas& canvas, const TFigData& figure);

// Thumbnails: the figures of a cut that lie on the field, wholly or in part, painted at the
// field's size and scaled smoothly into the thumbnail. A thumbnail that no
// figure lands on is left to the caller.
class TThumbnailRenderer {
public:
    TThumbnailRenderer(Graphics& graphics, std::int32_t fieldWidth, std::int32_t fieldHeight)
        : Bitmaps(graphics), Width(fieldWidth), Height(fieldHeight) {}
    // Whether some figure landed on the thumbnail.
    bool Render(const TFigList& figures, const TView& view, Bitmap& thumbnail);
    // A key of everything the thumbnail of the view's cut shows: equal keys, equal
    // pictures, so a thumbnail is painted again only when its cut changed.
    std::uint64_t Key(const TFigList& figures, const TView& view) const;

private:
    Graphics& Bitmaps;
    std::int32_t Width, Height;
    // The field-sized picture thumbnails are drawn on, kept between thumbnails.
    std::unique_ptr<Bitmap> Scratch;
};

} // namespace murva
