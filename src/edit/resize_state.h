#pragma once
// What resizing keeps while a size change of a stamp is held open.

#include "model/fig_data.h"

namespace murva {

struct TResizeState {
    // The copy of the stamp its children are scaled from, found at the first change.
    bool StampBaseKnown = false;
    TFigData StampBase;
};

} // namespace murva
