#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/Position.h"
#include "samples/genmap/TerrainGenerator.h"
#include "samples/genmap/TerrainGrid.h"

namespace tessark {
class CTessarkDoc;
}

namespace tessark::genmap {

class SpawnPlacer;
class ThingPlacer;
class WorldPalette;
struct TownPlan;

struct WorldSettings {
    static constexpr int32_t kDefaultSize = 512;
    static constexpr int32_t kSmallestSize = 128;
    static constexpr int32_t kLargestSize = 4096;
    static constexpr uint64_t kDefaultSeed = 1;

    int32_t size = kDefaultSize;
    uint64_t seed = kDefaultSeed;
};

// Builds a whole world into an empty document, stage by stage, every stage drawing on its own
// stream of the seed: the land, the towns and the roads between them are planned first; then
// the grounds and borders are laid, the towns built, the caves dug, the wild grown and peopled.
class WorldGenerator {
public:
    WorldGenerator(CTessarkDoc& document, const WorldPalette& palette, const WorldSettings& settings);

    void Generate();

private:
    std::vector<TownSite> ChooseTownSites(const TerrainGrid& grid) const;
    // A spot outside the towns with room for stairs, and below it room for a cave of its own.
    bool ChooseCaveEntrance(TerrainGrid& grid, const TownSite& site, std::vector<Position>& taken,
                            Position& entrance) const;
    std::vector<TownPlan> PlanTowns(TerrainGrid& grid, const std::vector<TownSite>& sites) const;
    void LayRoads(TerrainGrid& grid, const std::vector<TownPlan>& towns) const;
    void DigCaves(ThingPlacer& placer, SpawnPlacer& spawns, const TerrainGrid& grid, const std::vector<TownPlan>& towns,
                  const std::vector<std::optional<Position>>& entrances) const;

    CTessarkDoc& document_;
    const WorldPalette& palette_;
    WorldSettings settings_;
};

}  // namespace tessark::genmap
