#pragma once

#include <cstdint>

namespace tessark::genmap {

class TerrainGrid;
class ThingPlacer;
class WorldPalette;

// Grows the wild: dense trees in the forests and a few on the meadows, bushes, flowers and
// ferns, palms and reeds along the beaches, lilies on the water by the shore, boulders and
// stones in the hills. Nothing grows on roads, in towns or where something stands.
class NaturePlacer {
public:
    NaturePlacer(ThingPlacer& placer, const WorldPalette& palette) : placer_(placer), palette_(palette) {}

    // Marks the squares that tree crowns cover as reserved.
    void Grow(TerrainGrid& grid, uint64_t seed);

private:
    // Trees cover the square they stand on and the three up and left of it; two never share
    // a square.
    bool PlantTree(TerrainGrid& grid, int32_t key, int32_t x, int32_t y);

    ThingPlacer& placer_;
    const WorldPalette& palette_;
};

}  // namespace tessark::genmap
