#include "model/TileStore.h"

#include <algorithm>

#include "model/BackgroundRelease.h"

namespace tessark {

TileStore::TileStore() = default;

TileStore::~TileStore() { Clear(); }

void TileStore::Discard(std::unique_ptr<Floor> floor)
{
    if (!floor) {
        return;
    }
    // Tiles go in key order, the order maps are written and read in: the pool hands blocks back
    // in the reverse order of their release, so the next map read gets them in address order,
    // which the processor fetches ahead. Freed in any other order, the blocks of a world reused
    // over and over end up scattered and every new tile waits for memory.
    struct InKeyOrder {
        explicit InKeyOrder(std::unique_ptr<Block> held) : block(std::move(held)) {}
        InKeyOrder(InKeyOrder&&) noexcept = default;
        InKeyOrder& operator=(InKeyOrder&&) = delete;
        ~InKeyOrder()
        {
            if (!block) {
                return;
            }
            // A column of 16 chunks without any is passed over at once: a sparse block costs
            // a look at its 256 chunks, not one per row of tiles.
            for (uint32_t column = 0; column < 256; column += 16) {
                const auto first = block->chunks.begin() + column;
                const auto present = [](const std::unique_ptr<Chunk>& chunk) {
                    return chunk != nullptr;
                };
                if (std::none_of(first, first + 16, present)) {
                    continue;
                }
                for (uint32_t lowX = column; lowX < column + 16; ++lowX) {
                    for (uint32_t chunkY = 0; chunkY < 16; ++chunkY) {
                        if (Chunk* chunk = block->chunks[column | chunkY].get()) {
                            const uint32_t row = (lowX & 0x0F) << 4;
                            for (uint32_t slotY = 0; slotY < 16; ++slotY) {
                                chunk->tiles[row | slotY].reset();
                            }
                        }
                    }
                }
            }
        }
        std::unique_ptr<Block> block;
    };
    // A big floor takes long to free object by object, and nothing else points into it. Block
    // by block, so that a program that ends meanwhile waits for one block at most.
    const bool inBackground = floor->count >= kBackgroundReleaseTiles;
    for (std::unique_ptr<Block>& block : floor->blocks) {
        if (!block) {
            continue;
        }
        if (inBackground) {
            background_release::Post(InKeyOrder(std::move(block)));
        } else {
            const InKeyOrder now(std::move(block));
        }
    }
}

CTile* TileStore::Put(int32_t x, int32_t y, int32_t z, std::unique_ptr<CTile> tile,
                      std::unique_ptr<CTile>* replaced)
{
    const int floorIndex = FloorIndex(z);
    if (floorIndex < 0 || !tile) {
        return nullptr;
    }
    const uint32_t key = MakeTileKey(x, y);
    const uint64_t chunkId = ChunkId(floorIndex, key);
    if (cursor_.chunkId != chunkId) {
        std::unique_ptr<Floor>& floor = floors_[floorIndex];
        if (!floor) {
            floor = std::make_unique<Floor>();
        }
        if ((key >> 16) >= floor->blocks.size()) {
            floor->blocks.resize((key >> 16) + 1);
        }
        std::unique_ptr<Block>& block = floor->blocks[key >> 16];
        if (!block) {
            block = std::make_unique<Block>();
        }
        std::unique_ptr<Chunk>& chunk = block->chunks[ChunkIndex(key)];
        if (!chunk) {
            chunk = std::make_unique<Chunk>();
            ++block->count;
        }
        cursor_ = Cursor{chunkId, floor.get(), chunk.get()};
    }
    std::unique_ptr<CTile>& slot = cursor_.chunk->tiles[SlotIndex(key)];
    if (!slot) {
        ++cursor_.chunk->count;
        ++cursor_.floor->count;
        ++size_;
    } else if (replaced) {
        *replaced = std::move(slot);
    }
    slot = std::move(tile);
    return slot.get();
}

std::unique_ptr<CTile> TileStore::Take(int32_t x, int32_t y, int32_t z)
{
    const int floorIndex = FloorIndex(z);
    if (floorIndex < 0 || !floors_[floorIndex]) {
        return nullptr;
    }
    Floor& floor = *floors_[floorIndex];
    const uint32_t key = MakeTileKey(x, y);
    if ((key >> 16) >= floor.blocks.size()) {
        return nullptr;
    }
    std::unique_ptr<Block>& block = floor.blocks[key >> 16];
    if (!block) {
        return nullptr;
    }
    std::unique_ptr<Chunk>& chunk = block->chunks[ChunkIndex(key)];
    if (!chunk) {
        return nullptr;
    }
    std::unique_ptr<CTile> tile = std::move(chunk->tiles[SlotIndex(key)]);
    if (!tile) {
        return nullptr;
    }
    --floor.count;
    --size_;
    if (--chunk->count == 0) {
        cursor_ = Cursor{};
        chunk.reset();
        if (--block->count == 0) {
            block.reset();
        }
    }
    return tile;
}

void TileStore::ClearFloor(int floor)
{
    if (floor < 0 || floor >= kFloorCount || !floors_[floor]) {
        return;
    }
    cursor_ = Cursor{};
    size_ -= floors_[floor]->count;
    Discard(std::move(floors_[floor]));
}

void TileStore::Clear()
{
    for (int floor = 0; floor < kFloorCount; ++floor) {
        ClearFloor(floor);
    }
}

size_t TileStore::FloorSize(int floor) const
{
    if (floor < 0 || floor >= kFloorCount || !floors_[floor]) {
        return 0;
    }
    return floors_[floor]->count;
}

}  // namespace tessark
