// Opening files: the checks before, the read with its messages, replay, and the
// bookkeeping after.

#include "anim/animation_files.h"
#include "anim/material_library.h"

#include "files/action_reader.h"
#include "files/file_names.h"
#include "model/cut_numbers.h"
#include "ui/texts.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace murva {

namespace {

// The refusals every way of opening shares: a file of another kind, and any file while
// the animation plays.
bool MayOpen(const TShellState& shell, Host& host, bool kindKnown) {
    if (!kindKnown) {
        host.ShowMessage(texts::WrongFileFormat);
        return false;
    }
    if (shell.Mode == TMode::Watch) {
        host.ShowMessage(texts::NoLoadWhilePlaying);
        return false;
    }
    return true;
}

bool IsLogFile(const std::string& path) {
    return HasExtension(path, AnimationExtensions) || HasExtension(path, DrawingExtensions);
}

} // namespace

void TAnimationFiles::OpenFileByName(const std::string& path) {
    const bool picture = HasExtension(path, BmpExtensions) || HasExtension(path, JpegExtensions);
    if (!MayOpen(Shell, Platform, picture || IsLogFile(path))) return;
    if (!picture) {
        LoadLogFile(path, ByName);
        return;
    }
    if (Pictures.UseBackground(path)) Shell.LoadKind = TLoadKind::Image;
    Painter.PaintBoxPaint();
}

void TAnimationFiles::MurvaLoadClick() {
    LoadChosenFile(texts::DataOpenFilter, ByMurvaLoad);
}

void TAnimationFiles::ZindaLoadClick() {
    // The library's pictures first, when there is a library; the file dialog on request.
    if (const auto library = ReadMaterialLibrary(Platform.MaterialFolder()); !library.empty()) {
        const TMaterialChoice choice = Platform.ChooseMaterial(library);
        if (choice.Kind == TMaterialChoice::TKind::Closed) return;
        if (choice.Kind == TMaterialChoice::TKind::Material) {
            if (MayOpen(Shell, Platform, true)) LoadLogFile(choice.Path, ByZindaLoad);
            return;
        }
    }
    LoadChosenFile(texts::ZindaOpenFilter, ByZindaLoad);
}

void TAnimationFiles::PartsImageClick(int slot) {
    if (slot > Parts.PartsCount && Shell.Mode != TMode::Watch) ZindaLoadClick();
}

void TAnimationFiles::LoadChosenFile(const char* filter, const TLoadRoad& road) {
    TFileDialog dialog = Shell.Dialog(filter);
    const std::optional<std::string> path = Platform.OpenDialog(dialog);
    if (!path) return;
    if (MayOpen(Shell, Platform, IsLogFile(*path))) LoadLogFile(*path, road);
}

void TAnimationFiles::LoadLogFile(const std::string& path, const TLoadRoad& road) {
    const bool animation = HasExtension(path, AnimationExtensions);
    if (animation && !Doc.Log().IsEmpty() &&
        Platform.Ask(texts::ReallyLoadData, road.AskCaption, TQuestionButtons::YesNo) ==
            TAnswer::No)
        return;

    bool reset = false;
    // Named from the root from now on: a later save, or a journal brought back in another
    // working folder, finds the same file.
    const std::string named = AbsolutePath(path);
    if (animation) {
        Shell.LoadKind = TLoadKind::Animation;
        Shell.DataFileName = named;
        Shell.DataFileCut = false;
        if (road.ResetAtOnce) Reset.ResetDocument();
        reset = road.ResetAtOnce;
    } else {
        Shell.LoadKind = TLoadKind::Drawing;
    }
    std::ifstream file(path, std::ios::binary);
    // A read animation's background is offered anew over its picture, once it is built.
    std::string background;
    if (!file) {
        Platform.ShowMessage(texts::DataLoadFailed);
    } else {
        // An animation replaces the work; a drawing is added to it.
        if (!reset &&
            (animation || (road.ResetAtOnce ? Doc.Log().IsEmpty() : Doc.FigList().IsEmpty())))
            Reset.ResetDocument();
        const bool fresh = Doc.Log().IsEmpty();
        // A drawing added to the work is one command with the end copies made for it: the
        // ReadData that names it carries the command's stamp, as they do.
        const TEndCopies endCopies = animation         ? TEndCopies::None
                                     : road.AsMaterial ? TEndCopies::Marked
                                                       : TEndCopies::Plain;
        if (Read(file, endCopies, animation ? std::string() : named, &background)) {
            // An animation read into an empty log is its file: nothing of it is unsaved.
            if (animation && fresh) Shell.SavedLog = Doc.Log().Mark();
            Pictures.ShowDocumentBackground(FolderOf(path));
        } else if (animation) {
            // A file that could not be read is not the current file: saving over it
            // would replace it with the little that was read.
            Shell.DataFileName.clear();
        }
    }
    FinishDataLoad(road);
    if (animation && road.AsMaterial && Reader.BGReadState == TBackgroundRead::Read) {
        Reader.BGReadState = TBackgroundRead::Offered;
        OfferBackground(background);
    }
}

