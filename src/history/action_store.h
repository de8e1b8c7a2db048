#pragma once
// Where the items of the action log live: in blocks, in log order. Items are only ever
// added at the end of the log and taken from its end, so the blocks fill and empty like
// a stack. A short log stays in one small block; a long one touches much fresh memory,
// so its further blocks are large and ask to be backed by huge pages, which saves most
// of the page faults.

#include "history/action_data.h"

#include <cstddef>
#include <vector>

namespace murva {

class TActionStore {
public:
    TActionStore() = default;
    ~TActionStore();
    TActionStore(const TActionStore&) = delete;
    TActionStore& operator=(const TActionStore&) = delete;

    // A new item after all others.
    TActionItem* Add();
    // Destroys the last items until `count` are left.
    void KeepFirst(std::size_t count);

private:
    static constexpr std::size_t FirstBlockItems = 256;
    static constexpr std::size_t BlockBytes = std::size_t(4) << 20;
    static constexpr std::size_t PerBlock = BlockBytes / sizeof(TActionItem);
    static std::size_t BlockOf(std::size_t index);
    static std::size_t Capacity(std::size_t blocks);
    static std::size_t BytesOf(std::size_t block);
    TActionItem* Slot(std::size_t index) const;
    std::vector<void*> Blocks;
    std::size_t Size = 0;
};

} // namespace murva
