#pragma once
// The figure list: a doubly linked list with a head item that holds no figure.
// List order is painting order: later items lie in front of earlier ones.

#include "model/fig_data.h"

namespace murva {

struct TFigItem {
    TFigItem* Prev = nullptr;
    TFigItem* Next = nullptr;
    TFigData Data;
};

class TFigList {
public:
    TFigList();
    ~TFigList();
    TFigList(const TFigList&) = delete;
    TFigList& operator=(const TFigList&) = delete;

    // Appends a copy of the record: point figures get their own points with fresh
    // bounds (and Start/End from them), stamps a deep copy of their children.
    TFigItem* Add(const TFigData& record);
    TFigItem* AddEmpty();
    // Add of an item's data; nullptr for nullptr.
    TFigItem* CopyItem(const TFigItem* item);
    // 0 done, 1 refused (nullptr or the head).
    int Remove(TFigItem* item);
    // Swaps with the predecessor; refused for nullptr, the head and the first figure.
    int MoveBack(TFigItem* item);
    // Swaps with the successor; refused for nullptr and the tail.
    int MoveFront(TFigItem* item);
    void Clear();

    TFigItem* GetHead() const { return Head; }
    TFigItem* GetTail() const { return Tail; }
    TFigItem* GetFirst() const { return Head->Next; }
    static TFigItem* GetPrev(const TFigItem* item) { return item ? item->Prev : nullptr; }
    static TFigItem* GetNext(const TFigItem* item) { return item ? item->Next : nullptr; }
    bool IsEmpty() const { return Tail == Head; }
    // Number of figures (the head not counted); walks the list.
    std::int32_t Count() const;
    // The figure at position index counting from 0, or nullptr.
    TFigItem* At(std::int32_t index) const;

private:
    TFigItem* Link(TFigItem* item);
    // The item and its successor change places.
    void SwapWithNext(TFigItem* first);
    TFigItem* Head;
    TFigItem* Tail;
};

// Gives a record its own copies of what an item owns: the tracked points of a point
// figure (Start/End then follow their bounds) and the children of a stamp.
void DeepCopyOwnedParts(TFigData& data);

} // namespace murva
