#pragma once
// The mouse on the drawing field in the making state: a press selects the topmost figure
// of the current cut under the pointer, a drag moves an end copy, and with the free
// motion tool the drag is also the path the figure will travel along. A drag of a start
// copy moves where the figure starts. Copies may leave the field, and come back by their
// tabs.

#include "edit/mouse_state.h"
#include "edit/resizer.h"
#include "ui/painter.h"

namespace murva {

// The two motion tools, told apart by the button clicked.
enum class TMotionButton { MoveLineBtn, MoveFreeBtn };

class TFieldMouse {
public:
    TFieldMouse(TDocument& doc, TShellState& shell, TCutState& cuts, TWindowControls& controls,
                Host& host, TPainter& painter, TMouseState& mouse, TResizer& resizer)
        : Doc(doc), Shell(shell), Cuts(cuts), C(controls), Platform(host), Painter(painter),
          Mouse(mouse), Resizer(resizer) {}

    void DrawingBtnClick(TMotionButton button);
    void PaintBoxMouseDown(std::int32_t x, std::int32_t y);
    void PaintBoxMouseMove(std::int32_t x, std::int32_t y);
    void PaintBoxMouseUp(std::int32_t x, std::int32_t y);

private:
    // Selects the topmost figure of the current cut under the pointer; whether there was one.
    bool SelectFigureAt(TPoint pointer);
    // A drag released beyond the field's edge takes the figure wholly past it.
    void LeaveStageAt(TFigItem* item, TPoint release);
    // What a finished drag of `item` leaves: the figure's free path in `state`, the figure
    // as the drag leaves it.
    void FinishDrag(TFigItem* item, TFigData& state, TPoint release);
    // The figure's partner in black and yellow until the next repaint.
    void HighlightPartner(TFigItem* item);
    // The start copy moved: its end copy's free path is led in from where it now starts,
    // so that a run still ends on the end copy.
    void LeadPathFrom(TFigItem* start);

    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    TWindowControls& C;
    Host& Platform;
    TPainter& Painter;
    TMouseState& Mouse;
    TResizer& Resizer;
};

} // namespace murva
