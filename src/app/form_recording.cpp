// Recording the user's actions and replaying the log into figures.

#include "app/zinda_form.h"

#include "files/file_names.h"
#include "history/recording.h"
#include "history/replay.h"

namespace murva {

namespace {

TActionTime ToActionTime(const TLocalTime& t) {
    TActionTime time;
    time.Year = t.Year;
    time.Month = static_cast<std::uint8_t>(t.Month);
    time.Day = static_cast<std::uint8_t>(t.Day);
    time.Hour = static_cast<std::uint8_t>(t.Hour);
    time.Minute = static_cast<std::uint8_t>(t.Minute);
    time.Second = static_cast<std::uint8_t>(t.Second);
    time.Hundredths = static_cast<std::uint8_t>(t.Millisecond / 10);
    return time;
}

} // namespace

TRecorder TZindaForm::Recorder() {
    return TRecorder{S.History, S.Figures, ToActionTime(host.Now())};
}

void TZindaForm::RecordFigureAction(TActionKind kind, TFigItem* item) {
    Recorder().RecordFigureAction(kind, item);
}

void TZindaForm::RecordFileAction(TActionKind kind, const std::string& fileName) {
    Recorder().RecordFileAction(kind, fileName);
}

void TZindaForm::RecordAction(TActionKind kind) {
    Recorder().RecordAction(kind);
}

void TZindaForm::RecordChange(TActionKind kind, TChangeParameter parameter) {
    Recorder().RecordChange(kind, parameter);
}

void TZindaForm::CommitPendingChange() {
    Recorder().CommitPendingChange();
}

void TZindaForm::ReplayToCursor() {
    THistoryState& history = S.History;
    TActionItem* head = history.ActionLog.GetHead();
    TActionItem* cursor = history.ReplayCursor ? history.ReplayCursor : head;
    // A fresh document applies the whole log; otherwise only what the last read added.
    TActionItem* start = head;
    if (S.Figures.FigureIDHalf != 0)
        start = history.ReplayBase ? history.ReplayBase->Next : head->Next;
    if (start && !(start == head && cursor == head))
        TReplayer(history, S.Figures).ApplyRange(start, cursor);

    const std::string& pending = history.PendingBGName;
    if (!pending.empty() && pending != S.Shell.ShownBGName) {
        // A picture moved with its animation is found by its bare name: first in the
        // current folder, then beside the file being opened.
        const std::string bare = BareFileName(pending);
        if (LoadBackground(pending) == 1 && LoadBackground(bare) == 1 &&
            !S.Shell.OpeningFolder.empty())
            LoadBackground(S.Shell.OpeningFolder + "/" + bare);
    }
    PaintBoxPaint();
    S.Shell.ShownBGName = history.PendingBGName;
    history.PendingBGName.clear();
}

void TZindaForm::TwinNewFigures(bool wasEmpty, bool markEndCopies) {
    TFigList& list = S.Figures.FigList;
    const std::int32_t half = S.Figures.FigureIDHalf;
    const std::int32_t n = S.Figures.LastFigureID - 2 * half;
    for (std::int32_t j = 0; j < n; ++j) {
        TFigItem* figure = nullptr;
        if (wasEmpty) {
            figure = list.At(j);
        } else {
            // The first new figure not handled yet: the n-th counted from the tail.
            figure = list.GetTail();
            for (std::int32_t k = 1; k < n && figure; ++k)
                figure = figure->Prev;
            S.Figures.SelectedFig = figure;
            for (std::int32_t k = 0; k < half && figure; ++k) {
                list.MoveBack(figure);
                RecordAction(akBack);
            }
        }
        if (!figure || figure == list.GetHead()) break;
        TFigItem* copy = list.CopyItem(figure);
        if (markEndCopies) copy->Data.Rotation = 1;
        RecordFigureAction(akDuplicate, copy);
    }
}

} // namespace murva