void TAnimationFiles::AddDrawnMaterial(const std::string& drawing) {
    Shell.LoadKind = TLoadKind::Drawing;
    if (Doc.Log().IsEmpty()) Reset.ResetDocument();
    std::istringstream file(drawing);
    if (Read(file, TEndCopies::Marked)) Pictures.ShowDocumentBackground({});
    FinishDataLoad(ByZindaLoad);
}

void TAnimationFiles::OpenRecoveredWork(const std::string& body, const std::string& fileName) {
    Reset.ResetDocument();
    Shell.LoadKind = TLoadKind::Animation;
    Shell.DataFileName = fileName;
    Shell.DataFileCut = false;
    std::istringstream file(body);
    if (Read(file, TEndCopies::None)) Pictures.ShowDocumentBackground(FolderOf(fileName));
    FinishDataLoad(ByMurvaLoad);
}

void TAnimationFiles::FinishDataLoad(const TLoadRoad& road) {
    if (Shell.LoadKind == TLoadKind::Animation) {
        // An animation whose figures all lie in the bin still has its first cut.
        Cuts.CutCount = Doc.CutsInUse();
        Shell.CurrentTool = TMotionTool::MoveFree;
    }
    Parts.PartsCount = Doc.SlotsInUse();
    if (road.AsMaterial) Doc.Select(nullptr);
    // Files are opened only in the making state, where this repaint also paints the
    // thumbnails of the strip and the bin.
    Painter.PaintBoxPaint();
}

bool TAnimationFiles::Read(std::istream& file, TEndCopies endCopies, const std::string& dataFile,
                           std::string* background) {
    return Doc.Load(
        [&](THistoryList& log) {
            TReadContext context{log, Reader, Doc.PairCount(), Shell.LoadKind, Parts.PartsCount};
            const TReadResult result = ReadActionFile(file, context);
            ShowReadNotes(result.Messages);
            if (result.TextCut && result.Result == 0) {
                Platform.ShowMessage(texts::TextsShortened);
                Shell.DataFileCut |= Shell.LoadKind == TLoadKind::Animation;
            }
            // The name read for the last background; the reader kept it in the action.
            if (const TActionItem* read = result.BackgroundAction; read && background)
                *background =
                    read->Data.FileName.empty() ? Reader.LastDataFileName : read->Data.FileName;
            return result.Result == 0;
        },
        endCopies, dataFile);
}

void TAnimationFiles::ShowReadNotes(const std::vector<TReadNote>& notes) {
    for (const TReadNote& note : notes) {
        switch (note.Kind) {
        case TReadNoteKind::WrongDataFormat:
            Platform.ShowMessage(texts::WrongDataFormat);
            break;
        case TReadNoteKind::LineText:
            Platform.ShowMessage(note.Text);
            break;
        case TReadNoteKind::ReadError:
            Platform.ShowMessage(texts::ActionItemReadError);
            break;
        case TReadNoteKind::Unreadable:
            Platform.ShowMessage(texts::DataLoadFailed);
            break;
        }
    }
}

void TAnimationFiles::OfferBackground(const std::string& read) {
    // Only the background the picture shows (one that a Branch of the file took back is
    // not there to choose anew), and only when it could not be shown: a picture that is
    // there leaves nothing to decide.
    if (read.empty() || read != Doc.Background() || Shell.MissingBGName.empty()) return;
    // Enter keeps the background the file names.
    if (Platform.Ask(texts::RespecifyBackground, texts::ConfirmCaption, TQuestionButtons::YesNo,
                     TAnswer::No) != TAnswer::Yes)
        return;
    TFileDialog dialog = Shell.Dialog(texts::BGFilter);
    dialog.FilterIndex = HasExtension(read, JpegExtensions) ? 1 : 2;
    dialog.InitialName = BareFileName(read);
    // The background chosen anew is recorded: the log as read stays as it was.
    const std::optional<std::string> picked = Platform.OpenDialog(dialog);
    if (picked && Pictures.UseBackground(*picked)) Painter.PaintBoxPaint();
}

} // namespace murva
