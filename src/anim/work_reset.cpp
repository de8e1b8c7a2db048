#include "anim/work_reset.h"

namespace murva {

void TWorkReset::SetDefaultPen() {
    Canvas& canvas = App.C.PaintBox.Picture->GetCanvas();
    canvas.Pen = TPen{4, clBlack, TPenStyle::Solid, TPenMode::Copy};
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
}

void TWorkReset::ResetDocument() {
    TSharedState& S = App.S;
    App.Platform.BringToFront();
    S.Doc.Clear();
    Mouse.Clear();
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
