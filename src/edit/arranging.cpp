// Duplicating, deleting, bringing back and reordering figures. Each keeps the list a
// start half and an end half of the same length, the members of a pair H places apart.

#include "edit/figure_editor.h"

#include "model/fig_pairs.h"
#include "ui/texts.h"

namespace murva {

void TFigureEditor::DupBtnClick() {
    TFigItem* selected = Doc.Figures.SelectedFig;
    // A figure with a path of its own is not copied.
    if (!selected || selected->Data.Free != 0) return;
    TFigData copy = selected->Data;
    DeepCopyOwnedParts(copy);
    copy.CutNumber = Cuts.CurrentCut;
    copy.FreeMoveData = nullptr;
    copy.FreeMoveCount = 0;
    copy.Offset(20, 20);
    TFigItem* added = Doc.RecordDuplicate(copy);
    // The copy becomes the last start copy and gets its end copy, as every figure has
    // one: a lone figure after both halves would shift every pair after a reload.
    GiveEndCopy(added);
    Doc.Figures.SelectedFig = nullptr;
    Painter.PaintBoxPaint();
}

void TFigureEditor::GiveEndCopy(TFigItem* item) {
    for (std::int32_t k = 0; k < Doc.Figures.PairCount; ++k)
        Doc.RecordStep(item, TActionKind::Back);
    Doc.Figures.LastSelectedFig = Doc.RecordDuplicate(item->Data);
    ++Doc.Figures.PairCount;
}

void TFigureEditor::DeleteBtnClick() {
    const TFigList& list = Doc.Figures.FigList;
    TFigItem* selected = Doc.Figures.SelectedFig;
    if (selected) {
        // A held size change is recorded while its figure is still there.
        Doc.CommitHeldChange();
        const std::int32_t half = Doc.Figures.PairCount;
        const bool endHalf = InEndHalf(list, selected, half);
        TFigItem* before = selected->Prev;
        Doc.RecordDelete(selected);
        // The partner, counted from the figure that stood before the deleted one.
        TFigItem* partner = nullptr;
        if (half == 1)
            partner = list.IsEmpty() ? nullptr : list.GetTail();
        else if (half > 1)
            partner = ItemAfter(list, before, endHalf ? 1 - half : half);
        if (partner) {
            Doc.RecordDelete(partner);
            --Doc.Figures.PairCount;
        }
        Doc.Figures.LastSelectedFig = nullptr;
        // With the last figure gone, a figure to come moves in a straight line.
        if (list.IsEmpty()) Shell.CurrentTool = TTool::Select;
    }
    Painter.PaintBoxPaint();
}

void TFigureEditor::RestoreBtnClick() {
    // The partner was deleted last: it comes back first, at the tail.
    TFigItem* partner = Doc.RecordRestore();
    TFigItem* item = partner ? Doc.RecordRestore() : nullptr;
    if (partner && !item && Doc.Figures.FigList.Count() % 2 == 1) {
        // A figure deleted alone (by its drawing) comes back as a pair of its own.
        Doc.Figures.SelectedFig = partner;
        GiveEndCopy(partner);
    } else if (partner) {
        // The figure that was selected goes back to the end of the start half.
        if (!item) item = partner;
        ++Doc.Figures.PairCount;
        Doc.Figures.SelectedFig = item;
        std::int32_t k = 0;
        while (k < Doc.Figures.PairCount && Doc.RecordStep(item, TActionKind::Back))
            ++k;
    }
    Painter.PaintBoxPaint();
}

bool TFigureEditor::StepFigure(TFigItem* item, TOrderButton button) {
    // Recorded for the figure that moved, whichever member of the pair is selected.
    return Doc.RecordStep(item, button == TOrderButton::FrontBtn ? TActionKind::Front
                                                                 : TActionKind::Back);
}

void TFigureEditor::FrontBackBtnClick(TOrderButton button) {
    const TFigureState& figures = Doc.Figures;
    TFigItem* selected = figures.SelectedFig;
    if (!selected) return;
    const std::int32_t half = figures.PairCount;
    const bool endHalf = InEndHalf(figures.FigList, selected, half);
    TFigItem* partner = PartnerOf(figures.FigList, selected, half);
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
