#include "render/SpriteRenderer.h"

#include <algorithm>

#include "data/ItemDatabase.h"
#include "model/Creature.h"
#include "model/Item.h"
#include "render/OutfitColors.h"

namespace tessark {

namespace {

// Every other pixel in storage order (bottom row first) with one extra step at the end of each
// row: a checkerboard anchored at the bottom-left pixel for even widths.
void ApplyTint(Surface& image, ColorRef tint)
{
    const uint32_t tintPixel = ColorRefToPixel(tint);
    bool on = true;
    for (int fromBottom = 0; fromBottom < image.Height(); ++fromBottom) {
        uint32_t* row = image.Row(image.Height() - 1 - fromBottom);
        for (int x = 0; x < image.Width(); ++x) {
            if (on && row[x] != kTransparentPixel && row[x] != kUntintablePixel) {
                row[x] = tintPixel;
            }
            on = !on;
        }
        on = !on;
    }
}

// The four outfit replacements in their order, each seeing the result of the one before.
void ApplyOutfit(Surface& image, const ItemType& type)
{
    const uint32_t head = OutfitColor(type.outfitHead);
    const uint32_t body = OutfitColor(type.outfitBody);
    const uint32_t legs = OutfitColor(type.outfitLegs);
    const uint32_t feet = OutfitColor(type.outfitFeet);
    const uint32_t yellow = ColorRefToPixel(0x0000FFFF);
    const uint32_t red = ColorRefToPixel(0x000000FF);
    const uint32_t green = ColorRefToPixel(0x0000FF00);
    const uint32_t blue = ColorRefToPixel(0x00FF0000);
    uint32_t* pixels = image.Pixels();
    for (size_t i = 0, n = static_cast<size_t>(image.Width()) * image.Height(); i < n; ++i) {
        uint32_t p = pixels[i];
        if (p == yellow) {
            p = head;
        }
        if (p == red) {
            p = body;
        }
        if (p == green) {
            p = legs;
        }
        if (p == blue) {
            p = feet;
        }
        pixels[i] = p;
    }
}

bool HasOutfit(const ItemType& type)
{
    return type.group == ItemGroup::Creature &&
           (type.outfitHead != 0 || type.outfitBody != 0 || type.outfitLegs != 0 || type.outfitFeet != 0);
}

}  // namespace

SpriteRenderer::SpriteRenderer(const ItemDatabase& database) : database_(database) {}

int SpriteRenderer::StackPatternIndex(int32_t count)
{
    if (count <= 1 || count > 100) {
        return 0;
    }
    if (count <= 4) {
        return count - 1;
    }
    if (count <= 9) {
        return 4;
    }
    if (count <= 24) {
        return 5;
    }
    if (count <= 49) {
        return 6;
    }
    return 7;
}

CachedImage SpriteRenderer::MakeImage(const Sprite& sprite, uint32_t zoomClass, ColorRef tint, bool scaled) const
{
    Surface base(Sprite::kSize, Sprite::kSize, kTransparentPixel);
    if (sprite.HasPixels()) {
        for (int y = 0; y < Sprite::kSize; ++y) {
            const uint32_t* from = sprite.pixels.data() + static_cast<size_t>(Sprite::kSize - 1 - y) * Sprite::kSize;
            std::copy(from, from + Sprite::kSize, base.Row(y));
        }
    }
    CachedImage result;
    result.tint = tint;
    result.zoomClass = zoomClass;
    if (scaled) {
        const int size = static_cast<int>(Sprite::kSize * zoom_);
        result.image.Resize(size, size);
        result.image.StretchCopy(result.image.Bounds(), base.View());
    } else {
        result.image = std::move(base);
    }
    if (tint != 0) {
        ApplyTint(result.image, tint);
    }
    const uint32_t* pixels = result.image.Pixels();
    const size_t count = static_cast<size_t>(result.image.Width()) * result.image.Height();
    result.hasOpaquePixels =
        std::any_of(pixels, pixels + count, [](uint32_t p) { return p != kTransparentPixel; });
    return result;
}

CachedImage* SpriteRenderer::ImageFor(uint32_t spriteId, uint32_t zoomClass, ColorRef tint, bool scaled)
{
    if (CachedImage* hit = cache_.Find(spriteId, zoomClass, tint)) {
        return hit;
    }
    if (cache_.IsKnownAbsent(spriteId)) {
        return nullptr;
    }
    const auto& sprites = database_.Sprites();
    auto it = sprites.find(spriteId);
    if (it == sprites.end()) {
        cache_.MarkAbsent(spriteId);
        return nullptr;
    }
    return &cache_.Store(spriteId, MakeImage(it->second, zoomClass, tint, scaled));
}

Surface SpriteRenderer::GetImage(const Sprite* sprite, uint32_t zoomClass, ColorRef tint, bool scaled)
{
    if (!sprite) {
        return MakeImage(Sprite{}, zoomClass, tint, scaled).image;
    }
    if (const CachedImage* hit = cache_.Find(sprite->id, zoomClass, tint)) {
        return hit->image;
    }
    return cache_.Store(sprite->id, MakeImage(*sprite, zoomClass, tint, scaled)).image;
}

int32_t SpriteRenderer::BaseIndex(const ItemType& type, int32_t count, int x, int y, bool animated) const
{
    // Zero fields in damaged client data must not divide by zero. Divisions stay 32-bit (this
    // runs for every sprite drawn); products may not fit and are taken in 64 bits.
    const int32_t patternX = std::max<int32_t>(type.patternX, 1);
    const int32_t patternY = std::max<int32_t>(type.patternY, 1);
    const int32_t phases = std::max<int32_t>(type.animationPhases, 1);
    const int64_t cellsPerPattern = int64_t{type.width} * type.height * type.layers;
    const int64_t animation = animated ? int64_t{animationCounter_ % phases} * patternX * patternY : 0;

    int64_t base = 0;
    if (type.stackable) {
        base = std::min<int64_t>(StackPatternIndex(count), int64_t{patternX} * patternY - 1);
    } else if (type.group == ItemGroup::Ground) {
        const int32_t tile = std::max(static_cast<int32_t>(Sprite::kSize * zoom_), 1);
        const int32_t px = (x / tile) % patternX;
        const int32_t py = (y / tile) % patternY;
        base = (int64_t{py} * patternX + animation + px) * cellsPerPattern;
    } else if (type.group == ItemGroup::Splash || type.group == ItemGroup::FluidContainer) {
        base = count % 8 + animation;
    } else {
        base = (count % patternX + animation) * cellsPerPattern;
    }
    return static_cast<int32_t>(base);
}

void SpriteRenderer::Copy(Surface& surface, CachedImage& cached, const Surface* recoloured, int x, int y)
{
    const Surface& image = recoloured ? *recoloured : cached.image;
    if (!fastTransparentCopy) {
        maskedCopy_.Draw(surface, image.View(), x, y, kTransparentKey);
        return;
    }
    const Rect area = surface.ToDevice(Rect{x, y, x + image.Width(), y + image.Height()});
    if (area.IsEmpty() || !surface.IsVisible(area)) {
        return;
    }
    // The keyed copy of the cached image at the size it is drawn; built once per zoom.
    KeyedImage& keyed = recoloured ? outfitKeyed_ : cached.drawn;
    if (recoloured || keyed.Width() != area.Width() || keyed.Height() != area.Height()) {
        if (area.Width() == image.Width() && area.Height() == image.Height()) {
            keyed.Build(image.View(), kTransparentPixel);
        } else {
            keyed.BuildScaled(image.View(), area.Width(), area.Height(), kTransparentPixel);
        }
    }
    CopyKeyed(surface, {area.left, area.top}, keyed);
}

bool SpriteRenderer::DrawItem(Surface& surface, int32_t typeKey, int32_t countOrSubtype, int x, int y,
                              uint32_t zoomClass, ColorRef tint, bool scaled, bool animated)
{
    const ItemType& type = database_.GetServerType(typeKey);
    const int originX = static_cast<int>(x - Sprite::kSize * zoom_);
    const int originY = static_cast<int>(y - Sprite::kSize * zoom_);
    const int64_t base = BaseIndex(type, countOrSubtype, x, y, animated);
    const uint32_t spriteCount = std::min<uint32_t>(type.spriteCount, ItemType::kMaxSpriteIds);
    const bool outfit = HasOutfit(type);

    for (int layer = 0; layer < type.layers; ++layer) {
        for (int cy = 0; cy < type.height; ++cy) {
            for (int cx = 0; cx < type.width; ++cx) {
                const auto index = static_cast<uint16_t>((int64_t{type.height} * layer + cy) * type.width + cx + base);
                const uint32_t spriteId = index < spriteCount ? type.spriteIds[index] : 0;
                CachedImage* cached = ImageFor(spriteId, zoomClass, tint, scaled);
                if (!cached || !cached->hasOpaquePixels) {
                    continue;
                }
                const int dx = originX - cached->image.Width() * cx;
                const int dy = originY - cached->image.Height() * cy;
                if (dx < 0 || dy < 0) {
                    continue;
                }
                const Surface* recoloured = nullptr;
                if (outfit) {
                    outfitImage_ = cached->image;
                    ApplyOutfit(outfitImage_, type);
                    recoloured = &outfitImage_;
                }
                Copy(surface, *cached, recoloured, dx, dy);
            }
        }
    }
    return true;
}

bool SpriteRenderer::DrawThing(Surface& surface, const CThing& thing, int x, int y, uint32_t zoomClass, ColorRef tint)
{
    if (!thing.IsItem()) {
        return false;
    }
    const auto& item = static_cast<const CItem&>(thing);
    const int32_t count = thing.Kind() == ThingKind::Creature
                              ? static_cast<int32_t>(static_cast<const CCreature&>(thing).GetDirection())
                              : item.GetCount();
    return DrawItem(surface, item.GetTypeKey(), count, x, y, zoomClass, tint, true, true);
}

bool SpriteRenderer::DrawTypeAt(Surface& surface, int32_t typeKey, int x, int y, uint32_t zoomClass, ColorRef tint)
{
    return DrawItem(surface, typeKey, 0, x, y, zoomClass, tint, true, true);
}

bool SpriteRenderer::DrawPaletteItem(Surface& surface, int32_t typeKey, int x, int y)
{
    const double previous = zoom_;
    zoom_ = 1.0;
    DrawItem(surface, typeKey, 0, x, y, 3, 0, false, false);
    zoom_ = previous;
    return true;
}

}  // namespace tessark
