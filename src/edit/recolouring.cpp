// The palette and recolouring: a colour is picked first, then given to the fill or the
// outline of the selected figure, or of the part of a drawing that was pressed.

#include "edit/figure_editor.h"

#include "ui/texts.h"

namespace murva {

namespace {

// The topmost part of the stamp (children lie relative to its corner) under the point;
// nullptr when the point falls between them.
TFigItem* PartAt(const TFigData& stamp, TPoint p) {
    TFigItem* part = nullptr;
    for (TFigItem* child = stamp.StampData->GetFirst(); child; child = child->Next) {
        const TFigData& c = child->Data;
        const TPoint from{stamp.Start.x + c.Start.x, stamp.Start.y + c.Start.y};
        const TPoint to{stamp.Start.x + c.End.x, stamp.Start.y + c.End.y};
        if (HitsBox(from, to, p)) part = child;
    }
    return part;
}

} // namespace

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
    // A stamp shows its colours through its children. Of a drawing of several parts, the
    // part pressed last takes the colour (all of them, for a press between them), and the
    // stamp keeps its own colours; a stamp of one part takes it with its part.
    if (figure.DrawingTool == TDrawingTool::Stamp && figure.StampData &&
        !figure.StampData->IsEmpty()) {
        TFigItem* first = figure.StampData->GetFirst();
        TFigItem* part = first->Next ? PartAt(figure, Mouse.DownPoint) : first;
        for (TFigItem* child = part ? part : first; child; child = part ? nullptr : child->Next)
            if (!Recolour(child->Data, button, color, childChanged)) return;
        if (first->Next) {
            if (childChanged) Doc.RecordChange(selected, TChangeParameter::Size, figure);
            Painter.PaintBoxPaint();
            return;
        }
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
