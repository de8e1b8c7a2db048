#pragma once
// Starting the work afresh: the document emptied, the window as at start-up.

#include "edit/mouse_state.h"
#include "ui/services.h"

namespace murva {

class TWorkReset {
public:
    TWorkReset(TServices& services, TMouseState& mouse) : App(services), Mouse(mouse) {}

    // Empties the figures and the log, whitens the background and the thumbnails, and
    // returns to the first cut in the making state.
    void ResetDocument();
    // The paint box's pen and brush as the window starts with them.
    void SetDefaultPen();

private:
    TServices& App;
    TMouseState& Mouse;
};

} // namespace murva
