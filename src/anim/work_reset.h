#pragma once
// Starting the work afresh: the document emptied, the window as at start-up.

#include "edit/mouse_state.h"
#include "ui/painter.h"

namespace murva {

class TWorkReset {
public:
    TWorkReset(TDocument& doc, TShellState& shell, TCutState& cuts, TWindowControls& controls,
               Host& host, TPainter& painter, TMouseState& mouse)
        : Doc(doc), Shell(shell), Cuts(cuts), C(controls), Platform(host), Painter(painter),
          Mouse(mouse) {}

    // Empties the figures and the log, whitens the background and the thumbnails, and
    // returns to the first cut in the making state.
    void ResetDocument();
    // The paint box's pen and brush as the window starts with them.
    void SetDefaultPen();

private:
    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    TWindowControls& C;
    Host& Platform;
    TPainter& Painter;
    TMouseState& Mouse;
};

} // namespace murva
