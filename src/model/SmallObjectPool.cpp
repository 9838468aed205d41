#include "model/SmallObjectPool.h"

#include <pthread.h>

#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define TESSARK_POOL_BYPASS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSARK_POOL_BYPASS 1
#endif
#endif

namespace tessark::small_object_pool {

namespace {

#ifdef TESSARK_POOL_BYPASS
constexpr bool kPoolBuilt = false;  // the sanitizers must see every block
#else
constexpr bool kPoolBuilt = true;
#endif

constexpr size_t kGranule = 8;
constexpr size_t kClassCount = kMaxSize / kGranule;
constexpr size_t kSlabBytes = 64 * 1024;
// A thread hands its list to the depot once it holds this many blocks of a class.
constexpr size_t kLocalLimit = 1024;

struct Node {
    Node* next;
};

struct Chain {
    Node* head = nullptr;
    size_t count = 0;
};

size_t ClassOf(size_t size) { return size == 0 ? 0 : (size - 1) / kGranule; }

struct Depot {
    std::mutex mutex;
    std::vector<Chain> chains[kClassCount];
    std::vector<void*> slabs;
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

// Trivially destructible, so that objects freed late in a thread's end still have lists.
struct ThreadLists {
    Chain lists[kClassCount];
};

thread_local ThreadLists threadLists;

// Hands all but keep blocks of the thread's list to the depot. Keeping some spares a thread
// that frees and makes objects in turn from trading lists at every step.
void Flush(size_t sizeClass, size_t keep)
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

// Hands a thread's lists to the depot when the thread ends.
struct Flusher {
    bool armed = false;
    ~Flusher()
    {
        for (size_t sizeClass = 0; sizeClass < kClassCount; ++sizeClass) {
            Flush(sizeClass, 0);
        }
    }
};

thread_local Flusher flusher;

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
    char* slab = static_cast<char*>(::operator new(kSlabBytes));
    depot.slabs.push_back(slab);
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
    static const bool pooled = kPoolBuilt && std::getenv("TESSARK_NO_POOL") == nullptr;
    return pooled;
}

}  // namespace

void* Allocate(size_t size)
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

void Release(void* block, size_t size) noexcept
{
    if (!block) {
        return;
    }
    if (size <= kMaxSize && Pooled()) {
        const size_t sizeClass = ClassOf(size);
        Chain& list = threadLists.lists[sizeClass];
        Node* node = static_cast<Node*>(block);
        node->next = list.head;
        list.head = node;
        if (++list.count >= kLocalLimit) {
            Flush(sizeClass, kLocalLimit / 2);
        }
        return;
    }
    ::operator delete(block);
}

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
