#include "checking/tidymemory.h"

#include <QtGlobal>

#include <cstring>
#include <new>

namespace {

// Each block starts with its size, which libtidy does not pass when it frees or grows one;
// the header keeps what follows aligned for any type.
constexpr size_t Header = alignof(std::max_align_t);

size_t &sizeOf(void *start)
{
    return *static_cast<size_t *>(start);
}

} // namespace

TidyMemory::TidyMemory()
{
    static const TidyAllocatorVtbl table = {allocate, reallocate, release, panic};
    vtbl = &table;
}

void *TIDY_CALL TidyMemory::allocate(TidyAllocator *self, size_t bytes)
{
    auto &pools = static_cast<TidyMemory *>(self)->m_pools;
    void *start = nullptr;
    try {
        start = pools.allocate(bytes + Header, Header);
    } catch (const std::bad_alloc &) {
        return nullptr; // libtidy reports a failed allocation itself
    }
    sizeOf(start) = bytes;
    return static_cast<char *>(start) + Header;
}

void TIDY_CALL TidyMemory::release(TidyAllocator *self, void *block)
{
    if (!block)
        return;
    void *start = static_cast<char *>(block) - Header;
    static_cast<TidyMemory *>(self)->m_pools.deallocate(start, sizeOf(start) + Header, Header);
}

void *TIDY_CALL TidyMemory::reallocate(TidyAllocator *self, void *block, size_t bytes)
{
    if (!block)
        return allocate(self, bytes);
    const size_t old = sizeOf(static_cast<char *>(block) - Header);
    if (bytes <= old)
        return block;
    void *grown = allocate(self, bytes);
    if (grown) {
        std::memcpy(grown, block, old);
        release(self, block);
    }
    return grown;
}

void TIDY_CALL TidyMemory::panic(TidyAllocator *, ctmbstr message)
{
    // libtidy found its own tree broken and cannot go on; its own allocator ends the program
    // here too.
    qFatal("libtidy: %s", message);
}
