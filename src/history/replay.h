#pragma once
// Replay turns logged actions back into figures. Each action finds its figure through
// the action that created it: the first Create, Duplicate or Undo in the log with the
// same target id, looked up through an index so that replay stays linear.

#include "history/history_state.h"
#include "model/figure_state.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace murva {

class TReplayer {
public:
    TReplayer(THistoryState& history, TFigureState& figures);

    void ApplyAction(TActionItem* action);
    void ApplyChange(const TActionItem* action, TFigItem* item);
    // Applies every action from `first` to `last`, both included, in log order.
    void ApplyRange(TActionItem* first, TActionItem* last);
    // Gives a fresh id to every creating action of the range whose id an earlier creating
    // action holds. Replay never reaches such an action by its id, so the picture stays
    // as it is; its figure can then be named by later actions, and a saved file is
    // unambiguous.
    void RenumberUnreachableCreators(TActionItem* first, TActionItem* last);

private:
    TActionItem* FindCreator(std::int32_t targetID) const;
    // The live item of the figure with this target id, or nullptr when it has none.
    TFigItem* LiveTarget(const TActionItem* action) const;
    void ClearFigures();
    // Takes the figure out of the list; a selection or held change of it goes with it.
    void RemoveFigure(TFigItem* item);
    // Drops what an earlier replay left on the action.
    void Forget(TActionItem* action);
    // The picture as the first n actions build it from nothing.
    void Rebuild(std::int32_t n);

    THistoryState& History;
    TFigureState& Figures;
    std::unordered_map<std::int32_t, TActionItem*> Creators;
    // Actions by position ([0] is the head), and for each position the position of the
    // last Branch at or before it (0 = none).
    std::vector<TActionItem*> Order;
    std::vector<std::int32_t> LastBranch;
    // The figures are what the first Built actions build from nothing; -1 unknown.
    std::int32_t Built = -1;
};

} // namespace murva
