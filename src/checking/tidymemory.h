#pragma once

#include <tidy/tidy.h>

#include <memory_resource>

// Memory for one libtidy document, taken from pools and given back as a whole when the
// document is done. libtidy makes and drops a node for every tag and six 2 KB buffers for
// every report it writes, and a large page with an element left open gives hundreds of
// thousands of reports; through the general heap that cost as much as the parse itself.
// One document at a time, on one thread.
class TidyMemory : public TidyAllocator
{
public:
    TidyMemory();
    TidyMemory(const TidyMemory &) = delete;
    TidyMemory &operator=(const TidyMemory &) = delete;

private:
    static void *TIDY_CALL allocate(TidyAllocator *self, size_t bytes);
    static void *TIDY_CALL reallocate(TidyAllocator *self, void *block, size_t bytes);
    static void TIDY_CALL release(TidyAllocator *self, void *block);
    static void TIDY_CALL panic(TidyAllocator *self, ctmbstr message);

    std::pmr::unsynchronized_pool_resource m_pools;
};
