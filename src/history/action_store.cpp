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
    for (void* block : Blocks) {
        Unpoison(block, BlockBytes);
        std::free(block);
    }
}

TActionItem* TActionStore::Slot(std::size_t index) const {
    return static_cast<TActionItem*>(Blocks[index / PerBlock]) + index % PerBlock;
}

TActionItem* TActionStore::Add() {
    if (Size == Blocks.size() * PerBlock) {
        void* block = std::aligned_alloc(HugePage, BlockBytes);
        if (!block) throw std::bad_alloc();
        ::madvise(block, BlockBytes, MADV_HUGEPAGE); // only a wish: fine if refused
        Poison(block, BlockBytes);
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
    while (Blocks.size() > Size / PerBlock + 2) {
        Unpoison(Blocks.back(), BlockBytes);
        std::free(Blocks.back());
        Blocks.pop_back();
    }
}

} // namespace murva
