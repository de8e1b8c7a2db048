#include "anim/document.h"

namespace murva {

void TDocument::SetDefaultPen() {
    Canvas& canvas = App.C.PaintBox.Picture->GetCanvas();
    canvas.Pen = TPen{4, clBlack, TPenStyle::Solid, TPenMode::Copy};
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
}

void TDocument::ResetDocument() {
    TSharedState& S = App.S;
    App.Platform.BringToFront();
    S.History.ActionLog.Clear(S.Figures.LastFigureID);
    S.Figures.FigList.Clear();
    S.Figures.DeletedFigList.Clear();
    Mouse.Clear();
    S.Figures.SelectedFig = S.Figures.LastSelectedFig = nullptr;
    S.History.ActionPending = false;
    S.History.PendingFigData = nullptr;
    S.History.ReplayCursor = nullptr;
    S.History.ReplayBase = nullptr;
    S.Shell.Mode = TMode::Draw;
    S.Shell.CurrentTool = TTool::Select;
    SetDefaultPen();
    FillWhite(App.C.BGImage.Modify());
    S.Shell.ShownBGName.clear();
    for (auto& image : App.C.CutImages)
        FillWhite(image.Modify());
    for (auto& image : App.C.PartsImages)
        FillWhite(image.Modify());
    S.Cuts.StripOffset = 0;
    S.Cuts.CurrentCut = 1;
    S.Cuts.CutCount = 1;
    App.Painter.PaintBoxPaint();
    S.Shell.CurrentTool = TTool::MoveFree;
}

} // namespace murva
