#pragma once
// The commands of "ずけいをかえる" on the selected figure: the palette and recolouring,
// duplicating, deleting and bringing back ("ふっかつ"), and moving one step to the front
// or back. Commands that move or remove figures keep the start/end pairs together.

#include "edit/mouse_state.h"
#include "ui/painter.h"

namespace murva {

// The two recolour buttons and the two order buttons, told apart by the button clicked.
enum class TColorButton { BodyColorBtn, LineColorBtn };
enum class TOrderButton { FrontBtn, BackBtn };

class TFigureEditor {
public:
    TFigureEditor(TDocument& doc, TShellState& shell, TCutState& cuts, TWindowControls& controls,
                  const TMouseState& mouse, Host& host, TPainter& painter)
        : Doc(doc), Shell(shell), Cuts(cuts), C(controls), Mouse(mouse), Platform(host),
          Painter(painter) {}

    // Palette field 1..16, and the no-fill field: the colour picked for recolouring.
    void ColorPanelClick(int field);
    void ClearPanelClick();
    // The fill or the outline of the selected figure takes the picked colour.
    void AttrChangeBtnClick(TColorButton button);

    // A copy of the selected figure, 20 pixels right and down, as a pair of its own.
    void DupBtnClick();
    // The selected figure and its partner.
    void DeleteBtnClick();
    // "ふっかつ": the last deleted pair.
    void RestoreBtnClick();
    // Both members of the selected figure's pair one step to the front or back.
    void FrontBackBtnClick(TOrderButton button);

private:
    // Recolours one figure's record; false (after the refusal's message) when refused.
    bool Recolour(TFigData& figure, TColorButton button, TColor color, bool& changed);
    // Moves the figure one place to the front or back and records it; false if refused.
    bool StepFigure(TFigItem* item, TOrderButton button);

    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    TWindowControls& C;
    // Where the field was last pressed: the part of a drawing a colour goes to.
    const TMouseState& Mouse;
    Host& Platform;
    TPainter& Painter;
};

} // namespace murva
