#include "model/fig_list.h"

namespace murva {

TFigList::TFigList() : Head(new TFigItem), Tail(Head) {}

TFigList::~TFigList() {
    Clear();
    delete Head;
}

TFigItem* TFigList::Link(TFigItem* item) {
    item->Prev = Tail;
    Tail->Next = item;
    Tail = item;
    return item;
}

void DeepCopyOwnedParts(TFigData& data) {
    if (IsPointFigure(data.DrawingTool) && data.PointData) {
        data.PointData = CopyTrackedPoints(*data.PointData);
        data.BoundsToStartEnd();
    }
    if (data.DrawingTool == TDrawingTool::Stamp && data.StampData) {
        auto children = std::make_shared<TFigList>();
        for (auto* child = data.StampData->GetFirst(); child; child = child->Next)
            children->Add(child->Data);
        data.StampData = std::move(children);
    }
}

TFigItem* TFigList::Add(const TFigData& record) {
    auto* item = Link(new TFigItem);
    item->Data = record;
    DeepCopyOwnedParts(item->Data);
    return item;
}

TFigItem* TFigList::AddEmpty() {
    return Link(new TFigItem);
}

TFigItem* TFigList::CopyItem(const TFigItem* item) {
    return item ? Add(item->Data) : nullptr;
}

int TFigList::Remove(TFigItem* item) {
    if (!item || item == Head) return 1;
    if (item->Next)
        item->Next->Prev = item->Prev;
    else
        Tail = item->Prev;
    item->Prev->Next = item->Next;
    delete item;
    return 0;
}

void TFigList::SwapWithNext(TFigItem* first) {
    TFigItem* second = first->Next;
    TFigItem* before = first->Prev;
    TFigItem* after = second->Next;
    before->Next = second;
    second->Prev = before;
    second->Next = first;
    first->Prev = second;
    first->Next = after;
    if (after)
        after->Prev = first;
    else
        Tail = first;
}

int TFigList::MoveBack(TFigItem* item) {
    // The head never moves, and nothing goes behind it.
    if (!item || item == Head || item->Prev == Head) return 1;
    SwapWithNext(item->Prev);
    return 0;
}

int TFigList::MoveFront(TFigItem* item) {
    if (!item || item == Tail || item == Head) return 1;
    SwapWithNext(item);
    return 0;
}

void TFigList::Clear() {
    TFigItem* item = Head->Next;
    while (item) {
        TFigItem* next = item->Next;
        delete item;
        item = next;
    }
    Head->Next = nullptr;
    Tail = Head;
}

std::int32_t TFigList::Count() const {
    std::int32_t n = 0;
    for (auto* item = Head->Next; item; item = item->Next)
        ++n;
    return n;
}

TFigItem* TFigList::At(std::int32_t index) const {
    if (index < 0) return nullptr;
    auto* item = Head->Next;
    for (; item && index > 0; --index)
        item = item->Next;
    return item;
}

} // namespace murva
