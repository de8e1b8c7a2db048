#pragma once
// Repainting, which every command may ask for: the drawing field with its figures and
// selection frame, the thumbnails of the cut strip and the parts bin, and the not-xor
// selection frame drawn straight onto the paint box while the mouse moves.

#include "model/canvas.h"
#include "ui/host.h"
#include "ui/shared_state.h"
#include "ui/window_controls.h"

#include <array>
#include <memory>

namespace murva {

class TPainter {
public:
    TPainter(TSharedState& state, TWindowControls& controls, Host& host, Graphics& graphics);

    // The one repaint: background, the figures of the current cut, the selection frame,
    // and in the making state the ten thumbnails.
    void PaintBoxPaint();
    // Paints the figures of the current cut that lie within rect onto the thumbnail
    // S.Paint.CurrentCutImage.
    void PaintCutThumbnail(TRect rect);
    // The strip's five thumbnails, from cut StripOffset + 1 on.
    void RefreshCutStrip();
    // The five shown parts-bin slots.
    void RefreshPartsBin();
    // The frame drawn into the field's picture during a repaint.
    void DrawSelectionFrame(TFigItem* item);
    // The frame drawn (or, a second time, removed) on the paint box itself.
    void ToggleSelectionFrame(TFigItem* item);

private:
    // Paints five thumbnails with the cuts from firstCut on; the current cut stays.
    void PaintThumbnails(std::array<TImageControl, 5>& images, std::int32_t firstCut);

    TSharedState& S;
    TWindowControls& C;
    Host& host;
    Graphics& graphics;
    // The field-sized picture thumbnails are drawn on, kept between thumbnails.
    std::unique_ptr<Bitmap> ThumbnailScratch;
};

} // namespace murva
