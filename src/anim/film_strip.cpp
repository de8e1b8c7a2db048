// Choosing, scrolling and counting cuts.

#include "anim/film_strip.h"

#include "anim/cut_numbers.h"
#include "model/cut_ranges.h"
#include "ui/texts.h"

#include <algorithm>
#include <cstdio>

namespace murva {

void TFilmStrip::UpdateCutCounter() {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", App.S.Cuts.CurrentCut, App.S.Cuts.CutCount);
    App.C.CutSelect.Text = text;
}

bool TFilmStrip::HasFigures(const char* message) {
    if (!App.S.Doc.Figures.FigList.IsEmpty()) return true;
    App.Platform.ShowMessage(message);
    return false;
}

void TFilmStrip::CutImageClick(int thumb) {
    TSharedState& S = App.S;
    TWindowControls& C = App.C;
    const int pending = S.Cuts.PendingThumb;
    TImageControl& target = pending >= 1 && pending <= 5 ? C.CutImages[pending - 1]
                                                         : C.CutImages[std::max(thumb, 1) - 1];
    S.Doc.Figures.SelectedFig = nullptr;
    C.PlayBar.SetPosition(0);
    // The first thumbnail that was clicked or is pending; none leaves no highlight.
    int chosen = 0;
    for (int k = 1; k <= 5 && !chosen; ++k)
        if (k == thumb || k == pending) chosen = k;
    C.MarkThumbHoles(chosen);
    if (chosen) {
        S.Cuts.CurrentCut = S.Cuts.StripOffset + chosen;
        for (int i = 1; i <= 5; ++i) {
            C.ImagePanels[i - 1].Bevel = i == chosen ? TBevel::Lowered : TBevel::Raised;
            C.ImagePanels[i - 1].BevelWidth = i == chosen ? 3 : 1;
        }
    }
    S.Cuts.PendingThumb = 0;
    App.Painter.PaintCutThumbnail(target, S.Cuts.CurrentCut, {0, 0, C.FieldWidth, C.FieldHeight});
    S.Cuts.CutCount =
        std::max(S.Cuts.CutCount, HighestCutNumberBelow(S.Doc.Figures.FigList, FirstPartsSlot, 0));
    UpdateCutCounter();
    App.Painter.PaintBoxPaint();
}

void TFilmStrip::CutCountDownBtnClick() {
    TCutState& cuts = App.S.Cuts;
    if (cuts.StripOffset <= 0) return; // the button is disabled there
    if (--cuts.StripOffset == 0) App.C.CutCountDownBtn.Enabled = false;
    App.Painter.RefreshCutStrip();
    --cuts.CurrentCut; // the highlight stays on its thumbnail, which shows the cut before
    App.Painter.PaintBoxPaint();
}

void TFilmStrip::CutCountUpBtnClick() {
    if (!HasFigures(texts::NoFigureAtAll)) return;
    TSharedState& S = App.S;
    TCutState& cuts = S.Cuts;
    ++cuts.StripOffset;
    App.Painter.RefreshCutStrip();
    if (cuts.CurrentCut < FirstPartsSlot && cuts.CurrentCut > cuts.CutCount)
        cuts.CutCount = cuts.CurrentCut;
    const std::int32_t highest = HighestCutNumberBelow(S.Doc.Figures.FigList, INT32_MAX, 0);
    if (cuts.CutCount > highest) cuts.CutCount = highest;
    ++cuts.CurrentCut;
    App.Painter.PaintBoxPaint();
    App.C.CutCountDownBtn.Enabled = true;
}

void TFilmStrip::ScrollTo(std::int32_t cut, int thumb) {
    TCutState& cuts = App.S.Cuts;
    cuts.StripOffset = std::max(0, cut - thumb);
    App.C.CutCountDownBtn.Enabled = cuts.StripOffset > 0;
    App.Painter.RefreshCutStrip();
}

void TFilmStrip::InputEditKeyPress(TKey key) {
    TEditControl& input = App.C.InputEdit;
    if (key == TKey::Enter) input.Visible = false;
    if (key == TKey::Escape) {
        input.Visible = false;
        input.Text.clear();
        if (App.S.Shell.Mode == TMode::Draw) App.S.Shell.CurrentTool = TTool::Select;
    }
    App.Painter.PaintBoxPaint();
}

void TFilmStrip::MoveToCut(TFigItem* item, std::int32_t cut) {
    TFigData state = item->Data;
    state.CutNumber = cut;
    App.S.Doc.RecordMove(item, state);
}

} // namespace murva
