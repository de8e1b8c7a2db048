// The palette and recolouring: a colour is picked first, then given to the fill or the
// outline of the selected figure.

#include "edit/figure_editor.h"

#include "ui/texts.h"

namespace murva {

void TFigureEditor::ColorPanelClick(int field) {
    if (field < 1 || field > static_cast<int>(C.ColorPanels.size())) return;
    Shell.PickedColor = C.ColorPanels[static_cast<std::size_t>(field - 1)].Color;
}

void TFigureEditor::ClearPanelClick() {
    Shell.PickedColor = NoFillColor;
}

bool TFigureEditor::Recolour(TFigData& figure, TColorButton button, TColor color, bool& changed) {
    TColor& target = button == TColorButton::LineColorBtn ? figure.PenColor : figure.BrushColor;
    if (button == TColorButton::LineColorBtn && color == NoFillColor) {
        Platform.ShowMessage(texts::LineNoFillRefused);
        return false;
    }
    if (color == target) return true;
    target = color;
    changed = true;
    return true;
}

void TFigureEditor::AttrChangeBtnClick(TColorButton button) {
    TFigItem* selected = Doc.SelectedFig();
    if (!selected) return;
    // The figure as the colour leaves it; the document takes it from there.
    TFigData figure = selected->Data;
    DeepCopyOwnedParts(figure);
    const TColor color = Shell.PickedColor;
    bool changed = false, childChanged = false;
    // A stamp shows its colours through its children: one child can follow, several
    // cannot all be given one colour.
    if (figure.DrawingTool == TDrawingTool::Stamp && figure.StampData &&
        !figure.StampData->IsEmpty()) {
        TFigItem* child = figure.StampData->GetFirst();
        if (child->Next) {
            Platform.ShowMessage(texts::StampColorRefused);
            return;
        }
        if (!Recolour(child->Data, button, color, childChanged)) return;
    }
    if (!Recolour(figure, button, color, changed) || !(changed || childChanged)) return;

    Doc.RecordChange(selected,
                     button == TColorButton::LineColorBtn ? TChangeParameter::LineColor
                                                          : TChangeParameter::BodyColor,
                     figure);
    // A colour change carries the stamp's own colours only; its children travel with a
    // size change, or a reload would lose the child's new colour.
    if (childChanged) Doc.RecordChange(selected, TChangeParameter::Size, figure);
    Painter.PaintBoxPaint();
}

} // namespace murva
