#include "anim/work_reset.h"

namespace murva {

void TWorkReset::SetDefaultPen() {
    Canvas& canvas = C.PaintBox.Picture->GetCanvas();
    canvas.Pen = TPen{4, clBlack, TPenStyle::Solid, TPenMode::Copy};
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
}

void TWorkReset::ResetDocument() {
    Platform.BringToFront();
    Doc.Clear();
    Mouse.Clear();
    Shell.Mode = TMode::Draw;
    SetDefaultPen();
    FillWhite(C.BGImage.Modify());
    Shell.ShownBGName.clear();
    for (auto& image : C.CutImages)
        FillWhite(image.Modify());
    for (auto& image : C.PartsImages)
        FillWhite(image.Modify());
    Painter.ForgetThumbnails();
    Cuts.StripOffset = 0;
    Cuts.CurrentCut = 1;
    Cuts.CutCount = 1;
    Painter.PaintBoxPaint();
    Shell.CurrentTool = TMotionTool::MoveFree;
}

} // namespace murva
