// Duplicating, deleting, bringing back and reordering figures. Each keeps the list a
// start half and an end half of the same length, the members of a pair H places apart.

#include "edit/figure_editor.h"

#include "model/fig_pairs.h"
#include "ui/texts.h"

namespace murva {

void TFigureEditor::DupBtnClick() {
    TFigItem* selected = Doc.SelectedFig();
    // A figure with a path of its own is not copied.
    if (!selected || selected->Data.Free != 0) return;
    TFigData copy = selected->Data;
    DeepCopyOwnedParts(copy);
    copy.CutNumber = Cuts.CurrentCut;
    copy.FreeMoveData = nullptr;
    copy.FreeMoveCount = 0;
    copy.Offset(20, 20);
    // The copy becomes the last start copy and gets its end copy, as every figure has
    // one: a lone figure after both halves would shift every pair after a reload.
    Doc.SetLastSelected(Doc.RecordEndCopies({Doc.RecordDuplicate(copy)}));
    Doc.Select(nullptr);
    Painter.PaintBoxPaint();
}

void TFigureEditor::DeleteBtnClick() {
    if (TFigItem* selected = Doc.SelectedFig()) {
        Doc.RecordDeletePair(selected);
        Doc.SetLastSelected(nullptr);
        // With the last figure gone, a figure to come moves in a straight line.
        if (Doc.FigList().IsEmpty()) Shell.CurrentTool = TMotionTool::Select;
    }
    Painter.PaintBoxPaint();
}

void TFigureEditor::RestoreBtnClick() {
    Doc.RecordRestorePair();
    Painter.PaintBoxPaint();
}

bool TFigureEditor::StepFigure(TFigItem* item, TOrderButton button) {
    // Recorded for the figure that moved, whichever member of the pair is selected.
    return Doc.RecordStep(item, button == TOrderButton::FrontBtn ? TActionKind::Front
                                                                 : TActionKind::Back);
}

void TFigureEditor::FrontBackBtnClick(TOrderButton button) {
    TFigItem* selected = Doc.SelectedFig();
    if (!selected) return;
    const std::int32_t half = Doc.PairCount();
    const bool endHalf = InEndHalf(Doc.FigList(), selected, half);
    TFigItem* partner = PartnerOf(Doc.FigList(), selected, half);
    if (!partner) partner = selected;
    const bool front = button == TOrderButton::FrontBtn;
    // The end copy leads to the front and the start copy to the back, so that the other
    // member never has to pass it: both keep their place within their halves.
    TFigItem* first = front == endHalf ? selected : partner;
    TFigItem* second = first == selected ? partner : selected;
    if (!StepFigure(first, button)) {
        Platform.ShowMessage(front     ? texts::NoFurtherFront
                             : endHalf ? texts::NoFurtherBack
                                       : texts::NoFurtherBackStart);
        return;
    }
    if (second != first) StepFigure(second, button);
    Painter.PaintBoxPaint();
}

} // namespace murva
