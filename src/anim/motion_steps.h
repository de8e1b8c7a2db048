#pragma once
// How a start copy moves towards its end copy, one step at a time: position (straight or
// along the end copy's path), width and height one pixel per side at most, and each
// colour channel one unit at most. A run moves points and stamp children with the box
// and changes a stamp's colours through its first child; a scrub changes only boxes and
// the copy's own colours. The steps work on a copy of their own, so the document's
// figures never move.

#include "model/fig_data.h"

#include <array>
#include <vector>

namespace murva {

enum class TStepKind { Run, Scrub };

// One moving start copy: the copy that moves and is painted, and what its steps need.
struct TMotion {
    TFigData Figure;
    // The start copy as it was at the set-up, which points are stretched from.
    TFigData Before;
    // The recorded copy a stamp's children are scaled from (nullptr: they stay as they are).
    const TFigData* StampBase = nullptr;
    TPoint CentreShift;
    TPoint SizeShift;
    // Towards the end copy's centre: x is +1 when the start copy lies left of it, y is +1
    // when it lies below it (y grows downwards); -1 otherwise.
    TPoint Toward;
    // What the steps so far owe the figure: fractions of a pixel of its move and size.
    double MoveX = 0, MoveY = 0, Width = 0, Height = 0;
    // How far along its path the figure is: points owed, and the point it is at.
    double PathPoints = 0, PathIndex = 0;
    std::array<double, 3> PenColorDelta{};
    std::array<double, 3> PenColorAccum{};
    std::array<double, 3> BrushColorDelta{};
    std::array<double, 3> BrushColorAccum{};
    // A stamp's parts in a run, each from its start copy's colours to its end copy's: pen
    // then brush channels, owed and what the steps so far owe.
    std::vector<std::array<double, 6>> PartDelta, PartAccum;
};

// The motion of a start copy towards its end copy, with its own deep copy of the start
// copy, which takes over the end copy's path when it has one.
TMotion SetUpMotion(const TFigData& start, const TFigData& end);

// One step of `steps`.
void StepMotion(TMotion& motion, std::int32_t steps, TStepKind kind);

} // namespace murva
