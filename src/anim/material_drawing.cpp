#include "anim/material_drawing.h"

#include "files/action_writer.h"
#include "files/safe_file.h"
#include "ui/texts.h"

namespace murva {

bool TMaterialDrawing::DrawBtnClick() {
    if (Shell.Mode == TMode::Watch) return false;
    Board.Clear();
    return true;
}

std::string TMaterialDrawing::DrawingText() const {
    return WriteDrawingFile(Board.Material(), Doc.StampNow());
}

bool TMaterialDrawing::DoneClick() {
    Board.CancelText();
    if (Board.IsEmpty()) return true;
    Files.AddDrawnMaterial(DrawingText());
    Board.Clear();
    return true;
}

bool TMaterialDrawing::CancelClick() {
    if (!Board.IsEmpty() && Platform.Ask(texts::ReallyDropDrawing, texts::ConfirmCaptionKana,
                                         TQuestionButtons::YesNo, TAnswer::No) != TAnswer::Yes)
        return false;
    Board.Clear();
    return true;
}

void TMaterialDrawing::ClearClick() {
    if (Board.IsEmpty() || Platform.Ask(texts::ReallyClearAll, texts::ConfirmCaptionKana,
                                        TQuestionButtons::YesNo, TAnswer::No) != TAnswer::Yes)
        return;
    Board.Clear();
}

void TMaterialDrawing::SaveClick() {
    if (Board.IsEmpty()) return;
    TFileDialog dialog = Shell.Dialog(texts::ZindaSaveFilter);
    dialog.DefaultExt = "znd";
    const std::optional<std::string> path = Platform.SaveDialog(dialog);
    if (!path) return;
    if (!MayReplace(Platform, *path)) return;
    // "a.znd.bak": "a.bak" is the animation's.
    if (!WriteFileAtomically(*path, DrawingText(), *path + ".bak")) {
        Platform.ShowMessage(texts::SaveFailed);
        return;
    }
    Platform.ShowMessage(texts::DrawingSaved);
}

} // namespace murva
