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
#include <span>

namespace murva {

class TPainter {
public:
    TPainter(TSharedState& state, TWindowControls& controls, Host& host, Graphics& graphics);

    // The one repaint: background, the figures of the current cut, the selection frame,
    // and in the making state the ten thumbnails.
    void PaintBoxPaint() { Paint({}); }
    // The same while watching, with a run's or scrub's own figures in place of the first
    // start copies of the current cut, in list order.
    void PaintBoxPaint(std::span<const TFigData* const> startCopies) { Paint({startCopies}); }
    // The same with one figure in black and yellow (a stamp: its children), wherever it
    // is painted; the figure itself stays as it is.
    void PaintBoxPaintHighlighting(const TFigItem* figure) { Paint({{}, figure}); }
    // The repaint of a picture rebuilt from the log (もどす, できるまで): without any
    // figure a repaint leaves the thumbnails as they were, so they are whitened.
    void PaintRebuiltPicture();
    // Paints the figures of cut `cut` that lie within rect onto the thumbnail `image`.
    void PaintCutThumbnail(TImageControl& image, std::int32_t cut, TRect rect) {
        PaintThumbnail(image, cut, rect, nullptr);
    }
    // The strip's five thumbnails, from cut StripOffset + 1 on.
    void RefreshCutStrip();
    // The five shown parts-bin slots.
    void RefreshPartsBin();
    // The strip's and the bin's thumbnails empty, as those of a cut without figures.
    void ClearThumbnails();
    // The frame drawn into the field's picture during a repaint.
    void DrawSelectionFrame(TFigItem* item);
    // The frame drawn (or, a second time, removed) on the paint box itself.
    void ToggleSelectionFrame(TFigItem* item);

private:
    // What one repaint shows in place of the document's figures.
    struct TStandIns {
        std::span<const TFigData* const> StartCopies;
        const TFigItem* Highlighted = nullptr;
    };
    void Paint(const TStandIns& standIns);
    void PaintThumbnail(TImageControl& image, std::int32_t cut, TRect rect,
                        const TFigItem* highlighted);
    // Paints five thumbnails with the cuts from firstCut on.
    void PaintThumbnails(std::array<TImageControl, 5>& images, std::int32_t firstCut,
                         const TFigItem* highlighted);

    TSharedState& S;
    TWindowControls& C;
    Host& host;
    Graphics& graphics;
    // The field-sized picture thumbnails are drawn on, kept between thumbnails.
    std::unique_ptr<Bitmap> ThumbnailScratch;
};

} // namespace murva
