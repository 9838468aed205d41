#include "model/SmallObjectPool.h"

#include <pthread.h>
#include <sys/mman.h>

#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>

namespace tessark::small_object_pool {

namespace detail {

constinit thread_local ThreadLists threadLists;
constinit std::atomic<int8_t> poolState{0};

namespace {

#ifdef TESSARK_POOL_BYPASS
constexpr bool kPoolBuilt = false;  // the sanitizers must see every block
#else
constexpr bool kPoolBuilt = true;
#endif

constexpr size_t kSlabBytes = 64 * 1024;
// Slabs are cut from regions mapped with their pages already present: one call to the system
// for 32 slabs instead of a page fault for every 4 KiB.
constexpr size_t kRegionBytes = 2 * 1024 * 1024;

struct Depot {
    std::mutex mutex;
    std::vector<Chain> chains[kClassCount];
    std::vector<void*> regions;
    char* regionNext = nullptr;
    char* regionEnd = nullptr;
    size_t carved = 0;
    size_t freeInDepot = 0;
};

Depot& TheDepot();

void LockDepot() { TheDepot().mutex.lock(); }
void UnlockDepot() { TheDepot().mutex.unlock(); }

// Never destroyed: threads may hand back their lists while the program ends.
Depot& TheDepot()
{
    static Depot* depot = [] {
        auto* made = new Depot;
        // A child of fork() keeps only the forking thread; the depot must not stay locked by
        // another.
        pthread_atfork(LockDepot, UnlockDepot, UnlockDepot);
        return made;
    }();
    return *depot;
}

void FlushList(size_t sizeClass, size_t keep);

// Hands a thread's lists to the depot when the thread ends.
struct Flusher {
    bool armed = false;
    ~Flusher()
    {
        for (size_t sizeClass = 0; sizeClass < kClassCount; ++sizeClass) {
            FlushList(sizeClass, 0);
        }
    }
};

thread_local Flusher flusher;

// Hands all but keep blocks of the thread's list to the depot. Keeping some spares a thread
// that frees and makes objects in turn from trading lists at every step.
void FlushList(size_t sizeClass, size_t keep)
{
    Chain& list = threadLists.lists[sizeClass];
    if (list.count <= keep) {
        return;
    }
    Chain handed = list;
    if (keep > 0) {
        Node* last = list.head;
        for (size_t i = 1; i < keep; ++i) {
            last = last->next;
        }
        handed.head = last->next;
        handed.count = list.count - keep;
        last->next = nullptr;
        list.count = keep;
    } else {
        list = Chain{};
    }
    Depot& depot = TheDepot();
    const std::lock_guard lock(depot.mutex);
    depot.freeInDepot += handed.count;
    depot.chains[sizeClass].push_back(handed);
}

// Called with the depot locked.
char* NewSlab(Depot& depot)
{
    if (depot.regionNext == depot.regionEnd) {
        void* region = mmap(nullptr, kRegionBytes, PROT_READ | PROT_WRITE,
                            MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (region == MAP_FAILED) {
            // Out of address space or mappings: a slab from the general allocator, which
            // reports the shortage as usual.
            void* slab = ::operator new(kSlabBytes);
            depot.regions.push_back(slab);
            return static_cast<char*>(slab);
        }
        depot.regions.push_back(region);
        depot.regionNext = static_cast<char*>(region);
        depot.regionEnd = depot.regionNext + kRegionBytes;
    }
    char* slab = depot.regionNext;
    depot.regionNext += kSlabBytes;
    return slab;
}

// Takes a list from the depot, or cuts a new slab into one.
void Refill(size_t sizeClass)
{
    flusher.armed = true;
    Chain& list = threadLists.lists[sizeClass];
    Depot& depot = TheDepot();
    const std::lock_guard lock(depot.mutex);
    std::vector<Chain>& chains = depot.chains[sizeClass];
    if (!chains.empty()) {
        list = chains.back();
        chains.pop_back();
        depot.freeInDepot -= list.count;
        return;
    }
    const size_t blockSize = (sizeClass + 1) * kGranule;
    char* slab = NewSlab(depot);
    const size_t blocks = kSlabBytes / blockSize;
    depot.carved += blocks;
    for (size_t i = blocks; i-- > 0;) {
        Node* node = reinterpret_cast<Node*>(slab + i * blockSize);
        node->next = list.head;
        list.head = node;
    }
    list.count = blocks;
}

// With TESSARK_NO_POOL set in the environment every block comes from the general allocator,
// for programs that watch or fail single allocations (allocation sweeps, memory checkers).
bool Pooled()
{
    int8_t state = poolState.load(std::memory_order_relaxed);
    if (state == 0) {
        state = kPoolBuilt && std::getenv("TESSARK_NO_POOL") == nullptr ? 1 : -1;
        poolState.store(state, std::memory_order_relaxed);
    }
    return state > 0;
}

}  // namespace

void Flush(size_t sizeClass, size_t keep) { FlushList(sizeClass, keep); }

void* AllocateSlow(size_t size)
{
    if (size <= kMaxSize && Pooled()) {
        const size_t sizeClass = ClassOf(size);
        Chain& list = threadLists.lists[sizeClass];
        if (list.count == 0) {
            Refill(sizeClass);
        }
        Node* node = list.head;
        list.head = node->next;
        --list.count;
        return node;
    }
    return ::operator new(size);
}

void ReleaseSlow(void* block, size_t size) noexcept
{
    if (!block) {
        return;
    }
    if (size <= kMaxSize && Pooled()) {
        // Only reached before the inline path knows the pool's state.
        const size_t sizeClass = ClassOf(size);
        Chain& list = threadLists.lists[sizeClass];
        Node* node = static_cast<Node*>(block);
        node->next = list.head;
        list.head = node;
        if (++list.count >= kLocalLimit) {
            FlushList(sizeClass, kLocalLimit / 2);
        }
        return;
    }
    ::operator delete(block);
}

}  // namespace detail

using namespace detail;

size_t CarvedBlocks()
{
    Depot& depot = TheDepot();
    const std::lock_guard lock(depot.mutex);
    return depot.carved;
}

size_t FreeBlocks()
{
    size_t local = 0;
    for (const Chain& list : threadLists.lists) {
        local += list.count;
    }
    Depot& depot = TheDepot();
    const std::lock_guard lock(depot.mutex);
    return depot.freeInDepot + local;
}

}  // namespace tessark::small_object_pool
