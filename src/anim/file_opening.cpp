// Opening files: the checks before, the read with its messages, replay, and the
// bookkeeping after.

#include "anim/animation_files.h"

#include "anim/cut_numbers.h"
#include "files/action_reader.h"
#include "files/file_names.h"
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
    Doc.Figures.LastFigureID = std::max<std::int32_t>(1, Doc.Figures.FigList.Count());
    Doc.Figures.PairCount = Doc.Figures.LastFigureID / 2;
    Painter.PaintBoxPaint();
}

void TAnimationFiles::MurvaLoadClick() {
    LoadChosenFile(texts::DataOpenFilter, ByMurvaLoad);
}

void TAnimationFiles::ZindaLoadClick() {
    LoadChosenFile(texts::ZindaOpenFilter, ByZindaLoad);
}

void TAnimationFiles::LoadChosenFile(const char* filter, const TLoadRoad& road) {
    TFileDialog dialog = Shell.Dialog(filter);
    const std::optional<std::string> path = Platform.OpenDialog(dialog);
    if (!path) return;
    if (MayOpen(Shell, Platform, IsLogFile(*path))) LoadLogFile(*path, road);
}

void TAnimationFiles::LoadLogFile(const std::string& path, const TLoadRoad& road) {
    const bool animation = HasExtension(path, AnimationExtensions);
    if (animation && !Doc.History.ActionLog.IsEmpty() &&
        Platform.Ask(texts::ReallyLoadData, road.AskCaption, TQuestionButtons::YesNo) ==
            TAnswer::No)
        return;

    bool wasEmpty = Doc.Figures.FigList.IsEmpty();
    if (animation) {
        wasEmpty = true;
        Shell.LoadKind = TLoadKind::Animation;
        Shell.DataFileName = path;
        if (road.ResetAtOnce) Reset.ResetDocument();
    } else {
        Shell.LoadKind = TLoadKind::Drawing;
    }
    std::ifstream file(path, std::ios::binary);
    // A read animation's background is offered anew over its picture, once it is built.
    TActionItem* offeredBackground = nullptr;
    if (!file) {
        Platform.ShowMessage(texts::DataLoadFailed);
    } else {
        if (road.ResetAtOnce ? Doc.History.ActionLog.IsEmpty() : wasEmpty) Reset.ResetDocument();
        // A drawing added to the work is one command with the end copies made for it: the
        // ReadData that names it carries the command's stamp, as they do.
        TActionItem* before = Doc.History.ActionLog.GetTail();
        if (!animation) Doc.RecordFile(TActionKind::ReadData, path);
        if (ReadActionFile(file) != 0) {
            Doc.History.ActionLog.TruncateAfter(before);
            if (animation) {
                // A file that could not be read is not the current file: saving over it
                // would replace it with the little that was read.
                Shell.DataFileName.clear();
            }
        } else {
            if (road.AsMaterial && Reader.BGReadState == 1 && animation) {
                Reader.BGReadState = 2;
                offeredBackground = ReadBackground;
            }
            // An animation read into an empty log is its file: nothing of it is unsaved.
            if (animation && Doc.History.ReplayBase == Doc.History.ActionLog.GetHead())
                Shell.SavedLog = Doc.History.ActionLog.Mark();
            ReplayRead(path);
        }
    }
    FinishDataLoad(wasEmpty, road);
    ReSpecifyBackground(offeredBackground);
}

void TAnimationFiles::AddDrawnMaterial(const std::string& drawing) {
    Doc.CommitHeldChange();
    const bool wasEmpty = Doc.Figures.FigList.IsEmpty();
    Shell.LoadKind = TLoadKind::Drawing;
    if (Doc.History.ActionLog.IsEmpty()) Reset.ResetDocument();
    TActionItem* before = Doc.History.ActionLog.GetTail();
    std::istringstream file(drawing);
    if (ReadActionFile(file) != 0)
        Doc.History.ActionLog.TruncateAfter(before);
    else
        ReplayRead({});
    FinishDataLoad(wasEmpty, ByZindaLoad);
}

