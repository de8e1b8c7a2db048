#include "history/action_log.h"

namespace murva {

THistoryList::THistoryList() : Head(new TActionItem), Tail(Head) {}

THistoryList::~THistoryList() {
    FreeItems();
    delete Head;
}

TActionItem* THistoryList::AppendEmpty() {
    auto* item = new TActionItem;
    item->Prev = Tail;
    Tail->Next = item;
    Tail = item;
    ++Count;
    return item;
}

TActionItem* THistoryList::AppendWithFigure(const TFigData& figure) {
    auto* item = AppendEmpty();
    item->Data.FigData = figure;
    DeepCopyOwnedParts(item->Data.FigData);
    return item;
}

void THistoryList::FreeItems() {
    TActionItem* item = Head->Next;
    while (item) {
        TActionItem* next = item->Next;
        delete item;
        item = next;
    }
    Head->Next = nullptr;
    Tail = Head;
    Count = 0;
}

void THistoryList::Clear(std::int32_t& lastFigureID) {
    if (Count == 0) return;
    FreeItems();
    lastFigureID = 1;
}

} // namespace murva
