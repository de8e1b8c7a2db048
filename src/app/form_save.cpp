// Saving the animation (under a new name or over the current file), reading a file
// into the log with the reader's messages, and the background question of a read file.

#include "app/zinda_form.h"

#include "app/texts.h"
#include "files/action_reader.h"
#include "files/action_writer.h"
#include "files/file_names.h"
#include "files/safe_file.h"

namespace murva {

namespace {

bool EndsInJpg(const std::string& name) {
    const std::string ext = ExtensionOf(name);
    return ext == ".jpg" || ext == ".JPG";
}

} // namespace

void TZindaForm::WriteDataMenuClick() {
    if (S.History.ActionPending) CommitPendingChange();
    TFileDialog dialog;
    dialog.Filter = texts::DataSaveFilter;
    dialog.DefaultExt = "mrv";
    const std::optional<std::string> chosen = host.SaveDialog(dialog);
    if (!chosen) return;
    const std::string path = *chosen;
    S.Figures.SelectedFig = S.Figures.LastSelectedFig = nullptr;
    PaintBoxPaint();

    std::string backup;
    if (FileExists(path)) {
        if (host.Ask(texts::OverwriteExisting, texts::ConfirmCaption, TQuestionButtons::YesNo) !=
            TAnswer::Yes) {
            host.ShowMessage(texts::SaveCancelled);
            return;
        }
        // Beside the chosen file: its base name and ".bak".
        backup = ReplaceExtension(path, ".bak");
    }
    if (!WriteFileAtomically(path, WriteActionFile(S.History.ActionLog), backup)) {
        host.ShowMessage(texts::SaveFailed);
        return;
    }
    S.Shell.DataFileName = path;
    SetCaptionForFile();
}

void TZindaForm::OverWriteDataMenuClick() {
    if (S.History.ActionPending) CommitPendingChange();
    S.Figures.SelectedFig = S.Figures.LastSelectedFig = nullptr;
    PaintBoxPaint();
    const std::string path = S.Shell.DataFileName;
    if (path.empty()) {
        WriteDataMenuClick();
        return;
    }
    const std::string backup = FileExists(path) ? ReplaceExtension(path, ".bak") : std::string();
    if (!WriteFileAtomically(path, WriteActionFile(S.History.ActionLog), backup)) {
        host.ShowMessage(texts::WriteFailed);
        return;
    }
    host.ShowMessage(texts::OverSaved);
}

void TZindaForm::MurvaSaveClick() {
    WriteDataMenuClick();
}

void TZindaForm::MurvaOverSaveClick() {
    OverWriteDataMenuClick();
}

int TZindaForm::ReadActionFile(std::istream& file) {
    TReadContext context{
        S.History.ActionLog,    S.Reader,         S.History.ReplayBase, S.Figures.LastFigureID,
        S.Figures.FigureIDHalf, S.Shell.LoadKind, S.Parts.PartsCount};
    const TReadResult result = murva::ReadActionFile(file, context);
    for (const TReadNote& note : result.Messages) {
        switch (note.Kind) {
        case TReadNoteKind::WrongDataFormat:
            host.ShowMessage(texts::WrongDataFormat);
            break;
        case TReadNoteKind::LineText:
            host.ShowMessage(note.Text);
            break;
        case TReadNoteKind::ReadError:
            host.ShowMessage(texts::ActionItemReadError);
            break;
        }
    }
    return result.Result;
}

void TZindaForm::ReSpecifyBackground(TActionItem* action) {
    if (!action) return;
    // The name read for this background; the reader kept it in the action.
    const std::string read =
        action->Data.FileName.empty() ? S.Reader.LastDataFileName : action->Data.FileName;
    if (read.empty()) return;
    if (host.Ask(texts::RespecifyBackground, texts::ConfirmCaption, TQuestionButtons::YesNo) !=
        TAnswer::Yes)
        return;
    TFileDialog dialog;
    dialog.Filter = texts::BGFilter;
    dialog.FilterIndex = EndsInJpg(read) ? 1 : 2;
    dialog.InitialName = BareFileName(read);
    if (const std::optional<std::string> picked = host.OpenDialog(dialog))
        action->Data.FileName = *picked;
    else
        action->Data.FileName = read;
}

} // namespace murva
