#pragma once
// Resizing the selected figure with the two size bars, in five modes: keeping its shape
// (the first), both edges of an axis or one of them, the two bars free or linked. Every change is
// computed from the figure's geometry at the last release of the mouse, so the bars can go back and
// forth.

#include "edit/resize_state.h"
#include "model/stamp_scaling.h"
#include "ui/painter.h"

namespace murva {

// The five faces of the mode button, told apart by the one clicked.
enum class TResizeButton { KeepShapeBtn, HVChangeBtn, AllChangeBtn, DRChangeBtn, ULChangeBtn };

class TResizer {
public:
    TResizer(TDocument& doc, TShellState& shell, TWindowControls& controls, Host& host,
             TPainter& painter, TResizeState& resize)
        : Doc(doc), Shell(shell), C(controls), Platform(host), Painter(painter), Resize(resize) {}

    // The mode button: deselects, zeroes the bars and shows the next mode.
    void AllChangeBtnClick(TResizeButton button);
    // A size bar moved: HTrackBar works on x, VTrackBar on y.
    void TrackBarChange(TAxis axis);
    // The bars start again, at 0, from the figure as it is now (a press picked it).
    void TakeBase(const TFigData& figure);

private:
    // The edges of the axis as the mode moves them from the base by p; in the linked
    // mode the other bar follows.
    void ApplyBoxRule(TFigData& figure, TAxis axis, std::int32_t p);
    void StretchPoints(TFigData& figure, TAxis axis, std::int32_t p);
    void ResizeText(TFigData& figure, TAxis axis, std::int32_t p);
    // Scales the box, its points or a stamp's children about the centre, both axes by the
    // factor the bar gives its own; the other bar shows what its axis gained.
    void KeepShape(TFigData& figure, TAxis axis, std::int32_t p);
    // The recorded copy of the stamp, or its children as they are when none is found.
    const TFigData& StampBaseOf(const TFigData& stamp);

    TDocument& Doc;
    TShellState& Shell;
    TWindowControls& C;
    Host& Platform;
    TPainter& Painter;
    TResizeState& Resize;
    // The other bar is following this one in the linked mode.
    bool Linking = false;
};

} // namespace murva
