#pragma once
// Appending the user's actions to the log: each gets its time, its kind, a copy of the
// figure where the kind carries one, and the target id by which replay finds the
// figure again. A size change is held open and committed as one action later.

#include "history/history_state.h"
#include "model/figure_state.h"

namespace murva {

struct TRecorder {
    THistoryState& History;
    TFigureState& Figures;
    TActionTime Time;

    // A new figure (Duplicate, Undo): a copy of it and a new target id.
    void RecordFigureAction(TActionKind kind, TFigItem* item);
    void RecordFileAction(TActionKind kind, const std::string& fileName);
    // Move carries a copy of the selected figure; Delete, Move, Front and Back its id.
    void RecordAction(TActionKind kind);
    void RecordChange(TActionKind kind, TChangeParameter parameter);
    // Records the held size change when width or height really changed, then ends it.
    void CommitPendingChange();
    // Holds a size change of the figure open, committing one held for another first;
    // called before the figure changes, as the change is measured from its box now.
    void HoldSizeChange(TFigData* figure);

private:
    void Stamp(TActionItem* item) const { item->Data.ActionTime = Time; }
    void CommitIfPending();
    TFigData* SelectedRecord() const;
};

} // namespace murva
