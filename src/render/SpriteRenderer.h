#pragma once

#include <cstdint>
#include <string>

#include "data/ItemType.h"
#include "data/Sprite.h"
#include "platform/Surface.h"
#include "render/Colors.h"
#include "render/ImageCache.h"
#include "render/ImageHelpers.h"

namespace tessark {

class CThing;
class ItemDatabase;

// Draws item types from their sprites: picks the sprites of a type by cell, layer, pattern and
// animation phase, scales them to the zoom, tints them, colours creature outfits and copies them
// with magenta as the transparent colour. Scaled and tinted images are cached per
// (sprite, zoom class, tint) and drawn straight from the cache.
class SpriteRenderer {
public:
    explicit SpriteRenderer(const ItemDatabase& database);

    // Switches read by the view and by start-up.
    bool zoomAllowed = true;
    bool fastTransparentCopy = true;

    void SetZoom(double zoom) { zoom_ = zoom; }
    double Zoom() const { return zoom_; }
    void SetAnimationCounter(uint16_t counter) { animationCounter_ = counter; }
    uint16_t AnimationCounter() const { return animationCounter_; }

    void ClearImageCache() { cache_.Clear(); }
    const ImageCache& Cache() const { return cache_; }

    // A new image of the sprite (none: all key colour) as it is drawn: scaled to the zoom when
    // asked, tinted when the tint is not 0. Cached like every drawn image.
    Surface GetImage(const Sprite* sprite, uint32_t zoomClass, ColorRef tint, bool scaled);

    // Draws every cell and layer of the type with its bottom-right corner at (x, y), logical
    // units of the surface. Always true.
    bool DrawItem(Surface& surface, int32_t typeKey, int32_t countOrSubtype, int x, int y, uint32_t zoomClass,
                  ColorRef tint, bool scaled, bool animated);
    // A placed thing (an item or creature; anything else draws nothing): its type key with the
    // creature's facing or the item's count, scaled and animated.
    bool DrawThing(Surface& surface, const CThing& thing, int x, int y, uint32_t zoomClass, ColorRef tint);
    // The brush preview: count 0, scaled and animated.
    bool DrawTypeAt(Surface& surface, int32_t typeKey, int x, int y, uint32_t zoomClass, ColorRef tint);
    // As the palette shows a type: zoom 1.0, zoom class 3, unscaled, untinted, not animated.
    bool DrawPaletteItem(Surface& surface, int32_t typeKey, int x, int y);

    // The first sprite index of the type's pattern for a count or subtype.
    static int StackPatternIndex(int32_t count);

private:
    CachedImage* ImageFor(uint32_t spriteId, uint32_t zoomClass, ColorRef tint, bool scaled);
    CachedImage MakeImage(const Sprite& sprite, uint32_t zoomClass, ColorRef tint, bool scaled) const;
    int32_t BaseIndex(const ItemType& type, int32_t count, int x, int y, bool animated) const;
    // recoloured: the outfit-coloured copy of the cached image, or null.
    void Copy(Surface& surface, CachedImage& cached, const Surface* recoloured, int x, int y);

    const ItemDatabase& database_;
    double zoom_ = 1.0;
    uint16_t animationCounter_ = 0;
    ImageCache cache_;
    Surface outfitImage_;
    KeyedImage outfitKeyed_;
    TransparentBitmapDrawer maskedCopy_;
};

}  // namespace tessark
