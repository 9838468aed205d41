#pragma once

#include <cstddef>

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

// A block of at least size bytes aligned for any object of that size; sizes above kMaxSize
// go to the general allocator.
void* Allocate(size_t size);
// Gives back a block from Allocate with the same size.
void Release(void* block, size_t size) noexcept;

// Blocks cut from slabs so far and blocks back on the free lists, in all size classes; the
// difference is the blocks in use (zero under the sanitizer, which keeps no pool).
size_t CarvedBlocks();
size_t FreeBlocks();

}  // namespace small_object_pool

}  // namespace tessark