void TAnimationFiles::OpenRecoveredWork(const std::string& body, const std::string& fileName) {
    Reset.ResetDocument();
    Shell.LoadKind = TLoadKind::Animation;
    Shell.DataFileName = fileName;
    std::istringstream file(body);
    if (ReadActionFile(file) == 0)
        ReplayRead(fileName);
    else
        Doc.History.ActionLog.TruncateAfter(Doc.History.ActionLog.GetHead());
    FinishDataLoad(true, ByMurvaLoad);
}

void TAnimationFiles::ReplayRead(const std::string& path) {
    Doc.History.ReplayCursor = Doc.History.ActionLog.GetTail();
    Shell.OpeningFolder = FolderOf(path);
    ReplayToCursor();
    Shell.OpeningFolder.clear();
}

void TAnimationFiles::FinishDataLoad(bool wasEmpty, const TLoadRoad& road) {
    // Every road counts the figures, so that only the figures just read are twinned,
    // and finds the next free slot of the bin.
    const std::int32_t pairsBefore = Doc.Figures.PairCount;
    Doc.Recount();
    if (Shell.LoadKind == TLoadKind::Drawing) {
        TwinNewFigures(wasEmpty, road.AsMaterial, pairsBefore);
    } else if (Shell.LoadKind == TLoadKind::Animation) {
        // An animation whose figures all lie in the bin still has its first cut.
        Cuts.CutCount = std::max(1, HighestCutNumberBelow(Doc.Figures.FigList, FirstPartsSlot, 1));
        Shell.CurrentTool = TTool::MoveFree;
    }
    Doc.Recount();
    Parts.PartsCount = PartsCountOf(Doc.Figures.FigList);
    if (road.AsMaterial) Doc.Figures.SelectedFig = nullptr;
    // Files are opened only in the making state, where this repaint also paints the
    // thumbnails of the strip and the bin.
    Painter.PaintBoxPaint();
}

int TAnimationFiles::ReadActionFile(std::istream& file) {
    TReadContext context{Doc.History.ActionLog, Reader, Doc.Figures.PairCount, Shell.LoadKind,
                         Parts.PartsCount};
    const TReadResult result = murva::ReadActionFile(file, context);
    Doc.History.ReplayBase = result.Base;
    Doc.Figures.LastFigureID = result.LastFigureID;
    ReadBackground = result.BackgroundAction;
    for (const TReadNote& note : result.Messages) {
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
    return result.Result;
}

void TAnimationFiles::ReSpecifyBackground(TActionItem* action) {
    if (!action) return;
    // The name read for this background; the reader kept it in the action.
    const std::string read =
        action->Data.FileName.empty() ? Reader.LastDataFileName : action->Data.FileName;
    // Only the background the picture shows: one that a Branch of the file took back is
    // not there to choose anew.
    if (read.empty() || read != Shell.ShownBGName) return;
    // Enter keeps the background the file names.
    if (Platform.Ask(texts::RespecifyBackground, texts::ConfirmCaption, TQuestionButtons::YesNo,
                     TAnswer::No) != TAnswer::Yes)
        return;
    TFileDialog dialog = Shell.Dialog(texts::BGFilter);
    dialog.FilterIndex = HasExtension(read, JpegExtensions) ? 1 : 2;
    dialog.InitialName = BareFileName(read);
    // The background chosen anew is recorded: the log as read stays as it was.
    const std::optional<std::string> picked = Platform.OpenDialog(dialog);
    if (!picked || !Pictures.UseBackground(*picked)) return;
    Shell.ShownBGName = *picked;
    Shell.MissingBGName.clear();
    Painter.PaintBoxPaint();
}

void TAnimationFiles::ReplayToCursor() {
    THistoryState& history = Doc.History;
    TActionItem* head = history.ActionLog.GetHead();
    TActionItem* cursor = history.ReplayCursor ? history.ReplayCursor : head;
    // Only what the last read added: the whole log of a fresh document, and never the
    // earlier actions again when a file is added to the work, even one whose pairs were
    // all deleted.
    TActionItem* start = history.ReplayBase ? history.ReplayBase->Next : head->Next;
    if (start && cursor != head) {
        // A drawing that used an id again after a Branch: its later figure gets an id of
        // its own, so that what is done to it can name it.
        Doc.RenumberUnreachableCreators(start, cursor);
        Doc.ApplyRange(start, cursor);
    }

    // The picture is painted once the load is booked; nothing is shown before that.
    Pictures.ShowPendingBackground();
}

} // namespace murva
