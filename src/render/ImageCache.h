#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/KeyedImage.h"
#include "platform/Surface.h"
#include "render/Colors.h"

namespace tessark {

// One scaled and tinted image of a sprite, as drawn.
struct CachedImage {
    ColorRef tint = 0;
    uint32_t zoomClass = 0;
    Surface image;
    bool hasOpaquePixels = false;
    // The image at the size it was last drawn in pixels, ready for keyed copies.
    KeyedImage drawn;
};

// Images of sprites by (sprite id, zoom class, tint). The scale itself is not part of the key,
// so the owner empties the cache whenever the zoom changes. Also remembers sprite ids that the
// sprite table does not hold, so that a draw does not search the table for them again.
class ImageCache {
public:
    // Valid until the next Store or Clear.
    const CachedImage* Find(uint32_t spriteId, uint32_t zoomClass, ColorRef tint) const;
    CachedImage* Find(uint32_t spriteId, uint32_t zoomClass, ColorRef tint);
    CachedImage& Store(uint32_t spriteId, CachedImage image);

    bool IsKnownAbsent(uint32_t spriteId) const;
    void MarkAbsent(uint32_t spriteId);

    void Clear();
    size_t VariantCount() const { return variantCount_; }

private:
    struct Entry {
        bool absent = false;
        std::vector<CachedImage> variants;
    };
    const Entry* FindEntry(uint32_t spriteId) const;
    Entry& EntryFor(uint32_t spriteId);

    // Sprite ids come from 16-bit fields, so a flat table serves nearly every lookup.
    static constexpr uint32_t kFlatIds = 1u << 16;
    std::vector<Entry> flat_;
    std::unordered_map<uint32_t, Entry> others_;
    size_t variantCount_ = 0;
};

}  // namespace tessark
