#pragma once
// How a start copy moves towards its end copy, one step at a time: position (straight or
// along the end copy's path), width and height one pixel per side at most, and each
// colour channel one unit at most. A run moves points and stamp children with the box
// and changes a stamp's colours through its first child; a scrub changes only boxes and
// the copy's own colours.

#include "model/fig_data.h"

namespace murva {

enum class TStepKind { Run, Scrub };

// Fills the working fields of the start copy from its end copy; the start copy takes over
// the end copy's path when it has one.
void SetUpMotion(TFigData& start, const TFigData& end, TStepKind kind);

// One step of `steps`. `before` is the start copy as it was at the set-up, which points
// are stretched from; `stampBase` the recorded copy a stamp's children are scaled from
// (nullptr: they stay as they are).
void StepMotion(TFigData& start, std::int32_t steps, TStepKind kind, const TFigData& before,
                const TFigData* stampBase);

} // namespace murva
