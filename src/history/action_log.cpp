#include "history/action_log.h"

#include <limits>
#include <unordered_set>

namespace murva {

THistoryList::THistoryList() : Head(new TActionItem), Tail(Head) {}

THistoryList::~THistoryList() {
    FreeItems(Head);
    delete Head;
}

TActionItem* THistoryList::AppendEmpty() {
    TActionItem* item = Store.Add();
    item->Prev = Tail;
    Tail->Next = item;
    Tail = item;
    item->Position = ++Count;
    return item;
}

TActionItem* THistoryList::AppendWithFigure(const TFigData& figure) {
    auto* item = AppendEmpty();
    item->Data.FigData = figure;
    DeepCopyOwnedParts(item->Data.FigData);
    return item;
}

TActionItem* THistoryList::AppendCopy(const TActionData& action) {
    TActionItem* item = AppendEmpty();
    item->Data = action;
    DeepCopyOwnedParts(item->Data.FigData);
    item->Data.FigData.Start = action.FigData.Start;
    item->Data.FigData.End = action.FigData.End;
    item->Data.TargetFigData = nullptr;
    item->Data.TargetFigItem = nullptr;
    if (HasTargetID(action.TargetType)) NoteTargetID(action.TargetID);
    return item;
}

void THistoryList::FreeItems(TActionItem* after) {
    ++Generations;
    for (TActionItem* item = after->Next; item; item = item->Next)
        Unlink(item);
    std::erase_if(Linked,
                  [after](const TActionItem* item) { return item->Position > after->Position; });
    Store.KeepFirst(static_cast<std::size_t>(after->Position));
    after->Next = nullptr;
    Tail = after;
    Count = after->Position;
}

void THistoryList::Clear(std::int32_t& lastFigureID) {
    if (Count == 0) return;
    FreeItems(Head);
    Highest = 0;
    lastFigureID = 1;
}

void THistoryList::TruncateAfter(TActionItem* keep) {
    FreeItems(keep ? keep : Head);
    Highest = 0;
    for (const TActionItem* item = GetFirst(); item; item = item->Next)
        if (HasTargetID(item->Data.TargetType)) NoteTargetID(item->Data.TargetID);
}

std::int32_t THistoryList::NewTargetID(std::int32_t atLeast) {
    if (Highest < std::numeric_limits<std::int32_t>::max()) {
        Highest = std::max(atLeast, Highest + 1);
        return Highest;
    }
    // Only a file made to break the program holds the largest id: then the smallest id
    // no action of the log holds.
    std::unordered_set<std::int32_t> used;
    for (const TActionItem* item = GetFirst(); item; item = item->Next)
        if (HasTargetID(item->Data.TargetType)) used.insert(item->Data.TargetID);
    std::int32_t id = 1;
    while (used.contains(id))
        ++id;
    return id;
}

void THistoryList::Link(TActionItem* action, TFigData* figure, TFigItem* item) {
    Unlink(action);
    action->Data.TargetFigData = figure;
    action->Data.TargetFigItem = item;
    if (!figure && !item) return;
    Linked.push_back(action);
    if (figure && LatestKnown) NoteLatest(action);
}

void THistoryList::NoteLatest(TActionItem* action) const {
    TActionItem*& latest = Latest[action->Data.TargetFigData];
    if (!latest || latest->Position < action->Position) latest = action;
}

void THistoryList::Unlink(TActionItem* action) {
    TFigData* figure = action->Data.TargetFigData;
    action->Data.TargetFigData = nullptr;
    action->Data.TargetFigItem = nullptr;
    if (!figure || !LatestKnown) return;
    const auto found = Latest.find(figure);
    if (found != Latest.end() && found->second == action) Latest.erase(found);
}

void THistoryList::UnlinkAll() {
    for (TActionItem* action : Linked) {
        action->Data.TargetFigData = nullptr;
        action->Data.TargetFigItem = nullptr;
    }
    Linked.clear();
    Latest.clear();
}

TActionItem* THistoryList::LatestActionOf(const TFigData* figure) const {
    if (!LatestKnown) {
        // Built again from the actions still linked, which are kept for the next time.
        std::erase_if(Linked, [](const TActionItem* a) { return !a->Data.TargetFigData; });
        Latest.clear();
        for (TActionItem* action : Linked)
            NoteLatest(action);
        LatestKnown = true;
    }
    const auto found = Latest.find(figure);
    return found == Latest.end() ? nullptr : found->second;
}

} // namespace murva
