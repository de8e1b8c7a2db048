#include "history/action_store.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace murva {

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

// Under AddressSanitizer a slot that holds no item is poisoned, so that a use of an item
// after the log let it go is still caught.
#if defined(__SANITIZE_ADDRESS__)
#define MURVA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MURVA_ASAN 1
#endif
#endif

#ifdef MURVA_ASAN
extern "C" void __asan_poison_memory_region(void const volatile*, std::size_t);
extern "C" void __asan_unpoison_memory_region(void const volatile*, std::size_t);
void Poison(void* p, std::size_t n) {
    __asan_poison_memory_region(p, n);
}
void Unpoison(void* p, std::size_t n) {
    __asan_unpoison_memory_region(p, n);
}
#else
void Poison(void*, std::size_t) {}
void Unpoison(void*, std::size_t) {}
#endif

} // namespace

TActionStore::~TActionStore() {
    KeepFirst(0);
    while (!Blocks.empty()) {
        Unpoison(Blocks.back(), BytesOf(Blocks.size() - 1));
        std::free(Blocks.back());
        Blocks.pop_back();
    }
}

std::size_t TActionStore::BlockOf(std::size_t index) {
    return index < FirstBlockItems ? 0 : 1 + (index - FirstBlockItems) / PerBlock;
}

std::size_t TActionStore::Capacity(std::size_t blocks) {
    return blocks == 0 ? 0 : FirstBlockItems + (blocks - 1) * PerBlock;
}

std::size_t TActionStore::BytesOf(std::size_t block) {
    return block == 0 ? FirstBlockItems * sizeof(TActionItem) : BlockBytes;
}

TActionItem* TActionStore::Slot(std::size_t index) const {
    const std::size_t block = BlockOf(index);
    return static_cast<TActionItem*>(Blocks[block]) + (index - Capacity(block));
}

TActionItem* TActionStore::Add() {
    if (Size == Capacity(Blocks.size())) {
        const std::size_t bytes = BytesOf(Blocks.size());
        void* block = Blocks.empty() ? std::malloc(bytes) : std::aligned_alloc(HugePage, bytes);
        if (!block) throw std::bad_alloc();
        if (!Blocks.empty()) ::madvise(block, bytes, MADV_HUGEPAGE); // a wish: may be refused
        Poison(block, bytes);
        Blocks.push_back(block);
    }
    TActionItem* slot = Slot(Size++);
    Unpoison(slot, sizeof(TActionItem));
    return new (slot) TActionItem;
}

void TActionStore::KeepFirst(std::size_t count) {
    while (Size > count) {
        TActionItem* slot = Slot(--Size);
        slot->~TActionItem();
        Poison(slot, sizeof(TActionItem));
    }
    // One spare block stays, so that a log emptied and filled again starts at once.
    const std::size_t needed = Size == 0 ? 0 : BlockOf(Size - 1) + 1;
    while (Blocks.size() > needed + 1) {
        Unpoison(Blocks.back(), BytesOf(Blocks.size() - 1));
        std::free(Blocks.back());
        Blocks.pop_back();
    }
}

} // namespace murva
