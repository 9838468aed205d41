#include "render/ChunkCache.h"

#include <algorithm>

namespace tessark {

namespace {

// Floor shifts run from -2 (two floors below an underground view) to 7 (floor 0 seen from 7).
constexpr int kMinShift = -2;
constexpr int kMaxShift = 7;
constexpr int kLastChunk = 0xFFFF / ChunkCache::kChunkTiles;

}  // namespace

uint64_t ChunkCache::Key(int z, int shift, int chunkX, int chunkY)
{
    return (uint64_t{static_cast<uint32_t>(z) & 0xFF} << 48) |
           (uint64_t{static_cast<uint32_t>(shift - kMinShift) & 0xFF} << 40) |
           (uint64_t{static_cast<uint32_t>(chunkX) & 0xFFFFF} << 20) | (static_cast<uint32_t>(chunkY) & 0xFFFFF);
}

void ChunkCache::Unlink(int slot)
{
    Slot& s = slots_[static_cast<size_t>(slot)];
    (s.previous >= 0 ? slots_[static_cast<size_t>(s.previous)].next : head_) = s.next;
    (s.next >= 0 ? slots_[static_cast<size_t>(s.next)].previous : tail_) = s.previous;
    s.previous = s.next = -1;
}

void ChunkCache::PushFront(int slot)
{
    Slot& s = slots_[static_cast<size_t>(slot)];
    s.previous = -1;
    s.next = head_;
    if (head_ >= 0) {
        slots_[static_cast<size_t>(head_)].previous = slot;
    }
    head_ = slot;
    if (tail_ < 0) {
        tail_ = slot;
    }
}

void ChunkCache::Release(int slot, bool freeMemory)
{
    Slot& s = slots_[static_cast<size_t>(slot)];
    if (s.live) {
        Unlink(slot);
        index_.erase(s.key);
        s.live = false;
        free_.push_back(slot);
    }
    if (freeMemory) {
        bytes_ -= s.bytes;
        s.layer.image = KeyedImage();
        s.bytes = 0;
    }
}

ChunkCache::Layer* ChunkCache::Find(int z, int shift, int chunkX, int chunkY)
{
    const auto it = index_.find(Key(z, shift, chunkX, chunkY));
    if (it == index_.end()) {
        return nullptr;
    }
    if (it->second != head_) {
        Unlink(it->second);
        PushFront(it->second);
    }
    return &slots_[static_cast<size_t>(it->second)].layer;
}

ChunkCache::Layer& ChunkCache::Insert(int z, int shift, int chunkX, int chunkY)
{
    const uint64_t key = Key(z, shift, chunkX, chunkY);
    if (const auto it = index_.find(key); it != index_.end()) {
        Release(it->second, false);
    }
    int slot = -1;
    if (!free_.empty()) {
        slot = free_.back();
        free_.pop_back();
    } else if (bytes_ >= byteLimit_ && tail_ >= 0) {
        // Full: the least recently used chunk gives up its place and its buffers.
        slot = tail_;
        Release(slot, false);
        free_.pop_back();
    } else {
        slot = static_cast<int>(slots_.size());
        slots_.emplace_back();
    }
    Slot& s = slots_[static_cast<size_t>(slot)];
    s.key = key;
    s.live = true;
    s.layer.animated = false;
    s.layer.counter = 0;
    index_.emplace(key, slot);
    PushFront(slot);
    lastInserted_ = slot;
    return s.layer;
}

void ChunkCache::Stored()
{
    if (lastInserted_ < 0) {
        return;
    }
    Slot& s = slots_[static_cast<size_t>(lastInserted_)];
    bytes_ = bytes_ - s.bytes + s.layer.image.MemoryBytes();
    s.bytes = s.layer.image.MemoryBytes();
    const int kept = lastInserted_;
    lastInserted_ = -1;
    // Free buffers go first, then the least recently used chunks; the new one always stays.
    for (size_t i = free_.size(); i-- > 0 && bytes_ > byteLimit_;) {
        Release(free_[i], true);
    }
    while (bytes_ > byteLimit_ && tail_ >= 0 && tail_ != kept) {
        Release(tail_, true);
    }
}

void ChunkCache::Invalidate(int z, int left, int top, int right, int bottom)
{
    const int firstX = std::max(left, 0) / kChunkTiles;
    const int firstY = std::max(top, 0) / kChunkTiles;
    const int lastX = std::min(right / kChunkTiles, kLastChunk);
    const int lastY = std::min(bottom / kChunkTiles, kLastChunk);
    if (firstX > lastX || firstY > lastY || index_.empty()) {
        return;
    }
    const int64_t chunks = int64_t{lastX - firstX + 1} * (lastY - firstY + 1) * (kMaxShift - kMinShift + 1);
    if (chunks > static_cast<int64_t>(index_.size())) {
        // A wide area: cheaper to look at every held chunk.
        for (size_t slot = 0; slot < slots_.size(); ++slot) {
            const Slot& s = slots_[slot];
            const int x = static_cast<int>((s.key >> 20) & 0xFFFFF);
            const int y = static_cast<int>(s.key & 0xFFFFF);
            if (s.live && static_cast<int>(s.key >> 48) == z && x >= firstX && x <= lastX && y >= firstY &&
                y <= lastY) {
                Release(static_cast<int>(slot), false);
            }
        }
        return;
    }
    for (int shift = kMinShift; shift <= kMaxShift; ++shift) {
        for (int x = firstX; x <= lastX; ++x) {
            for (int y = firstY; y <= lastY; ++y) {
                if (const auto it = index_.find(Key(z, shift, x, y)); it != index_.end()) {
                    Release(it->second, false);
                }
            }
        }
    }
}

void ChunkCache::Clear()
{
    while (head_ >= 0) {
        Release(head_, false);
    }
}

}  // namespace tessark
