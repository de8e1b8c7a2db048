// Duplicating, deleting, bringing back and reordering figures. Each keeps the list a
// start half and an end half of the same length, the members of a pair H places apart.

#include "edit/figure_editor.h"

#include "model/fig_pairs.h"
#include "ui/texts.h"

namespace murva {

void TFigureEditor::DupBtnClick() {
    TFigureState& figures = App.S.Figures;
    TFigItem* selected = figures.SelectedFig;
    // A figure with a path of its own is not copied.
    if (!selected || selected->Data.Free != 0) return;
    TFigList& list = figures.FigList;
    TFigItem* copy = list.CopyItem(selected);
    copy->Data.CutNumber = App.S.Cuts.CurrentCut;
    copy->Data.FreeMoveData = nullptr;
    copy->Data.FreeMoveCount = 0;
    copy->Data.Offset(20, 20);
    TRecorder recorder = App.Recorder();
    recorder.RecordFigureAction(TActionKind::Duplicate, copy);
    // The copy becomes the last start copy and gets its end copy, as every figure has
    // one: a lone figure after both halves would shift every pair after a reload.
    figures.SelectedFig = copy;
    for (std::int32_t k = 0; k < figures.PairCount; ++k) {
        list.MoveBack(copy);
        recorder.RecordAction(TActionKind::Back);
    }
    TFigItem* twin = list.CopyItem(copy);
    recorder.RecordFigureAction(TActionKind::Duplicate, twin);
    ++figures.PairCount;
    figures.LastSelectedFig = twin;
    figures.SelectedFig = nullptr;
    App.Painter.PaintBoxPaint();
}

void TFigureEditor::DeleteFigure(TFigItem* item) {
    TFigureState& figures = App.S.Figures;
    figures.DeletedFigList.CopyItem(item);
    // Recorded while the figure is still there, by its own id.
    figures.SelectedFig = item;
    App.Recorder().RecordAction(TActionKind::Delete);
    figures.FigList.Remove(item);
    figures.SelectedFig = nullptr;
    --figures.LastFigureID;
}

void TFigureEditor::DeleteBtnClick() {
    TFigureState& figures = App.S.Figures;
    TFigList& list = figures.FigList;
    TFigItem* selected = figures.SelectedFig;
    if (selected) {
        // A held size change is recorded while its figure is still there.
        App.CommitPendingChange();
        const std::int32_t half = figures.PairCount;
        const bool endHalf = InEndHalf(list, selected, half);
        TFigItem* before = selected->Prev;
        DeleteFigure(selected);
        // The partner, counted from the figure that stood before the deleted one.
        TFigItem* partner = nullptr;
        if (half == 1)
            partner = list.IsEmpty() ? nullptr : list.GetTail();
        else if (half > 1)
            partner = ItemAfter(list, before, endHalf ? 1 - half : half);
        if (partner) {
            DeleteFigure(partner);
            --figures.PairCount;
        }
        figures.LastSelectedFig = nullptr;
    }
    App.Painter.PaintBoxPaint();
}

void TFigureEditor::RestoreBtnClick() {
    TFigureState& figures = App.S.Figures;
    TFigList& list = figures.FigList;
    TRecorder recorder = App.Recorder();
    bool broughtBack = false;
    // The partner was deleted last: it comes back first, at the tail.
    for (int n = 0; n < 2 && !figures.DeletedFigList.IsEmpty(); ++n) {
        TFigItem* last = figures.DeletedFigList.GetTail();
        recorder.RecordFigureAction(TActionKind::Restore, list.CopyItem(last));
        figures.DeletedFigList.Remove(last);
        broughtBack = true;
    }
    if (broughtBack) {
        // The figure that was selected goes back to the end of the start half.
        ++figures.PairCount;
        TFigItem* item = list.GetTail();
        figures.SelectedFig = item;
        for (std::int32_t k = 0; k < figures.PairCount && list.MoveBack(item) == 0; ++k)
            recorder.RecordAction(TActionKind::Back);
    }
    App.Painter.PaintBoxPaint();
}

bool TFigureEditor::StepFigure(TFigItem* item, TOrderButton button) {
    TFigureState& figures = App.S.Figures;
    const bool front = button == TOrderButton::FrontBtn;
    if ((front ? figures.FigList.MoveFront(item) : figures.FigList.MoveBack(item)) != 0)
        return false;
    // Recorded for the figure that moved, whichever member of the pair is selected.
    TFigItem* selected = figures.SelectedFig;
    figures.SelectedFig = item;
    App.Recorder().RecordAction(front ? TActionKind::Front : TActionKind::Back);
    figures.SelectedFig = selected;
    return true;
}

void TFigureEditor::FrontBackBtnClick(TOrderButton button) {
    TFigureState& figures = App.S.Figures;
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
        App.Platform.ShowMessage(front     ? texts::NoFurtherFront
                                 : endHalf ? texts::NoFurtherBack
                                           : texts::NoFurtherBackStart);
        return;
    }
    if (second != first) StepFigure(second, button);
    App.Painter.PaintBoxPaint();
}

} // namespace murva
