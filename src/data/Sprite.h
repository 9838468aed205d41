#pragma once

#include <cstdint>
#include <map>

#include "data/SpritePixels.h"

namespace tessark {

// One sprite of the sprite file. pixels holds 32 x 32 values 0x00RRGGBB, bottom row first,
// or nothing when the sprite was never found in the file or had no data (it draws transparent).
// Sprites read from the same data share their pixels.
struct Sprite {
    static constexpr int kSize = 32;
    static constexpr int kPixelCount = kSize * kSize;

    uint32_t id = 0;
    uint16_t rawSize = 0;
    SpritePixels pixels;

    bool HasPixels() const { return pixels.size() == kPixelCount; }
};

using SpriteTable = std::map<uint32_t, Sprite>;

}  // namespace tessark
