#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "model/Position.h"
#include "samples/gendata/SeededRandom.h"

namespace tessark::genmap {

class TerrainGrid;
class ThingPlacer;
class WorldPalette;

// Makes spawns and puts their creatures on walkable squares inside them. Spawn areas never
// overlap, so that the document hands every creature to the spawn it was meant for.
class SpawnPlacer {
public:
    explicit SpawnPlacer(ThingPlacer& placer) : placer_(placer) {}

    // A spawn with one creature of each key given; false (and no spawn) when the area is taken
    // or no creature found a square.
    bool AddSpawn(const Position& center, int32_t radius, std::initializer_list<int32_t> creatures,
                  gendata::SeededRandom& random);
    bool IsAreaFree(const Position& center, int32_t radius) const;

    // Creatures of the wild on the ground floor, chosen by the land they live in.
    void PopulateWilds(const TerrainGrid& grid, const WorldPalette& palette, uint64_t seed);

private:
    struct Area {
        Position center;
        int32_t radius;
    };
    ThingPlacer& placer_;
    std::vector<Area> areas_;
};

}  // namespace tessark::genmap
