#pragma once

#include <cstdint>
#include <vector>

#include "samples/gendata/ItemCatalog.h"

namespace tessark::gendata {

// Paints the sprites of types and numbers them from 1 in the order they are painted.
class SpriteAtlas {
public:
    explicit SpriteAtlas(uint64_t seed) : seed_(seed) {}

    // Paints every sprite of a type with the given drawing layout (size, patterns, phases;
    // one layer) and returns their ids in the order the client data lists them: phase, then
    // patternY, patternX, then the cells from the bottom-right one leftwards and upwards.
    // stream keeps each type's random grain independent of the others.
    std::vector<uint16_t> PaintType(const ItemType& layout, const Painter& paint, uint32_t stream);

    // sprites()[k] is sprite id k + 1: 32 x 32 pixels, top row first.
    const std::vector<std::vector<uint32_t>>& Sprites() const { return sprites_; }

private:
    uint64_t seed_;
    std::vector<std::vector<uint32_t>> sprites_;
};

}  // namespace tessark::gendata
