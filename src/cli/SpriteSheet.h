#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cli/PixelImage.h"

namespace tessark::cli {

struct SheetSprite {
    uint32_t id = 0;
    // 32 x 32 pixel values, top row first; 0x00FF00FF is transparent.
    std::vector<uint32_t> pixels;
};

// Lays sprites out in a grid, each over a checkerboard that shows its transparent pixels,
// with its id printed under it.
PixelImage DrawSpriteSheet(std::span<const SheetSprite> sprites, int columns);

}  // namespace tessark::cli
