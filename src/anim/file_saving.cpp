// Saving the animation under a new name or over the current file.

#include "anim/animation_files.h"

#include "files/action_writer.h"
#include "files/file_names.h"
#include "files/safe_file.h"
#include "ui/texts.h"

namespace murva {

bool TAnimationFiles::WriteDataMenuClick() {
    TSharedState& S = App.S;
    Host& host = App.Platform;
    App.S.Doc.CommitHeldChange();
    TFileDialog dialog;
    dialog.Filter = texts::DataSaveFilter;
    dialog.DefaultExt = "mrv";
    const std::optional<std::string> chosen = host.SaveDialog(dialog);
    if (!chosen) return false;
    const std::string path = *chosen;
    S.Doc.Figures.SelectedFig = S.Doc.Figures.LastSelectedFig = nullptr;
    App.Painter.PaintBoxPaint();

    std::string backup;
    if (FileExists(path)) {
        if (host.Ask(texts::OverwriteExisting, texts::ConfirmCaption, TQuestionButtons::YesNo) !=
            TAnswer::Yes) {
            host.ShowMessage(texts::SaveCancelled);
            return false;
        }
        // Beside the chosen file: its base name and ".bak".
        backup = ReplaceExtension(path, ".bak");
    }
    if (!WriteFileAtomically(path, WriteActionFile(S.Doc.History.ActionLog), backup)) {
        host.ShowMessage(texts::SaveFailed);
        return false;
    }
    S.Shell.DataFileName = path;
    SetCaptionForFile();
    return true;
}

bool TAnimationFiles::OverWriteDataMenuClick() {
    TSharedState& S = App.S;
    App.S.Doc.CommitHeldChange();
    S.Doc.Figures.SelectedFig = S.Doc.Figures.LastSelectedFig = nullptr;
    App.Painter.PaintBoxPaint();
    const std::string path = S.Shell.DataFileName;
    if (path.empty()) return WriteDataMenuClick();
    const std::string backup = FileExists(path) ? ReplaceExtension(path, ".bak") : std::string();
    if (!WriteFileAtomically(path, WriteActionFile(S.Doc.History.ActionLog), backup)) {
        App.Platform.ShowMessage(texts::WriteFailed);
        return false;
    }
    App.Platform.ShowMessage(texts::OverSaved);
    return true;
}

} // namespace murva
