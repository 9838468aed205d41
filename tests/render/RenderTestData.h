#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <tuple>
#include <vector>

#include "data/ItemDatabase.h"
#include "data/ItemType.h"
#include "data/Sprite.h"
#include "platform/Surface.h"

namespace tessark::rendertest {

constexpr uint32_t kMagenta = 0x00FF00FF;

// A sprite from a function of (column, row counted from the top), stored bottom row first as
// the sprite table holds it.
inline Sprite MakeSprite(uint32_t id, const std::function<uint32_t(int x, int yFromTop)>& pixel)
{
    Sprite sprite;
    sprite.id = id;
    std::vector<uint32_t> pixels(Sprite::kPixelCount);
    for (int fromBottom = 0; fromBottom < Sprite::kSize; ++fromBottom) {
        for (int x = 0; x < Sprite::kSize; ++x) {
            pixels[static_cast<size_t>(fromBottom) * Sprite::kSize + x] = pixel(x, Sprite::kSize - 1 - fromBottom);
        }
    }
    sprite.pixels = std::move(pixels);
    return sprite;
}

inline Sprite SolidSprite(uint32_t id, uint32_t pixel)
{
    return MakeSprite(id, [pixel](int, int) { return pixel; });
}

inline void AddSprite(ItemDatabase& database, Sprite sprite)
{
    const uint32_t id = sprite.id;
    database.Sprites()[id] = std::move(sprite);
}

struct Layout {
    ItemGroup group = ItemGroup::None;
    uint8_t width = 1;
    uint8_t height = 1;
    uint8_t layers = 1;
    uint8_t patternX = 1;
    uint8_t patternY = 1;
    uint8_t phases = 1;
};

// A server type with the drawing layout and the sprite ids in index order.
inline ItemType MakeType(const Layout& layout, std::initializer_list<uint16_t> spriteIds)
{
    ItemType type;
    type.group = layout.group;
    type.width = layout.width;
    type.height = layout.height;
    type.layers = layout.layers;
    type.patternX = layout.patternX;
    type.patternY = layout.patternY;
    type.animationPhases = layout.phases;
    type.spriteCount = static_cast<uint32_t>(spriteIds.size());
    size_t i = 0;
    for (uint16_t id : spriteIds) {
        type.spriteIds.Set(i++, id);
    }
    return type;
}

// Sprites 1..count, each one solid colour: its own id.
inline void AddNumberedSprites(ItemDatabase& database, uint16_t count)
{
    for (uint16_t id = 1; id <= count; ++id) {
        AddSprite(database, SolidSprite(id, id));
    }
}

// Checks each (x, y, pixel) of the list on the surface.
inline void ExpectPixels(const Surface& surface, std::initializer_list<std::tuple<int, int, uint32_t>> expected)
{
    for (const auto& [x, y, pixel] : expected) {
        EXPECT_EQ(surface.Pixel(x, y), pixel) << "at " << x << "," << y;
    }
}

// How many pixels of the surface hold the value.
inline size_t CountPixels(const Surface& surface, uint32_t pixel)
{
    const uint32_t* pixels = surface.Pixels();
    return static_cast<size_t>(std::count(pixels, pixels + surface.Width() * surface.Height(), pixel));
}

}  // namespace tessark::rendertest
