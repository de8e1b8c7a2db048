// Choosing, scrolling and counting Cuts.

#include "anim/film_strip.h"

#include "model/cut_numbers.h"
#include "model/cut_ranges.h"
#include "ui/texts.h"

#include <algorithm>
#include <cstdio>

namespace murva {

bool TFilmStrip::HasFigures(const char* message) {
    if (!Doc.FigList().IsEmpty()) return true;
    Platform.ShowMessage(message);
    return false;
}

void TFilmStrip::CutImageClick(int thumb) {
    const int pending = Cuts.PendingThumb;
    TImageControl& target = pending >= 1 && pending <= 5 ? C.CutImages[pending - 1]
                                                         : C.CutImages[std::max(thumb, 1) - 1];
    Doc.Select(nullptr);
    C.PlayBar.SetPositionQuietly(0);
    // The first thumbnail that was clicked or is pending; none leaves no highlight.
    int chosen = 0;
    for (int k = 1; k <= 5 && !chosen; ++k)
        if (k == thumb || k == pending) chosen = k;
    if (chosen) Cuts.CurrentCut = Cuts.StripOffset + chosen;
    Cuts.PendingThumb = 0;
    Painter.PaintCutThumbnail(target, Cuts.CurrentCut);
    Cuts.CutCount = std::max(Cuts.CutCount, Doc.CutsInUse());
    Painter.PaintBoxPaint();
}

void TFilmStrip::CutCountDownBtnClick() {
    if (Cuts.StripOffset <= 0) return; // the button is disabled there
    --Cuts.StripOffset;
    Painter.RefreshCutStrip();
    --Cuts.CurrentCut; // the highlight stays on its thumbnail, which shows the cut before
    Painter.PaintBoxPaint();
}

void TFilmStrip::CutCountUpBtnClick() {
    if (!HasFigures(texts::NoFigureAtAll)) return;
    ++Cuts.StripOffset;
    Painter.RefreshCutStrip();
    if (Cuts.CurrentCut < FirstPartsSlot && Cuts.CurrentCut > Cuts.CutCount)
        Cuts.CutCount = Cuts.CurrentCut;
    const std::int32_t highest = HighestCutNumberBelow(Doc.FigList(), INT32_MAX, 0);
    if (Cuts.CutCount > highest) Cuts.CutCount = highest;
    ++Cuts.CurrentCut;
    Painter.PaintBoxPaint();
}

void TFilmStrip::ScrollTo(std::int32_t cut, int thumb) {
    Cuts.StripOffset = std::max(0, cut - thumb);
    Painter.RefreshCutStrip();
}

void TFilmStrip::InputEditKeyPress(TKey key) {
    TEditControl& input = C.InputEdit;
    if (key == TKey::Enter) input.Visible = false;
    if (key == TKey::Escape) {
        input.Visible = false;
        input.Text.clear();
        if (Shell.Mode == TMode::Draw) Shell.CurrentTool = TMotionTool::Select;
    }
    Painter.PaintBoxPaint();
}

void TFilmStrip::MoveToCut(TFigItem* item, std::int32_t cut) {
    TFigData state = item->Data;
    state.CutNumber = cut;
    Doc.RecordMove(item, state);
}

} // namespace murva
