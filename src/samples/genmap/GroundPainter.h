#pragma once

#include <cstdint>

#include "samples/genmap/BorderPlacer.h"
#include "samples/genmap/TerrainGrid.h"

namespace tessark::genmap {

class ThingPlacer;
class WorldPalette;

// Turns the planned ground floor into tiles: one ground per square of the world, then the
// border pieces where grass, sand and dirt meet lower grounds.
class GroundPainter {
public:
    GroundPainter(ThingPlacer& placer, const WorldPalette& palette) : placer_(placer), palette_(palette) {}

    void Paint(const TerrainGrid& grid, int32_t z);

    int32_t GroundKey(Terrain terrain) const;
    BorderClass ClassOf(Terrain terrain) const;

private:
    ThingPlacer& placer_;
    const WorldPalette& palette_;
};

}  // namespace tessark::genmap
