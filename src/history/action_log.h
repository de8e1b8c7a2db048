#pragma once
// The action log: every change of the picture, in the order it was made, after a
// sentinel head that never holds an action. It also keeps the links from its actions to
// the live figures they refer to, so that a figure's latest action is found at once
// and every link can be dropped at once, however long the log.

#include "history/action_data.h"
#include "history/action_store.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace murva {

// Where a log stands: equal marks of one log mean it holds the same actions.
struct TLogMark {
    std::uint64_t Generation = ~std::uint64_t(0);
    std::int32_t Count = -1;
    bool operator==(const TLogMark&) const = default;
};

class THistoryList {
public:
    THistoryList();
    ~THistoryList();
    THistoryList(const THistoryList&) = delete;
    THistoryList& operator=(const THistoryList&) = delete;

    TActionItem* AppendEmpty();
    // Appends an item holding a copy of the figure: its own points (Start/End from
    // their bounds) and stamp children; a free-move path stays shared.
    TActionItem* AppendWithFigure(const TFigData& figure);
    // Appends a copy of the action as it was recorded or read (its figure's box as it is),
    // linked to no figure.
    TActionItem* AppendCopy(const TActionData& action);

    TActionItem* GetHead() const { return Head; }
    TActionItem* GetTail() const { return Tail; }
    TActionItem* GetFirst() const { return Head->Next; }
    std::int32_t GetCount() const { return Count; }
    // Counts every time items are freed, so that an index of the log knows it is stale.
    std::uint64_t Generation() const { return Generations; }
    bool IsEmpty() const { return Count == 0; }
    TLogMark Mark() const { return {Generations, Count}; }

    // Frees every item after the head. When the log held an item, the last figure
    // id goes back to 1; an empty log is left exactly as it is.
    void Clear(std::int32_t& lastFigureID);
    // Frees every item after `keep` (an item of this log, or the head).
    void TruncateAfter(TActionItem* keep);

    // The largest target id the log holds, as far as those who set ids have said. A
    // Branch's step counts as an id: a reader that looks a figure up by the first action
    // with its id must never meet a Branch.
    std::int32_t HighestTargetID() const { return Highest; }
    void NoteTargetID(std::int32_t id) { Highest = std::max(Highest, id); }
    // An id for a new figure that no action of the log holds: at least `atLeast`.
    std::int32_t NewTargetID(std::int32_t atLeast);

    // The action refers to the live figure (and, from replay, to its item) from now on.
    void Link(TActionItem* action, TFigData* figure, TFigItem* item = nullptr);
    void Unlink(TActionItem* action);
    void UnlinkAll();
    // Replay links many actions and asks for none: the index of latest actions is left
    // until someone asks.
    void DeferLatest() { LatestKnown = false; }
    // The latest action linked to the figure, or nullptr.
    TActionItem* LatestActionOf(const TFigData* figure) const;

private:
    void FreeItems(TActionItem* after);
    TActionItem* Head;
    TActionItem* Tail;
    std::int32_t Count = 0;
    std::uint64_t Generations = 0;
    std::int32_t Highest = 0;
    TActionStore Store;
    void NoteLatest(TActionItem* action) const;
    // An index that asking builds when replay left it stale.
    mutable std::unordered_map<const TFigData*, TActionItem*> Latest;
    mutable bool LatestKnown = true;
    // Every action linked since the last UnlinkAll (some may be unlinked since).
    mutable std::vector<TActionItem*> Linked;
};

} // namespace murva
