#pragma once

#include <cstdint>
#include <span>

#include "samples/genmap/TerrainGrid.h"

namespace tessark::genmap {

// Where a town will stand and how far its streets reach.
struct TownSite {
    int32_t x = 0;
    int32_t y = 0;
    int32_t radius = 0;
};

// Lays out the land: an ocean along the map's edges, a coast of sand, grassland with forests,
// lakes and dry uplands, rocky mountains with dirt slopes. Town sites are kept as open grass.
class TerrainGenerator {
public:
    explicit TerrainGenerator(uint64_t seed) : seed_(seed) {}

    void Generate(TerrainGrid& grid, std::span<const TownSite> sites) const;

    // Elevation bands, 0..65535.
    static constexpr int32_t kSeaLevel = 27500;
    static constexpr int32_t kBeachLevel = 29000;
    static constexpr int32_t kSlopeLevel = 44500;
    static constexpr int32_t kMountainLevel = 46000;

private:
    uint64_t seed_;
};

}  // namespace tessark::genmap
