#include "anim/material_drawing.h"

#include "files/action_reader.h"
#include "files/action_writer.h"
#include "files/cp932.h"
#include "files/safe_file.h"
#include "ui/texts.h"

namespace murva {

bool TMaterialDrawing::DrawBtnClick() {
    if (Shell.Mode == TMode::Watch) return false;
    Board.Clear();
    Started = Doc.StampNow();
    return true;
}

std::string TMaterialDrawing::WorkInProgress() const {
    const std::vector<TFigData> figures = Board.WorkInProgress();
    return figures.empty() ? std::string() : WriteDrawingFile(figures, Started);
}

void TMaterialDrawing::Resume(std::string_view drawing) {
    THistoryList log;
    TReaderState reader;
    TReadContext context{log, reader};
    // The figures as they were drawn, neither in a cut nor in the bin.
    context.LoadKind = TLoadKind::StampChildren;
    if (ReadActionText(drawing, context).Result != 0) return;
    std::vector<TFigData> figures;
    for (TActionItem* item = log.GetFirst(); item; item = item->Next)
        if (item->Data.TargetType == TActionKind::Create)
            figures.push_back(std::move(item->Data.FigData));
    Board.Restore(std::move(figures));
    Started = Doc.StampNow();
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

void TMaterialDrawing::EnterText(const std::string& utf8) {
    if (!Cp932Holds(utf8)) {
        Platform.ShowMessage(texts::CharacterNotKept);
        return;
    }
    Board.EnterText(utf8);
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
