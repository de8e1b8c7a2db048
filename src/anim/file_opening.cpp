// Opening files: the checks before, the read with its messages, replay, and the
// bookkeeping after.

#include "anim/animation_files.h"

#include "anim/cut_numbers.h"
#include "files/action_reader.h"
#include "files/file_names.h"
#include "ui/texts.h"

#include <algorithm>
#include <fstream>

namespace murva {

namespace {

// The refusals every way of opening shares: a file of another kind, and any file while
// the animation plays.
bool MayOpen(TSharedState& S, Host& host, bool kindKnown) {
    if (!kindKnown) {
        host.ShowMessage(texts::WrongFileFormat);
        return false;
    }
    if (S.Shell.Mode == TMode::Watch) {
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
    TSharedState& S = App.S;
    const bool picture = HasExtension(path, BmpExtensions) || HasExtension(path, JpegExtensions);
    if (!MayOpen(S, App.Platform, picture || IsLogFile(path))) return;
    if (!picture) {
        LoadLogFile(path, ByName);
        return;
    }
    if (Pictures.LoadBackground(path) == 0) {
        App.S.Doc.RecordFile(TActionKind::ReadBG, path);
        S.Shell.LoadKind = TLoadKind::Image;
        App.Painter.PaintBoxPaint();
    }
    S.Doc.Figures.LastFigureID = std::max<std::int32_t>(1, S.Doc.Figures.FigList.Count());
    S.Doc.Figures.PairCount = S.Doc.Figures.LastFigureID / 2;
    App.Painter.PaintBoxPaint();
}

void TAnimationFiles::MurvaLoadClick() {
    LoadChosenFile(texts::DataOpenFilter, ByMurvaLoad);
}

void TAnimationFiles::ZindaLoadClick() {
    LoadChosenFile(texts::ZindaOpenFilter, ByZindaLoad);
}

void TAnimationFiles::LoadChosenFile(const char* filter, const TLoadRoad& road) {
    TFileDialog dialog;
    dialog.Filter = filter;
    const std::optional<std::string> path = App.Platform.OpenDialog(dialog);
    if (!path) return;
    if (MayOpen(App.S, App.Platform, IsLogFile(*path))) LoadLogFile(*path, road);
}

void TAnimationFiles::LoadLogFile(const std::string& path, const TLoadRoad& road) {
    TSharedState& S = App.S;
    Host& host = App.Platform;
    const bool animation = HasExtension(path, AnimationExtensions);
    if (animation && (road.AlwaysAsk || !S.Doc.History.ActionLog.IsEmpty()) &&
        host.Ask(texts::ReallyLoadData, road.AskCaption, TQuestionButtons::YesNo) == TAnswer::No)
        return;

    bool wasEmpty = S.Doc.Figures.FigList.IsEmpty();
    if (animation) {
        wasEmpty = true;
        S.Shell.LoadKind = TLoadKind::Animation;
        S.Shell.DataFileName = path;
        SetCaptionForFile();
        if (road.ResetAtOnce) Reset.ResetDocument();
    } else {
        S.Shell.LoadKind = TLoadKind::Drawing;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        host.ShowMessage(texts::DataLoadFailed);
    } else {
        if (road.ResetAtOnce ? S.Doc.History.ActionLog.IsEmpty() : wasEmpty) Reset.ResetDocument();
        if (ReadActionFile(file) == 0) {
            if (road.AsMaterial && S.Reader.BGReadState == 1 && animation) {
                S.Reader.BGReadState = 2;
                ReSpecifyBackground(ReadBackground);
            }
            S.Doc.History.ReplayCursor = S.Doc.History.ActionLog.GetTail();
            S.Shell.OpeningFolder = FolderOf(path);
            ReplayToCursor();
            S.Shell.OpeningFolder.clear();
        } else if (animation) {
            // A file that could not be read is not the current file: saving over it
            // would replace it with the little that was read.
            S.Shell.DataFileName.clear();
            App.C.Caption = S.Shell.VersionTitle;
        }
    }
    FinishDataLoad(wasEmpty, road);
}

void TAnimationFiles::FinishDataLoad(bool wasEmpty, const TLoadRoad& road) {
    TSharedState& S = App.S;
    // Every road counts the figures, so that only the figures just read are twinned,
    // and finds the next free slot of the bin.
    const std::int32_t pairsBefore = S.Doc.Figures.PairCount;
    S.Doc.Recount();
    if (S.Shell.LoadKind == TLoadKind::Drawing) {
        TwinNewFigures(wasEmpty, road.AsMaterial, pairsBefore);
    } else if (S.Shell.LoadKind == TLoadKind::Animation) {
        // An animation whose figures all lie in the bin still has its first cut.
        S.Cuts.CutCount =
            std::max(1, HighestCutNumberBelow(S.Doc.Figures.FigList, FirstPartsSlot, 1));
        S.Shell.CurrentTool = TTool::MoveFree;
    }
    S.Doc.Recount();
    Parts.PartsCount = PartsCountOf(S.Doc.Figures.FigList);
    Strip.UpdateCutCounter();
    if (road.AsMaterial) S.Doc.Figures.SelectedFig = nullptr;
    // Files are opened only in the making state, where this repaint also paints the
    // thumbnails of the strip and the bin.
    App.Painter.PaintBoxPaint();
}

void TAnimationFiles::SetCaptionForFile() {
    App.C.Caption = App.S.Shell.VersionTitle + texts::CaptionSeparator + App.S.Shell.DataFileName;
}

int TAnimationFiles::ReadActionFile(std::istream& file) {
    TSharedState& S = App.S;
    TReadContext context{S.Doc.History.ActionLog, S.Reader, S.Doc.Figures.PairCount,
                         S.Shell.LoadKind, Parts.PartsCount};
    const TReadResult result = murva::ReadActionFile(file, context);
    S.Doc.History.ReplayBase = result.Base;
    S.Doc.Figures.LastFigureID = result.LastFigureID;
    ReadBackground = result.BackgroundAction;
    for (const TReadNote& note : result.Messages) {
        switch (note.Kind) {
        case TReadNoteKind::WrongDataFormat:
            App.Platform.ShowMessage(texts::WrongDataFormat);
            break;
        case TReadNoteKind::LineText:
            App.Platform.ShowMessage(note.Text);
            break;
        case TReadNoteKind::ReadError:
            App.Platform.ShowMessage(texts::ActionItemReadError);
            break;
        }
    }
    return result.Result;
}

void TAnimationFiles::ReSpecifyBackground(TActionItem* action) {
    if (!action) return;
    // The name read for this background; the reader kept it in the action.
    const std::string read =
        action->Data.FileName.empty() ? App.S.Reader.LastDataFileName : action->Data.FileName;
    if (read.empty()) return;
    Host& host = App.Platform;
    if (host.Ask(texts::RespecifyBackground, texts::ConfirmCaption, TQuestionButtons::YesNo) !=
        TAnswer::Yes)
        return;
    TFileDialog dialog;
    dialog.Filter = texts::BGFilter;
    dialog.FilterIndex = HasExtension(read, JpegExtensions) ? 1 : 2;
    dialog.InitialName = BareFileName(read);
    if (const std::optional<std::string> picked = host.OpenDialog(dialog))
        action->Data.FileName = *picked;
    else
        action->Data.FileName = read;
}

void TAnimationFiles::ReplayToCursor() {
    TSharedState& S = App.S;
    THistoryState& history = S.Doc.History;
    TActionItem* head = history.ActionLog.GetHead();
    TActionItem* cursor = history.ReplayCursor ? history.ReplayCursor : head;
    // Only what the last read added: the whole log of a fresh document, and never the
    // earlier actions again when a file is added to the work, even one whose pairs were
    // all deleted.
    TActionItem* start = history.ReplayBase ? history.ReplayBase->Next : head->Next;
    if (start && cursor != head) {
        // A drawing that used an id again after a Branch: its later figure gets an id of
        // its own, so that what is done to it can name it.
        S.Doc.RenumberUnreachableCreators(start, cursor);
        S.Doc.ApplyRange(start, cursor);
    }

    // The picture is painted once the load is booked; nothing is shown before that.
    Pictures.ShowPendingBackground();
    S.Shell.ShownBGName = history.PendingBGName;
    history.PendingBGName.clear();
}

} // namespace murva
