#pragma once
// The action log: every change of the picture, in the order it was made, after a
// sentinel head that never holds an action.

#include "history/action_data.h"

#include <cstdint>

namespace murva {

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

    TActionItem* GetHead() const { return Head; }
    TActionItem* GetTail() const { return Tail; }
    TActionItem* GetFirst() const { return Head->Next; }
    std::int32_t GetCount() const { return Count; }
    bool IsEmpty() const { return Count == 0; }

    // Frees every item after the head. When the log held an item, the last figure
    // id goes back to 1; an empty log is left exactly as it is.
    void Clear(std::int32_t& lastFigureID);

private:
    void FreeItems();
    TActionItem* Head;
    TActionItem* Tail;
    std::int32_t Count = 0;
};

} // namespace murva
