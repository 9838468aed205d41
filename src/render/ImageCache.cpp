#include "render/ImageCache.h"

namespace tessark {

const ImageCache::Entry* ImageCache::FindEntry(uint32_t spriteId) const
{
    if (spriteId < kFlatIds) {
        return spriteId < flat_.size() ? &flat_[spriteId] : nullptr;
    }
    auto it = others_.find(spriteId);
    return it != others_.end() ? &it->second : nullptr;
}

ImageCache::Entry& ImageCache::EntryFor(uint32_t spriteId)
{
    if (spriteId < kFlatIds) {
        if (spriteId >= flat_.size()) {
            flat_.resize(spriteId + 1);
        }
        return flat_[spriteId];
    }
    return others_[spriteId];
}

const CachedImage* ImageCache::Find(uint32_t spriteId, uint32_t zoomClass, ColorRef tint) const
{
    const Entry* entry = FindEntry(spriteId);
    if (!entry) {
        return nullptr;
    }
    for (const CachedImage& variant : entry->variants) {
        if (variant.zoomClass == zoomClass && variant.tint == tint) {
            return &variant;
        }
    }
    return nullptr;
}

CachedImage* ImageCache::Find(uint32_t spriteId, uint32_t zoomClass, ColorRef tint)
{
    return const_cast<CachedImage*>(static_cast<const ImageCache*>(this)->Find(spriteId, zoomClass, tint));
}

CachedImage& ImageCache::Store(uint32_t spriteId, CachedImage image)
{
    Entry& entry = EntryFor(spriteId);
    entry.variants.push_back(std::move(image));
    ++variantCount_;
    return entry.variants.back();
}

bool ImageCache::IsKnownAbsent(uint32_t spriteId) const
{
    const Entry* entry = FindEntry(spriteId);
    return entry && entry->absent;
}

void ImageCache::MarkAbsent(uint32_t spriteId)
{
    EntryFor(spriteId).absent = true;
}

void ImageCache::Clear()
{
    // Keep the flat table's memory: it is refilled right after every zoom change.
    for (Entry& entry : flat_) {
        entry.absent = false;
        entry.variants.clear();
    }
    others_.clear();
    variantCount_ = 0;
}

}  // namespace tessark
