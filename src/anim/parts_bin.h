#pragma once
// The parts bin: materials wait in numbered slots until they are used in the current cut
// or removed. A figure lies in slot k when its CutNumber is 99 + k.

#include "anim/anim_state.h"
#include "ui/painter.h"

namespace murva {

class TPartsBin {
public:
    TPartsBin(TDocument& doc, TCutState& cuts, TPainter& painter, TPartsState& parts)
        : Doc(doc), Cuts(cuts), Painter(painter), Parts(parts) {}

    // "そざいをつかう" of slot 1..5: its figures go into the current cut, the slots above
    // close the gap.
    void UseSlot(int slot);
    // "そざいをけす" of slot 1..5: its figures are put aside for good, the slots above
    // close the gap.
    void RemoveSlot(int slot);

private:
    // Gives the slot's figures the cut number `to` and closes the gap above the slot,
    // recording every figure or only the changed ones; one slot fewer is in use when it
    // held a figure.
    void EmptySlot(int slot, std::int32_t to, bool recordEvery);

    TDocument& Doc;
    TCutState& Cuts;
    TPainter& Painter;
    TPartsState& Parts;
};

} // namespace murva
