#pragma once
// Drawing one figure, or the children of a stamp, onto any canvas. No application
// state here: what the ghost rule needs is passed in by the caller.

#include "model/canvas.h"
#include "model/fig_list.h"

#include <cstdint>

namespace murva {

// Start copies lie in the first half of the list, so while the main pass of a repaint
// is still in that half its figures are drawn as thin dotted ghosts; never while
// watching.
struct TGhostRule {
    // Figures visited so far by the main pass of the current repaint.
    std::int32_t PaintIndex = 0;
    std::int32_t FigureCount = 0;
    bool Watching = false;

    bool Applies() const { return !Watching && PaintIndex < FigureCount / 2; }
};

// Draws the figure translated by (dx, dy); nothing for nullptr or a figure of no kind.
void DrawFigure(Canvas& canvas, TPenMode mode, std::int32_t dx, std::int32_t dy,
                const TFigItem* item, const TGhostRule& ghost);
void DrawFigure(Canvas& canvas, TPenMode mode, std::int32_t dx, std::int32_t dy,
                const TFigData& figure, const TGhostRule& ghost);

// Draws every figure of a stamp's list translated by (dx, dy); a nested stamp is drawn
// at the sum of the offsets and its own Start. An empty or missing list draws nothing.
void DrawStampChildren(Canvas& canvas, const TFigList* list, std::int32_t dx, std::int32_t dy,
                       const TGhostRule& ghost);

} // namespace murva
