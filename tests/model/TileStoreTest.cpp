#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "model/BackgroundRelease.h"
#include "model/SmallObjectPool.h"
#include "model/TileKey.h"
#include "model/TileStore.h"

namespace tessark {
namespace {

// The number of tiles a walk of the floor visits.
size_t Walked(const TileStore& store, int floor)
{
    size_t count = 0;
    store.ForEachTile(floor, [&count](uint32_t, CTile&) { ++count; });
    return count;
}

TEST(TileKeyTest, KeyBytesAndSplit)
{
    EXPECT_EQ(MakeTileKey(0x1234, 0xABCD), 0x12AB34CDu);
    int32_t x = 0;
    int32_t y = 0;
    SplitTileKey(0x12AB34CD, x, y);
    EXPECT_EQ(x, 0x1234);
    EXPECT_EQ(y, 0xABCD);
    EXPECT_EQ(MakeTileKey(65536 + 5, -1), MakeTileKey(5, 65535));
    for (const auto& [floor, index] : {std::pair{7, 7}, {16, -1}, {255, -1}, {256 + 3, 3}, {-1, -1}}) {
        EXPECT_EQ(FloorIndex(floor), index) << floor;
    }
}

TEST(TileStoreTest, AddressesByLowBitsAndRefusesHighFloors)
{
    TileStore store;
    CTile* tile = store.Put(0, 10, 7, std::make_unique<CTile>());
    EXPECT_EQ(store.Put(1, 1, 16, std::make_unique<CTile>()), nullptr);
    EXPECT_EQ(store.Size(), 1u);
    // Where (0, 10, 7) is found again; the neighbours in its chunk and block are distinct.
    const std::tuple<int32_t, int32_t, int32_t, bool> gets[] = {
        {65536, 10, 7, true}, {0, 10 + 65536 * 3, 7, true}, {0, 10, 7 + 256, true}, {0, 10, 16, false},
        {0, 10, 255, false},  {0, 10, -1, false},           {1, 10, 7, false},      {0, 11, 7, false},
        {0, 10, 6, false}};
    for (const auto& [x, y, z, found] : gets) {
        EXPECT_EQ(store.Get(x, y, z), found ? tile : nullptr) << x << "," << y << "," << z;
    }
}

TEST(TileStoreTest, PutReplacesTakeHandsBackAndCountsStayRight)
{
    TileStore store;
    CTile* first = store.Put(40, 40, 3, std::make_unique<CTile>());
    first->SetFlags(1);
    CTile* second = store.Put(40, 40, 3, std::make_unique<CTile>());
    EXPECT_EQ(store.Size(), 1u);
    EXPECT_EQ(store.Get(40, 40, 3), second);
    EXPECT_EQ(store.Get(40, 40, 3)->GetFlags(), 0u);
    std::unique_ptr<CTile> replaced;
    CTile* third = store.Put(40, 40, 3, std::make_unique<CTile>(), &replaced);
    EXPECT_EQ(replaced.get(), second);
    EXPECT_EQ(store.Size(), 1u);

    store.Put(41, 40, 3, std::make_unique<CTile>());
    store.Put(5000, 40, 3, std::make_unique<CTile>());
    EXPECT_EQ(store.FloorSize(3), 3u);
    std::unique_ptr<CTile> taken = store.Take(40, 40, 3);
    EXPECT_EQ(taken.get(), third);
    EXPECT_EQ(store.Take(40, 40, 3), nullptr);
    EXPECT_EQ(store.Take(40, 40, 99), nullptr);
    EXPECT_EQ(store.Size(), 2u);
    // Emptying a chunk and a block frees them; putting again still works.
    store.Take(41, 40, 3);
    store.Take(5000, 40, 3);
    EXPECT_EQ(store.Size(), 0u);
    EXPECT_EQ(Walked(store, 3), 0u);
    store.Put(41, 40, 3, std::make_unique<CTile>());
    EXPECT_EQ(Walked(store, 3), 1u);

    store.Put(1, 1, 0, std::make_unique<CTile>());
    store.Put(1, 1, 15, std::make_unique<CTile>());
    store.ClearFloor(15);
    EXPECT_EQ(store.Size(), 2u);
    store.Clear();
    EXPECT_EQ(store.Size(), 0u);
    EXPECT_EQ(store.Get(1, 1, 0), nullptr);
}

// Each way of taking away the chunk the last Put went to; the next Put into it makes it anew.
TEST(TileStoreTest, PutAfterItsChunkWentAwayStoresAgain)
{
    const std::vector<std::function<void(TileStore&, TileStore&)>> removals = {
        [](TileStore& store, TileStore&) { store.Take(5, 5, 7); },
        [](TileStore& store, TileStore&) { store.ClearFloor(7); },
        [](TileStore& store, TileStore&) { store.Clear(); },
        [](TileStore& store, TileStore& other) { store.Swap(other); },
    };
    for (size_t i = 0; i < removals.size(); ++i) {
        TileStore store;
        TileStore other;
        store.Put(5, 5, 7, std::make_unique<CTile>());
        removals[i](store, other);
        CTile* tile = store.Put(6, 5, 7, std::make_unique<CTile>());
        EXPECT_EQ(store.Get(6, 5, 7), tile) << i;
        EXPECT_EQ(Walked(store, 7), 1u) << i;
        EXPECT_EQ(store.Size(), 1u) << i;
        EXPECT_EQ(other.Get(6, 5, 7), nullptr) << i;
    }
}

// A floor big enough to be freed on the worker thread: gone from the store at once, and its
// tiles back in the pool once the worker is done.
TEST(TileStoreTest, ClearingABigFloorEmptiesAtOnceAndFreesOnTheWorker)
{
    TileStore store;
    constexpr int32_t kSide = 300;
    for (int32_t x = 0; x < kSide; ++x) {
        for (int32_t y = 0; y < kSide; ++y) {
            store.Put(x, y, 7, std::make_unique<CTile>());
        }
    }
    store.Put(1, 1, 6, std::make_unique<CTile>());
    const size_t freeBefore = small_object_pool::FreeBlocks();
    store.Clear();
    EXPECT_EQ(store.Size(), 0u);
    EXPECT_EQ(store.Get(299, 299, 7), nullptr);
    EXPECT_EQ(Walked(store, 7), 0u);
    EXPECT_NE(store.Put(299, 299, 7, std::make_unique<CTile>()), nullptr);
    EXPECT_EQ(store.Size(), 1u);
    background_release::Wait();
    if (small_object_pool::CarvedBlocks() > 0) {
        // The worker keeps at most one list of each size for itself.
        EXPECT_GE(small_object_pool::FreeBlocks() + 1024, freeBefore + kSide * kSide);
    }
}

}  // namespace
}  // namespace tessark
