#include "history/recording.h"

namespace murva {

TFigData* TRecorder::SelectedRecord() const {
    return Figures.SelectedFig ? &Figures.SelectedFig->Data : nullptr;
}

void TRecorder::CommitIfPending() {
    if (History.ActionPending) CommitPendingChange();
}

void TRecorder::RecordFigureAction(TActionKind kind, TFigItem* item) {
    TActionItem* action = History.ActionLog.AppendWithFigure(item->Data);
    CommitIfPending();
    action->Data.TargetType = kind;
    // Never an id the log holds already, whatever LastFigureID counts.
    action->Data.TargetID = History.ActionLog.NewTargetID(++Figures.LastFigureID);
    History.ActionLog.Link(action, &item->Data);
    Stamp(action);
}

void TRecorder::RecordFileAction(TActionKind kind, const std::string& fileName) {
    TActionItem* action = History.ActionLog.AppendEmpty();
    CommitIfPending();
    action->Data.TargetType = kind;
    action->Data.FileName = fileName;
    Stamp(action);
}

void TRecorder::RecordAction(TActionKind kind) {
    TFigData* selected = SelectedRecord();
    // By the record's identity only: for Delete the figure is gone already.
    TActionItem* earlier = selected ? History.ActionLog.LatestActionOf(selected) : nullptr;
    const bool withFigure = kind == TActionKind::Move && Figures.SelectedFig;
    TActionItem* action = withFigure ? History.ActionLog.AppendWithFigure(*selected)
                                     : History.ActionLog.AppendEmpty();
    CommitIfPending();
    action->Data.TargetType = kind;
    if (kind == TActionKind::Move) History.ActionLog.Link(action, selected);
    Stamp(action);
    if (kind != TActionKind::Delete && kind != TActionKind::Move && kind != TActionKind::Front &&
        kind != TActionKind::Back)
        return;
    if (!earlier) return; // no earlier action of this figure: target id 0
    // Taken as it is: earlier actions are never rewritten.
    action->Data.TargetID = earlier->Data.TargetID;
}

void TRecorder::RecordChange(TActionKind kind, TChangeParameter parameter) {
    TFigData* selected = SelectedRecord();
    if (!selected) return;
    TActionItem* earlier = History.ActionLog.LatestActionOf(selected);
    TActionItem* action = History.ActionLog.AppendWithFigure(*selected);
    CommitIfPending();
    action->Data.TargetType = kind;
    action->Data.Parameter = parameter;
    History.ActionLog.Link(action, selected);
    Stamp(action);
    if (earlier) action->Data.TargetID = earlier->Data.TargetID;
}

void TRecorder::CommitPendingChange() {
    TFigData* live = History.PendingFigData;
    History.ActionPending = false;
    History.PendingFigData = nullptr;
    if (!live) return;
    TActionItem* found = History.ActionLog.LatestActionOf(live);
    if (!found) return;
    // Against the box the change started from: a size changed back is no change, and a
    // size changed to what the figure was once recorded with still is one.
    const TPoint& start = History.PendingStart;
    const TPoint& end = History.PendingEnd;
    const bool widthChanged = start.x - live->Start.x != end.x - live->End.x;
    const bool heightChanged = start.y - live->Start.y != end.y - live->End.y;
    if (!widthChanged && !heightChanged) return;
    TActionItem* action = History.ActionLog.AppendWithFigure(*live);
    action->Data.TargetType = TActionKind::Change;
    action->Data.Parameter = TChangeParameter::Size;
    History.ActionLog.Link(action, live);
    action->Data.TargetID = found->Data.TargetID;
    Stamp(action);
}

void TRecorder::HoldSizeChange(TFigData* figure) {
    if (History.ActionPending && History.PendingFigData == figure) return;
    if (History.ActionPending) CommitPendingChange();
    History.PendingFigData = figure;
    History.PendingStart = figure->Start;
    History.PendingEnd = figure->End;
    History.ActionPending = true;
}

} // namespace murva
