// Saving the animation under a new name or over the current file.

#include "anim/animation_files.h"

#include "files/action_writer.h"
#include "files/file_names.h"
#include "files/safe_file.h"
#include "ui/texts.h"

namespace murva {

bool MayReplace(Host& host, const std::string& path) {
    if (!FileExists(path)) return true;
    if (host.Ask(texts::OverwriteExisting, texts::ConfirmCaption, TQuestionButtons::YesNo) ==
        TAnswer::Yes)
        return true;
    host.ShowMessage(texts::SaveCancelled);
    return false;
}

bool TAnimationFiles::WriteDataMenuClick() {
    Doc.CommitHeldChange();
    const std::optional<std::string> chosen =
        Platform.SaveDialog(Shell.SaveDialog(texts::DataSaveFilter, "mrv", Platform));
    if (!chosen) return false;
    const std::string path = AbsolutePath(*chosen);
    Doc.ClearSelection();
    Painter.PaintBoxPaint();

    if (!MayReplace(Platform, path)) return false;
    // Beside the chosen file: its base name and ".bak".
    const std::string backup = FileExists(path) ? ReplaceExtension(path, ".bak") : std::string();
    if (!WriteFileAtomically(path, WriteActionFile(Doc.Log(), FolderOf(path)), backup)) {
        Platform.ShowMessage(texts::SaveFailed);
        return false;
    }
    Shell.DataFileName = path;
    Shell.DataFileCut = false;
    Shell.SavedLog = Doc.Log().Mark();
    return true;
}

bool TAnimationFiles::OverWriteDataMenuClick() {
    Doc.CommitHeldChange();
    Doc.ClearSelection();
    Painter.PaintBoxPaint();
    const std::string path = Shell.DataFileName;
    if (path.empty()) return WriteDataMenuClick();
    // The file's long texts would be lost without a word.
    if (Shell.DataFileCut && Platform.Ask(texts::SaveOverShortened, texts::ConfirmCaptionKana,
                                          TQuestionButtons::YesNo, TAnswer::No) != TAnswer::Yes)
        return false;
    const std::string backup = FileExists(path) ? ReplaceExtension(path, ".bak") : std::string();
    if (!WriteFileAtomically(path, WriteActionFile(Doc.Log(), FolderOf(path)), backup)) {
        Platform.ShowMessage(texts::WriteFailed);
        return false;
    }
    Shell.SavedLog = Doc.Log().Mark();
    Platform.ShowMessage(texts::OverSaved);
    return true;
}

} // namespace murva
