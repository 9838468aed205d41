#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "model/Tile.h"
#include "model/TileKey.h"

namespace tessark {

// The tiles of the 16 floors, filed by tile key. Lookups are three array steps (floor table,
// 256 x 256 block, 16 x 16 chunk), which the drawing code does millions of times a second, and
// walking a floor in ascending key order needs no sorting. Empty chunks and blocks are freed, so
// memory follows the tiles: about 8 bytes of index per tile where the map is dense.
//
// Floors are addressed by the low 8 bits of z and x, y by their low 16 bits; z >= 16 holds
// nothing. The store owns its tiles; pointers to a tile stay valid until it is removed.
class TileStore {
public:
    TileStore();
    ~TileStore();
    TileStore(const TileStore&) = delete;
    TileStore& operator=(const TileStore&) = delete;

    CTile* Get(int32_t x, int32_t y, int32_t z) const
    {
        const int floor = FloorIndex(z);
        if (floor < 0 || !floors_[floor]) {
            return nullptr;
        }
        const uint32_t key = MakeTileKey(x, y);
        const auto& blocks = floors_[floor]->blocks;
        const Block* block = (key >> 16) < blocks.size() ? blocks[key >> 16].get() : nullptr;
        if (!block) {
            return nullptr;
        }
        const Chunk* chunk = block->chunks[ChunkIndex(key)].get();
        return chunk ? chunk->tiles[SlotIndex(key)].get() : nullptr;
    }

    // Stores the tile, destroying any tile that was there (or handing it to *replaced when that
    // is given); returns the stored tile, or null (the tile destroyed) when z names no floor.
    CTile* Put(int32_t x, int32_t y, int32_t z, std::unique_ptr<CTile> tile,
               std::unique_ptr<CTile>* replaced = nullptr);
    // Takes the tile out and hands it to the caller; null when there is none.
    std::unique_ptr<CTile> Take(int32_t x, int32_t y, int32_t z);
    // Destroys every tile of a floor, or of all floors. A floor of many tiles is destroyed on a
    // worker thread (see BackgroundRelease.h): its tiles are gone from the store at once.
    void ClearFloor(int floor);
    void Clear();
    // Exchanges every tile with the other store; pointers to tiles stay valid.
    void Swap(TileStore& other) noexcept
    {
        floors_.swap(other.floors_);
        std::swap(size_, other.size_);
        std::swap(cursor_, other.cursor_);
    }

    size_t Size() const { return size_; }
    size_t FloorSize(int floor) const;

    // Calls visit(key, tile) for every tile of the floor in ascending key order. The store must
    // not be changed during the walk.
    template <class Visit>
    void ForEachTile(int floor, Visit&& visit) const;

private:
    struct Chunk {
        std::array<std::unique_ptr<CTile>, 256> tiles;
        uint32_t count = 0;
    };
    struct Block {
        std::array<std::unique_ptr<Chunk>, 256> chunks;
        uint32_t count = 0;
    };
    struct Floor {
        // By high x byte, then high y byte; grown up to the highest block used, so a small map
        // costs a few entries rather than all 65536.
        std::vector<std::unique_ptr<Block>> blocks;
        size_t count = 0;
    };

    static constexpr size_t kBackgroundReleaseTiles = 65536;
    static void Discard(std::unique_ptr<Floor> floor);

    // Inside a block: 16 x 16 chunks of 16 x 16 tiles.
    static uint32_t ChunkIndex(uint32_t key) { return ((key >> 8) & 0xF0) | ((key >> 4) & 0x0F); }
    static uint32_t SlotIndex(uint32_t key) { return ((key >> 4) & 0xF0) | (key & 0x0F); }

    // The chunk the last Put went to: a map is read tile after tile of the same chunk, so most
    // Puts skip the walk from floor to chunk. Forgotten whenever a chunk may go.
    struct Cursor {
        uint64_t chunkId = ~uint64_t{0};
        Floor* floor = nullptr;
        Chunk* chunk = nullptr;
    };
    static uint64_t ChunkId(int floor, uint32_t key)
    {
        return (static_cast<uint64_t>(floor) << 32) | (key & 0xFFFFF0F0u);
    }

    std::array<std::unique_ptr<Floor>, kFloorCount> floors_;
    size_t size_ = 0;
    Cursor cursor_;
};

template <class Visit>
void TileStore::ForEachTile(int floor, Visit&& visit) const
{
    if (floor < 0 || floor >= kFloorCount || !floors_[floor]) {
        return;
    }
    const Floor& tiles = *floors_[floor];
    for (uint32_t blockIndex = 0; blockIndex < tiles.blocks.size(); ++blockIndex) {
        const Block* block = tiles.blocks[blockIndex].get();
        if (!block) {
            continue;
        }
        // Key order inside a block is low x, then low y.
        for (uint32_t lowX = 0; lowX < 256; ++lowX) {
            for (uint32_t chunkY = 0; chunkY < 16; ++chunkY) {
                const Chunk* chunk = block->chunks[(lowX & 0xF0) | chunkY].get();
                if (!chunk) {
                    continue;
                }
                const uint32_t row = (lowX & 0x0F) << 4;
                for (uint32_t slotY = 0; slotY < 16; ++slotY) {
                    if (const CTile* tile = chunk->tiles[row | slotY].get()) {
                        const uint32_t key = (blockIndex << 16) | (lowX << 8) | (chunkY << 4) | slotY;
                        visit(key, const_cast<CTile&>(*tile));
                    }
                }
            }
        }
    }
}

}  // namespace tessark
