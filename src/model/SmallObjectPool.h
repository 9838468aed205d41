#pragma once

#include <cstddef>
#include <atomic>
#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define TESSARK_POOL_BYPASS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSARK_POOL_BYPASS 1
#endif
#endif

namespace tessark {

// Storage for the map's small objects (tiles and things), which a large world holds by the
// million: blocks of up to kMaxSize bytes cut from 64 KiB slabs, kept on free lists per size
// class, so that making and destroying them costs a list push or pop instead of a general
// allocation with its header and its bookkeeping. Each thread keeps its own lists and trades
// whole lists with a shared depot, so any thread may free what another made. Slabs stay with
// the pool for the next objects.
//
// Under the address sanitizer every call goes to the general allocator so that use after free
// and leaks of these objects are still found.
namespace small_object_pool {

inline constexpr size_t kMaxSize = 64;

namespace detail {

inline constexpr size_t kGranule = 8;
inline constexpr size_t kClassCount = kMaxSize / kGranule;
// A thread hands its list to the depot once it holds this many blocks of a class.
inline constexpr size_t kLocalLimit = 1024;

struct Node {
    Node* next;
};

struct Chain {
    Node* head = nullptr;
    size_t count = 0;
};

// Trivially destructible, so that objects freed late in a thread's end still have lists.
struct ThreadLists {
    Chain lists[kClassCount];
};

extern constinit thread_local ThreadLists threadLists;
// 0 until the first allocation decides, then 1 when blocks come from the pool, -1 when they
// come from the general allocator. A block is only released after it was allocated, so
// releasing never sees 0.
extern constinit std::atomic<int8_t> poolState;

constexpr size_t ClassOf(size_t size) { return size == 0 ? 0 : (size - 1) / kGranule; }

void* AllocateSlow(size_t size);
void ReleaseSlow(void* block, size_t size) noexcept;
void Flush(size_t sizeClass, size_t keep);

}  // namespace detail

// A block of at least size bytes aligned for any object of that size; sizes above kMaxSize
// go to the general allocator.
inline void* Allocate(size_t size)
{
#ifndef TESSARK_POOL_BYPASS
    if (size <= kMaxSize) {
        detail::Chain& list = detail::threadLists.lists[detail::ClassOf(size)];
        if (detail::Node* node = list.head) {
            list.head = node->next;
            --list.count;
            // The next block is about to be written; a list handed back after a release is in
            // no address order, so fetching it now hides a cache miss per object.
            __builtin_prefetch(list.head, 1);
            return node;
        }
    }
#endif
    return detail::AllocateSlow(size);
}

// Gives back a block from Allocate with the same size.
inline void Release(void* block, size_t size) noexcept
{
#ifndef TESSARK_POOL_BYPASS
    if (block && size <= kMaxSize && detail::poolState.load(std::memory_order_relaxed) > 0) {
        const size_t sizeClass = detail::ClassOf(size);
        detail::Chain& list = detail::threadLists.lists[sizeClass];
        auto* node = static_cast<detail::Node*>(block);
        node->next = list.head;
        list.head = node;
        if (++list.count >= detail::kLocalLimit) {
            detail::Flush(sizeClass, detail::kLocalLimit / 2);
        }
        return;
    }
#endif
    detail::ReleaseSlow(block, size);
}

// Blocks cut from slabs so far and blocks back on the free lists, in all size classes; the
// difference is the blocks in use (zero under the sanitizer, which keeps no pool).
size_t CarvedBlocks();
size_t FreeBlocks();

}  // namespace small_object_pool

}  // namespace tessark
