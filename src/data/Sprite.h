#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace tessark {

// One sprite of the sprite file. pixels holds 32 x 32 values 0x00RRGGBB, bottom row first,
// or nothing when the sprite was never found in the file or had no data (it draws transparent).
struct Sprite {
    static constexpr int kSize = 32;
    static constexpr int kPixelCount = kSize * kSize;

    uint32_t id = 0;
    uint16_t rawSize = 0;
    std::vector<uint32_t> pixels;

    bool HasPixels() const { return pixels.size() == kPixelCount; }
};

using SpriteTable = std::map<uint32_t, Sprite>;

}  // namespace tessark
