#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/KeyedImage.h"

namespace tessark {

// The drawn pixels of one floor's 16 x 16-tile chunk at one zoom, keyed by floor, floor shift
// and chunk, with magenta where the floor leaves the floors below showing. Least recently used
// chunks go first when the pixels held pass the byte limit; freed chunks lend their buffers to
// the next one drawn, so a steady view allocates nothing.
class ChunkCache {
public:
    static constexpr int kChunkTiles = 16;
    static constexpr size_t kDefaultByteLimit = size_t{128} << 20;

    struct Layer {
        KeyedImage image;
        // Drawn with an animated thing at that animation counter.
        bool animated = false;
        uint16_t counter = 0;
    };

    explicit ChunkCache(size_t byteLimit = kDefaultByteLimit) : byteLimit_(byteLimit) {}

    // The chunk (chunk coordinates: map tiles / 16) when held; marks it used.
    Layer* Find(int z, int shift, int chunkX, int chunkY);
    // A layer to draw the chunk into, replacing any held one; call Stored once it is built.
    Layer& Insert(int z, int shift, int chunkX, int chunkY);
    // Counts the inserted layer's bytes and evicts down to the limit.
    void Stored();

    // Forgets the chunks holding any of the map tiles (inclusive) of floor z, at every shift.
    void Invalidate(int z, int left, int top, int right, int bottom);
    void Clear();

    size_t Size() const { return index_.size(); }
    size_t Bytes() const { return bytes_; }
    size_t ByteLimit() const { return byteLimit_; }

private:
    struct Slot {
        uint64_t key = 0;
        Layer layer;
        size_t bytes = 0;
        bool live = false;
        int previous = -1;  // towards the most recently used
        int next = -1;
    };

    static uint64_t Key(int z, int shift, int chunkX, int chunkY);
    void Unlink(int slot);
    void PushFront(int slot);
    void Release(int slot, bool freeMemory);

    size_t byteLimit_;
    std::vector<Slot> slots_;
    std::vector<int> free_;
    std::unordered_map<uint64_t, int> index_;
    int head_ = -1;
    int tail_ = -1;
    int lastInserted_ = -1;
    // Bytes of every slot, live or free: freed buffers still count until they are reused.
    size_t bytes_ = 0;
};

}  // namespace tessark
